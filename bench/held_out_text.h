// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Technical text kept apart from every rule of the recognition: no rule is tuned on these
// samples, and they are drawn in other fonts and sizes than those of technical_text.h, so
// that they tell how the rules fare on text they were not made for.
#include "technical_text.h"

namespace bench {

inline const QList<TechnicalSample> &heldOutTechnicalSamples()
{
    static const QList<TechnicalSample> samples{
        {"dialog", false,
         {"Could not open \"/home/sam/Projects/atlas/config/settings.toml\"",
          "Error code 0xC0000142 (permission denied). Check the file and try again."}},
        {"url", false,
         {"Download from https://files.example.com/releases/v4.8.1/atlas-linux-x86_64.tar.xz",
          "Checksum: sha256 5b1e0c94d7a2f3e8"}},
        {"files", false,
         {"invoice_0042.pdf         96 kB    Today 10:14", "Screenshot from 2026-10-02.png    1.1 MB    2 Oct",
          "thesis-draft-v7.docx      3.8 MB    19 Aug 2026", "music                    14 items    5 Jul 2026"}},
        {"git-log", true,
         {"e41b9d0 (HEAD -> main, origin/main) Bump version to 2.3.0", "7ac2f55 Handle empty config files gracefully",
          "0d93b18 Merge pull request #214 from sam/fix-locale", "c58e2aa Add retry with backoff to the uploader"}},
        {"ls-l", true,
         {"total 2048", "-rw-r--r-- 1 sam staff  1048576 Oct  2 11:20 disk.img",
          "drwx------ 3 sam staff     4096 Sep 30 09:05 .ssh", "-rw-r----- 1 sam adm      73412 Oct  2 06:25 syslog.1"}},
        {"df", true,
         {"Filesystem     1K-blocks     Used Available Use% Mounted on", "/dev/sda1       61252420 43118212  14992744  75% /",
          "/dev/sdb1      960303848 12055612 899393500   2% /mnt/data"}},
        {"ps", true,
         {"  PID TTY          TIME CMD", " 4102 pts/1    00:00:00 bash", " 4377 pts/1    00:01:43 python3",
          " 4410 pts/1    00:00:00 ps"}},
        {"ip-addr", true,
         {"3: wlp2s0: <BROADCAST,MULTICAST,UP,LOWER_UP> mtu 1500 state UP", "    inet 10.20.30.41/16 scope global wlp2s0",
          "    inet6 fe80::a00:27ff:fe4e:66a1/64 scope link"}},
        {"log", true,
         {"Oct 02 11:20:15 atlas sshd[2917]: Accepted publickey for sam from 10.20.0.7 port 51812",
          "Oct 02 11:20:16 atlas systemd[1]: Started Session 42 of User sam.",
          "Oct 02 11:24:03 atlas kernel: usb 1-2: new high-speed USB device number 5"}},
        {"trace", true,
         {"Traceback (most recent call last):", "  File \"/srv/atlas/worker.py\", line 118, in process",
          "    payload = json.loads(body)", "json.decoder.JSONDecodeError: Expecting value: line 1 column 1"}},
        {"json", true,
         {"{\"user\": \"sam\", \"id\": 90211, \"active\": true,", " \"quota\": {\"used\": 7.5, \"limit\": 20},",
          " \"roles\": [\"editor\", \"viewer\"]}"}},
        {"yaml", true,
         {"jobs:", "  test:", "    runs-on: ubuntu-24.04", "    steps:", "      - uses: actions/checkout@v4",
          "      - run: make -j4 check"}},
        {"ini", true,
         {"[Desktop Entry]", "Name=Atlas Viewer", "Exec=atlas-viewer %U", "Icon=atlas", "Categories=Graphics;Viewer;"}},
        {"shell", true,
         {"sam@atlas:~/src$ cmake -S . -B build -DCMAKE_BUILD_TYPE=Release",
          "sam@atlas:~/src$ find . -name '*.o' -mtime +7 -delete", "sam@atlas:~/src$ curl -sSL https://example.com/install.sh | sh"}},
        {"mail", false,
         {"Return-Path: <noreply@billing.example.net>", "Received: from mx2.example.net (198.51.100.25)",
          "Message-ID: <20261002112015.4f7a@billing.example.net>", "Subject: Your October invoice is ready"}},
        {"table", false,
         {"Run     Time       Memory     Speed", "1       12.4 s     312 MiB    48 fps", "2       11.9 s     298 MiB    51 fps",
          "3       15.0 s     405 MiB    37 fps"}},
        {"program", true,
         {"static int clamp(int value, int low, int high)", "{", "    if (value < low)", "        return low;",
          "    if (value > high)", "        return high;", "    return value;", "}"}},
    };
    return samples;
}

} // namespace bench
