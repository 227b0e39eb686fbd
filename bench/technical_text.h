// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Technical text people capture from their screens: dialogs with codes and paths, web
// addresses, file listings, terminal output, logs, traces, configuration, mail headers,
// tables and program text read in normal mode. Rules of the recognition may be tuned on
// these samples; the samples of held_out_text.h are kept apart to check them.
#include <QList>
#include <QString>
#include <QStringList>

namespace bench {

struct TechnicalSample {
    const char *kind;  // names the image
    bool monospace;    // terminal or editor text, as against a window's own font
    QStringList lines;
};

inline const QList<TechnicalSample> &tunedTechnicalSamples()
{
    static const QList<TechnicalSample> samples{
        {"dialog", false,
         {"Error 0x80070005: access denied while writing to /var/lib/service/cache.db",
          "The operation could not be completed. Try again later."}},
        {"url", false,
         {"https://mirror.example.org/debian/pool/main/t/tesseract/", "Mirror: deb.debian.org (updated 2026-11-30)"}},
        {"files", false,
         {"report-2026-q3.pdf      1.4 MB    12 Nov 2026", "holiday_photos.zip    238.7 MB    3 Oct 2026",
          "notes.txt                 812 bytes   Yesterday", "budget.ods              46.2 kB    28 Sep 2026"}},
        {"git-log", true,
         {"commit 9f3c2e1b7a40d2c5e8f61a93b0d47c2e5a1f8b36", "Author: Jane Doe <jane@example.com>",
          "Date:   Tue Nov 24 09:41:07 2026 +0100", "", "    Fix race in cache eviction under load"}},
        {"ls-l", true,
         {"drwxr-xr-x  2 jane jane  4096 Nov 24 09:12 build", "-rw-r--r--  1 jane jane 18342 Nov 23 17:55 main.cpp",
          "-rwxr-xr-x  1 jane jane   913 Nov 20 08:03 run.sh", "lrwxrwxrwx  1 jane jane    11 Nov 19 14:30 latest -> v2.1"}},
        {"df", true,
         {"Filesystem      Size  Used Avail Use% Mounted on", "/dev/nvme0n1p2  468G  301G  144G  68% /",
          "tmpfs           7.8G  2.1M  7.8G   1% /dev/shm", "/dev/nvme0n1p1  511M  6.1M  505M   2% /boot/efi"}},
        {"ps", true,
         {"USER       PID %CPU %MEM    VSZ   RSS TTY  STAT START   TIME COMMAND",
          "root         1  0.0  0.1 167732 12940 ?    Ss   08:01   0:02 /sbin/init",
          "jane      2231  3.4  2.7 2871204 221480 ?  Sl   08:03   4:17 /usr/bin/gnome-shell"}},
        {"ip-addr", true,
         {"2: enp3s0: <BROADCAST,MULTICAST,UP,LOWER_UP> mtu 1500 qdisc fq_codel state UP",
          "    link/ether 3c:7c:3f:1a:9e:04 brd ff:ff:ff:ff:ff:ff",
          "    inet 192.168.1.23/24 brd 192.168.1.255 scope global dynamic enp3s0"}},
        {"log", true,
         {"2026-11-24 09:41:07.312 INFO  [worker-3] request 7f2a finished in 184 ms",
          "2026-11-24 09:41:07.498 WARN  [worker-1] retrying upload (attempt 2 of 5)",
          "2026-11-24 09:41:08.004 ERROR [main] connection reset by peer: 10.0.0.12:5432"}},
        {"trace", true,
         {"Exception in thread \"main\" java.lang.NullPointerException",
          "    at com.example.cache.Store.get(Store.java:88)", "    at com.example.app.Main.run(Main.java:41)",
          "    at com.example.app.Main.main(Main.java:17)"}},
        {"json", true,
         {"{", "  \"name\": \"quickstart\",", "  \"version\": \"1.4.2\",", "  \"timeout_ms\": 2500,",
          "  \"servers\": [\"eu-1.example.net\", \"us-2.example.net\"]", "}"}},
        {"yaml", true,
         {"services:", "  web:", "    image: nginx:1.25-alpine", "    ports:", "      - \"8080:80\"",
          "    restart: unless-stopped"}},
        {"ini", true,
         {"[database]", "host = db.internal", "port = 5432", "max_connections = 40", "", "[logging]",
          "level = debug"}},
        {"shell", true,
         {"$ sudo apt install --no-install-recommends tesseract-ocr", "$ tar -xzf backup-2026-11-24.tar.gz -C /srv",
          "$ grep -rn \"TODO\" src/ | wc -l"}},
        {"mail", false,
         {"From: Jane Doe <jane.doe@example.com>", "To: team@lists.example.org", "Date: Tue, 24 Nov 2026 09:41:07 +0100",
          "Subject: Re: Build failures on the release branch"}},
        {"table", false,
         {"Disk        Read       Write      Temp", "sda         182 MB/s   94 MB/s    38 °C",
          "nvme0n1     3.2 GB/s   1.9 GB/s   47 °C"}},
        {"compiler", true,
         {"src/cache/store.cpp:88:17: error: 'lookup' was not declared in this scope",
          "   88 |     auto hit = lookup(key, m_index);", "      |                ^~~~~~",
          "make[2]: *** [CMakeFiles/app.dir/build.make:76: store.o] Error 1"}},
        {"csv", true,
         {"date,region,units,revenue_eur", "2026-10-01,north,1240,18600.50", "2026-10-01,south,980,14210.00",
          "2026-10-02,north,1315,19725.25"}},
        {"sql", true,
         {"SELECT id, email, created_at", "FROM users", "WHERE last_login < NOW() - INTERVAL '90 days'",
          "ORDER BY created_at DESC LIMIT 50;"}},
        {"update", false,
         {"Updates available: linux-image-6.1.0-27-amd64 (6.1.115-1), firefox-esr 128.5.0esr-1",
          "Download size: 142 MB. Restart required after installing."}},
        {"systemctl", true,
         {"* nginx.service - A high performance web server", "     Loaded: loaded (/lib/systemd/system/nginx.service; enabled)",
          "     Active: active (running) since Tue 2026-11-24 08:01:12 CET; 1h 40min ago",
          "   Main PID: 812 (nginx)"}},
        {"properties", false,
         {"Location: /home/jane/Pictures/2026/trip", "Size: 2.4 GB (2,583,019,114 bytes)", "Contents: 1,204 items",
          "Modified: Mon 23 Nov 2026 18:22"}},
        {"journal", true,
         {"Nov 24 08:01:12 thinkpad systemd[1]: Starting Network Manager...",
          "Nov 24 08:01:13 thinkpad NetworkManager[733]: <info>  [1732431673.2208] dhcp4 (wlan0): state changed",
          "Nov 24 08:01:15 thinkpad kernel: wlan0: associated"}},
        {"docker", true,
         {"CONTAINER ID   IMAGE          STATUS          PORTS                  NAMES",
          "3f1c9a2b7d44   postgres:16    Up 2 hours      0.0.0.0:5432->5432/tcp   db",
          "a7e02c51f9b0   redis:7        Up 2 hours      6379/tcp               cache"}},
        {"pip", true,
         {"$ pip install --user requests==2.32.3", "Collecting requests==2.32.3",
          "  Downloading requests-2.32.3-py3-none-any.whl (64 kB)", "Successfully installed requests-2.32.3"}},
        {"browser", false,
         {"https://docs.example.org/en/stable/reference/config.html#cache-size",
          "This site can't be reached. DNS_PROBE_FINISHED_NXDOMAIN"}},
        {"dialog-path", false,
         {"The file \"/home/jane/Documents/taxes/2025/return_final.pdf\" could not be moved",
          "because it is open in another application (code 0x8007000E)."}},
        {"headers", false,
         {"Received: from mail.example.org (mail.example.org [203.0.113.9])", "Message-ID: <a81f2c@mail.example.org>",
          "Content-Type: text/plain; charset=utf-8", "X-Spam-Score: 0.4"}},
        {"config", true,
         {"# /etc/ssh/sshd_config", "Port 2222", "PermitRootLogin no", "PasswordAuthentication no",
          "AllowUsers jane deploy"}},
        {"units", false,
         {"CPU      3.40 GHz     8 cores    65 W", "Memory   32 GiB       DDR5-5600", "Storage  1 TB NVMe     7000 MB/s",
          "Display  27\"         2560x1440  165 Hz"}},
        {"python", true,
         {"def merge_sorted(left, right):", "    result = []", "    i = j = 0", "    while i < len(left) and j < len(right):",
          "        if left[i] <= right[j]:", "            result.append(left[i])", "            i += 1",
          "        else:", "            result.append(right[j])", "            j += 1", "    return result"}},
    };
    return samples;
}

} // namespace bench
