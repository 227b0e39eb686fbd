// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A second set of technical text kept apart from every rule of the recognition, written
// after the first one and before the rules were widened to more kinds of technical text:
// it tells how they fare on text that neither set of rules was made for.
#include "technical_text.h"

namespace bench {

inline const QList<TechnicalSample> &freshHeldOutTechnicalSamples()
{
    static const QList<TechnicalSample> samples{
        {"npm", true,
         {"$ npm install", "added 412 packages, and audited 413 packages in 9s",
          "58 packages are looking for funding", "  run `npm fund` for details",
          "found 0 vulnerabilities"}},
        {"rust-error", true,
         {"error[E0382]: borrow of moved value: `config`", "  --> src/server.rs:57:20",
          "   |", "52 |     let handle = spawn(config);", "   |                        ------ value moved here"}},
        {"nginx-log", true,
         {"203.0.113.45 - - [07/Dec/2026:22:14:03 +0000] \"GET /api/v2/items?page=3 HTTP/1.1\" 200 5123",
          "198.51.100.7 - - [07/Dec/2026:22:14:05 +0000] \"POST /login HTTP/1.1\" 302 0"}},
        {"free", true,
         {"               total        used        free      shared  buff/cache   available",
          "Mem:        32562104     9213448    17210332      412880     6138324    22476512",
          "Swap:        2097148           0     2097148"}},
        {"go-panic", true,
         {"panic: runtime error: index out of range [5] with length 5", "", "goroutine 1 [running]:",
          "main.lookup(...)", "        /home/sam/src/tool/main.go:23", "main.main()",
          "        /home/sam/src/tool/main.go:41 +0x1d"}},
        {"toml", true,
         {"[package]", "name = \"tiny-http\"", "version = \"0.12.0\"", "edition = \"2021\"", "",
          "[dependencies]", "serde = { version = \"1.0\", features = [\"derive\"] }"}},
        {"error-code", false,
         {"Could not open \"C:\\Users\\sam\\AppData\\Local\\Temp\\setup.log\"",
          "Error code: 0xC0000022 (STATUS_ACCESS_DENIED). Contact your administrator."}},
        {"search-url", false,
         {"https://shop.example.com/search?q=usb-c+hub&sort=price_asc&page=2&ref=nav_sb",
          "Showing 21-40 of 318 results"}},
        {"download", false,
         {"ubuntu-24.04.1-desktop-amd64.iso    5.8 GB of 6.1 GB, 42 MB/s, 8 seconds left",
          "debian-12.8.0-amd64-netinst.iso     Completed, 631 MB"}},
        {"diff", true,
         {"--- a/src/parse.c", "+++ b/src/parse.c", "@@ -118,7 +118,8 @@ static int read_header(FILE *fp)",
          "-    if (len > MAX_LEN)", "+    if (len >= MAX_LEN) {", "+        errno = EOVERFLOW;"}},
        {"crontab", true,
         {"# m h  dom mon dow   command", "*/15 * * * *  /usr/local/bin/sync-mail --quiet",
          "30 2 * * 1    /opt/backup/run.sh >> /var/log/backup.log 2>&1"}},
        {"lsblk", true,
         {"NAME        MAJ:MIN RM   SIZE RO TYPE MOUNTPOINTS", "sda           8:0    0 931.5G  0 disk",
          "`-sda1        8:1    0 931.5G  0 part /mnt/data", "nvme0n1     259:0    0 476.9G  0 disk"}},
        {"calendar", false,
         {"Standup (daily)        09:15 - 09:30   Room 3.14 / meet.example.com/abc-defg-hij",
          "Design review          14:00 - 15:00   Organizer: priya.n@example.com"}},
        {"prices", false,
         {"Plan        Monthly    Yearly     Storage", "Basic       $4.99      $49.90     100 GB",
          "Pro         $12.50     $125.00    2 TB", "Team        $30.00     $300.00    10 TB"}},
        {"kotlin", true,
         {"fun parseRows(input: String): List<Row> =", "    input.lineSequence()",
          "        .filter { it.isNotBlank() }", "        .map { Row.from(it.split('\\t')) }",
          "        .toList()"}},
        {"dmesg", true,
         {"[    0.412318] ACPI: PCI Root Bridge [PCI0] (domain 0000 [bus 00-ff])",
          "[    2.981004] usb 1-4: new high-speed USB device number 3 using xhci_hcd",
          "[   14.207553] EXT4-fs (nvme0n1p2): mounted filesystem with ordered data mode"}},
    };
    return samples;
}

} // namespace bench
