// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A third set of technical text kept apart from every rule of the recognition, written
// before the choice of the language search was changed from what a reading lacks to what
// it shows: other kinds of text than the first two sets (compiler and build output,
// package managers, the journal, CSV, tables with units, README excerpts, chat), drawn in
// fonts and sizes none of the other sets use.
#include "technical_text.h"

namespace bench {

inline const QList<TechnicalSample> &thirdHeldOutTechnicalSamples()
{
    static const QList<TechnicalSample> samples{
        {"gcc", true,
         {"src/parser.c: In function 'read_header':",
          "src/parser.c:118:17: error: 'struct header' has no member named 'lenght'",
          "  118 |     if (hdr->lenght > MAX_HEADER)", "      |              ^~~~~~",
          "make[2]: *** [Makefile:74: build/parser.o] Error 1"}},
        {"apt", true,
         {"$ sudo apt upgrade", "Reading package lists... Done", "Building dependency tree... Done",
          "The following packages will be upgraded:", "  libssl3 openssl tzdata",
          "3 upgraded, 0 newly installed, 0 to remove and 0 not upgraded.",
          "Need to get 2,947 kB of archives."}},
        {"dnf", true,
         {"Last metadata expiration check: 0:41:12 ago on Sat 14 Nov 2026 08:20:03 CET.",
          "Package           Arch     Version          Repository   Size",
          "ripgrep           x86_64   14.1.0-2.fc41    updates      1.6 M",
          "Transaction Summary", "Install  1 Package", "Total download size: 1.6 M"}},
        {"journal", true,
         {"Nov 14 09:12:44 thinkpad systemd[1]: Started Daily apt download activities.",
          "Nov 14 09:12:51 thinkpad kernel: usb 3-2: new high-speed USB device number 7",
          "Nov 14 09:13:02 thinkpad NetworkManager[812]: <info> device (wlp2s0): state change",
          "Nov 14 09:13:05 thinkpad sshd[20931]: Accepted publickey for alex from 10.8.0.6 port 51822"}},
        {"systemctl", true,
         {"* postgresql.service - PostgreSQL RDBMS",
          "     Loaded: loaded (/lib/systemd/system/postgresql.service; enabled; preset: enabled)",
          "     Active: active (exited) since Sat 2026-11-14 08:01:37 CET; 1h 12min ago",
          "    Process: 1044 ExecStart=/bin/true (code=exited, status=0/SUCCESS)",
          "   Main PID: 1044 (code=exited, status=0/SUCCESS)"}},
        {"csv", true,
         {"date,region,units,revenue_eur", "2026-10-01,north,118,2841.50", "2026-10-01,south,94,2210.00",
          "2026-10-02,north,131,3119.75", "2026-10-02,west,57,1388.20"}},
        {"docker", true,
         {"CONTAINER ID   IMAGE            STATUS          PORTS                    NAMES",
          "4c1e7a9b2f03   redis:7.2        Up 3 hours      0.0.0.0:6379->6379/tcp   cache",
          "b81d0f6e5a27   postgres:16      Up 3 hours      5432/tcp                 db"}},
        {"pip", true,
         {"Collecting requests>=2.31", "  Downloading requests-2.32.3-py3-none-any.whl (64 kB)",
          "Requirement already satisfied: idna<4,>=2.5 in ./venv/lib/python3.11/site-packages",
          "Successfully installed certifi-2024.8.30 requests-2.32.3 urllib3-2.2.3"}},
        {"makefile", true,
         {"CFLAGS ?= -O2 -Wall -Wextra", "OBJS := $(SRCS:.c=.o)", "", "all: $(TARGET)", "",
          "$(TARGET): $(OBJS)", "    $(CC) $(LDFLAGS) -o $@ $^ $(LDLIBS)"}},
        {"units", false,
         {"Device          Read        Write       Temperature", "nvme0n1         412 MB/s    128 MB/s    41 \u00b0C",
          "sda             96 MB/s     71 MB/s     35 \u00b0C", "Memory  11.2 GiB of 15.5 GiB   CPU  23 %   Swap  0 B"}},
        {"readme", false,
         {"Building from source", "Install the dependencies, then run:", "cmake -B build -DCMAKE_BUILD_TYPE=Release",
          "cmake --build build --parallel 4", "The binary is written to build/bin/tracker; see docs/INSTALL.md for details."}},
        {"chat", false,
         {"Priya 10:42  the staging deploy failed again, log is here: https://ci.example.dev/jobs/88213",
          "Tom 10:44  looks like the migration timed out after 300 s, I'll bump it",
          "Priya 10:45  thanks! also see PR #1742 before you merge"}},
        {"about", false,
         {"Device Name        workstation-07", "Operating System   Debian GNU/Linux 12 (bookworm)",
          "Processor          AMD Ryzen 7 5800U with Radeon Graphics x 16", "Memory             16.0 GiB",
          "Disk Capacity      512.1 GB", "Kernel             Linux 6.1.0-27-amd64"}},
        {"calendar", false,
         {"Weekly sync moved to Wednesday, 18 November, 14:30-15:00 (CET)",
          "Join: https://meet.example.com/abc-defg-hij  or dial +44 20 7946 0321, PIN 482 913#"}},
        {"tracker", false,
         {"#2291  Crash on startup when ~/.config/tracker/state.json is empty   bug  high",
          "#2288  Export to CSV drops the last row                             bug  normal",
          "#2275  Support XDG_DATA_HOME                                        enhancement"}},
    };
    return samples;
}

} // namespace bench
