#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Program text in real terminal windows: shows each program of the code corpus in xterm
# under a private Xvfb (DejaVu Sans Mono at 11 to 16 px, light and dark), grabs the
# window's text area, and reads it in code mode; prints the character error rate
# counting every space.
#
# Usage: bench/terminal_code.sh [BUILD_DIR] [WORK_DIR]
set -euo pipefail
inside=no
if [ "${1:-}" = --inside-xvfb ]; then inside=yes; shift; fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
work=${2:-$(mktemp -d)}
bin=$build/bench
export QT_QPA_PLATFORM=offscreen

run_terminals() {
  local n=0
  local sizes=(11 12 13 14 15 16)
  for truth in "$work"/synthetic/code/*.gt.txt; do
    local size=${sizes[$((n % 6))]}
    for theme in light dark; do
        if [ $theme = light ]; then colours=(-bg white -fg black); else colours=(-bg '#1e1e1e' -fg '#d4d4d4'); fi
        name=$(printf 'term-%03d-%s-%spx' $n $theme $size)
        # xterm takes points; the screen has 96 pixels per inch.
        xterm -fa 'DejaVu Sans Mono' -fs "$(awk "BEGIN {print $size * 0.75}")" -geometry 70x12+0+0 -b 8 "${colours[@]}" \
          -title "$name" -e sh -c "printf '\\033[?25l'; cat '$truth'; sleep 30" &
        pid=$!
        window=$(xdotool search --sync --name "$name" | head -1)
        sleep 0.5  # xterm paints after mapping; no event tells when the text is drawn
        eval "$(xdotool getwindowgeometry --shell "$window")"
        QT_QPA_PLATFORM=xcb "$bin/grab_screen" 0 0 "$WIDTH" "$HEIGHT" "$work/terminal/$name.png"
        cp "$truth" "$work/terminal/$name.gt.txt"
        kill $pid 2>/dev/null || true
        wait $pid 2>/dev/null || true
    done
    n=$((n + 1))
  done
}
if [ $inside = yes ]; then
  run_terminals
  exit 0
fi

rm -rf "$work/synthetic" "$work/synthetic-out" "$work/terminal" "$work/terminal-out"
"$bin/render_screen_text" "$work/synthetic" 1 >/dev/null
mkdir -p "$work/terminal"
xvfb-run -a -s "-screen 0 1600x900x24 -nolisten tcp" "$0" --inside-xvfb "$build" "$work"

echo "== Quorvane, code mode on synthetic program text (white space counts)"
"$bin/recognize" --mode code "$work/synthetic/code" "$work/synthetic-out" 2>/dev/null | grep median
"$bin/score_text" --exact "$work/synthetic/code" "$work/synthetic-out" | tail -1
echo "== Quorvane, code mode in xterm windows (white space counts)"
"$bin/recognize" --mode code "$work/terminal" "$work/terminal-out" 2>/dev/null | grep median
"$bin/score_text" --exact "$work/terminal" "$work/terminal-out" | tail -1
echo "results in $work"
