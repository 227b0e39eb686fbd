#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Program text in code mode, on two halves: the code corpus the readings were tuned on
# (render_screen_text's programs and bench/code_tuned) and a held-out half no rule was
# tuned on (bench/code_heldout and seven slices written later, bench/code_heldout_b, _c,
# _d, _e, _f, _g and _h: terminal output, logs, config, tables and source files in further
# languages, rendered apart in DejaVu Sans Mono, Liberation Mono and Noto Sans Mono; slice
# d in Noto Mono too, at 12 to 17 px, in Solarized's low-contrast colours; slice e in
# JetBrains Mono, Hack and Noto Sans Mono, at 12 to 18 px, in Gruvbox's colours; slice f -
# compiler errors, unit status, block ids, certificates, firewall counters, query tables -
# in Noto Mono, DejaVu Sans Mono and Liberation Mono at 11, 13, 17 and 19 px and in xterm
# at 9, 10.5 and 11 pt, in Nord's colours; slice g - a long listing, logged-in users,
# device ids, a build's percentages, package versions, environment, a lockfile's hashes,
# packet lines with MAC addresses and ports, inode counts, Perl - in Hack, Noto Sans Mono
# and Liberation Mono at 12, 14, 16 and 18 px and in xterm at 9.5, 10 and 12 pt, in
# Dracula's dark and One Light's light colours; slice h - mount options, a file's stat with
# nanosecond times, clock status, memory counters, boot times, display modes with refresh
# rates, key fingerprints, account lines, access-log fields, OCaml - in DejaVu Sans Mono,
# Hack and Noto Mono at 11, 13, 15 and 17 px and in xterm at 9, 11 and 13 pt, in
# Catppuccin's Latte and Mocha colours). Each half is read as rendered images and in real
# xterm windows under a private Xvfb (11 to 16 px, light and dark, unless a slice says
# otherwise); prints the character error rate counting every space, and how many of the
# true text's numbers (every token holding a digit: addresses, versions, times, hashes)
# came back changed.
#
# Usage: bench/terminal_code.sh [BUILD_DIR] [WORK_DIR]   (about 10 minutes on a quiet machine)
set -euo pipefail
inside=no
if [ "${1:-}" = --inside-xvfb ]; then inside=yes; shift; fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
work=${2:-$(mktemp -d)}
bin=$build/bench
export QT_QPA_PLATFORM=offscreen

# Shows each true text of folder $1 in an xterm in the fonts that follow, one after another
# ($sizes sizes from $first_px up in turn, or the point sizes $points names, light and
# dark, in $palette's colours), and grabs the window's text area into $2.
first_px=11 sizes=6 points='' palette=plain
show_in_terminals() {
  local from=$1 to=$2
  shift 2
  local fonts=("$@") n=0
  mkdir -p "$to"
  for truth in "$from"/*.gt.txt; do
    local size=$((first_px + n % sizes)) font=${fonts[$((n % ${#fonts[@]}))]}
    # xterm takes points; the screen has 96 pixels per inch.
    local pt unit=px
    pt=$(awk "BEGIN {print $size * 0.75}")
    if [ -n "$points" ]; then
      # Stepping one further every round of fonts keeps each font from always drawing at
      # the same size when there are as many sizes as fonts.
      local listed=($points)
      pt=${listed[$(((n + n / ${#fonts[@]}) % ${#listed[@]}))]} size=$pt unit=pt
    fi
    for theme in light dark; do
        case $palette-$theme in
          plain-light) colours=(-bg white -fg black) ;;
          plain-dark) colours=(-bg '#1e1e1e' -fg '#d4d4d4') ;;
          solarized-light) colours=(-bg '#fdf6e3' -fg '#657b83') ;;
          solarized-dark) colours=(-bg '#002b36' -fg '#839496') ;;
          gruvbox-light) colours=(-bg '#fbf1c7' -fg '#3c3836') ;;
          gruvbox-dark) colours=(-bg '#282828' -fg '#ebdbb2') ;;
          nord-light) colours=(-bg '#eceff4' -fg '#2e3440') ;;
          nord-dark) colours=(-bg '#2e3440' -fg '#d8dee9') ;;
          dracula-light) colours=(-bg '#fafafa' -fg '#383a42') ;;
          dracula-dark) colours=(-bg '#282a36' -fg '#f8f8f2') ;;
          catppuccin-light) colours=(-bg '#eff1f5' -fg '#4c4f69') ;;
          catppuccin-dark) colours=(-bg '#1e1e2e' -fg '#cdd6f4') ;;
        esac
        name=$(printf '%s-%s-%s%s' "$(basename "$truth" .gt.txt)" $theme $size $unit)
        xterm -fa "$font" -fs "$pt" -geometry 74x12+0+0 -b 8 "${colours[@]}" \
          -title "$name" -e sh -c "printf '\\033[?25l'; cat '$truth'; sleep 30" &
        pid=$!
        window=$(xdotool search --sync --onlyvisible --name "$name" | head -1)
        sleep 0.5  # xterm paints after mapping; no event tells when the text is drawn
        eval "$(xdotool getwindowgeometry --shell "$window")"
        QT_QPA_PLATFORM=xcb "$bin/grab_screen" 0 0 "$WIDTH" "$HEIGHT" "$to/$name.png"
        cp "$truth" "$to/$name.gt.txt"
        kill $pid 2>/dev/null || true
        wait $pid 2>/dev/null || true
    done
    n=$((n + 1))
  done
}
if [ $inside = yes ]; then
  show_in_terminals "$work/synthetic/code" "$work/terminal" 'DejaVu Sans Mono'
  show_in_terminals "$work/tuned-truth" "$work/tuned-terminal" 'DejaVu Sans Mono' 'Liberation Mono'
  show_in_terminals "$work/heldout-truth" "$work/heldout-terminal" 'DejaVu Sans Mono' 'Liberation Mono'
  show_in_terminals "$work/heldout-b-truth" "$work/heldout-b-terminal" 'DejaVu Sans Mono' 'Liberation Mono'
  show_in_terminals "$work/heldout-c-truth" "$work/heldout-c-terminal" 'DejaVu Sans Mono' 'Liberation Mono'
  first_px=12 palette=solarized
  show_in_terminals "$work/heldout-d-truth" "$work/heldout-d-terminal" 'Noto Mono' 'DejaVu Sans Mono' 'Liberation Mono'
  first_px=12 sizes=7 palette=gruvbox
  show_in_terminals "$work/heldout-e-truth" "$work/heldout-e-terminal" 'JetBrains Mono' 'Hack' 'Noto Sans Mono'
  points='9 10.5 11' palette=nord
  show_in_terminals "$work/heldout-f-truth" "$work/heldout-f-terminal" 'Noto Mono' 'Liberation Mono' 'DejaVu Sans Mono'
  points='9.5 10 12' palette=dracula
  show_in_terminals "$work/heldout-g-truth" "$work/heldout-g-terminal" 'Hack' 'Noto Sans Mono' 'Liberation Mono'
  points='9 11 13' palette=catppuccin
  show_in_terminals "$work/heldout-h-truth" "$work/heldout-h-terminal" 'DejaVu Sans Mono' 'Hack' 'Noto Mono'
  exit 0
fi

# The tokens of the text files `*.$2` of folder $1 that hold a digit, one a line, sorted.
numbers() {
  awk 1 "$1"/*."$2" 2>/dev/null | grep -oE '[[:alnum:]_.:,/+-]*[0-9][[:alnum:]_.:,/+-]*' | sort || true
}

# Reads folder $1 in code mode into $2 and prints its scores.
read_and_score() {
  "$bin/recognize" --mode code "$1" "$2" 2>/dev/null | grep median
  "$bin/score_text" --exact "$1" "$2" | tail -1
  local truth shown
  truth=$(numbers "$1" gt.txt | wc -l)
  shown=$(comm -23 <(numbers "$1" gt.txt) <(numbers "$2" txt) | wc -l)
  echo "numbers changed or lost: $shown of $truth"
}

rm -rf "$work"/synthetic* "$work"/terminal* "$work"/heldout* "$work"/tuned*
"$bin/render_screen_text" "$work/synthetic" 1 >/dev/null
mkdir -p "$work/terminal"
for slice in tuned heldout heldout-b heldout-c heldout-d heldout-e heldout-f heldout-g heldout-h; do
  from=$root/bench/code_${slice/-/_}
  case $slice in
    heldout-d) "$bin/render_code_text" "$from" "$work/$slice" 12 'Noto Mono,DejaVu Sans Mono,Liberation Mono' solarized >/dev/null ;;
    heldout-e) "$bin/render_code_text" "$from" "$work/$slice" 12-18 'JetBrains Mono,Hack,Noto Sans Mono' gruvbox >/dev/null ;;
    heldout-f) "$bin/render_code_text" "$from" "$work/$slice" 11,13,17,19 'Noto Mono,DejaVu Sans Mono,Liberation Mono' nord >/dev/null ;;
    heldout-g) "$bin/render_code_text" "$from" "$work/$slice" 12,14,16,18 'Hack,Noto Sans Mono,Liberation Mono' dracula >/dev/null ;;
    heldout-h) "$bin/render_code_text" "$from" "$work/$slice" 11,13,15,17 'DejaVu Sans Mono,Hack,Noto Mono' catppuccin >/dev/null ;;
    *) "$bin/render_code_text" "$from" "$work/$slice" >/dev/null ;;
  esac
  # The texts as they are, for the terminals.
  mkdir -p "$work/$slice-truth"
  for f in "$from"/*; do cp "$f" "$work/$slice-truth/$(basename "$f").gt.txt"; done
done
xvfb-run -a -s "-screen 0 1600x900x24 -nolisten tcp" "$0" --inside-xvfb "$build" "$work"

echo "== tuned half: code mode on rendered program text (white space counts)"
read_and_score "$work/synthetic/code" "$work/synthetic-out"
echo "== tuned half: code mode in xterm windows (white space counts)"
read_and_score "$work/terminal" "$work/terminal-out"
echo "== tuned half, further texts: code mode on rendered program and terminal text (white space counts)"
read_and_score "$work/tuned" "$work/tuned-out"
echo "== tuned half, further texts: code mode in xterm windows (white space counts)"
read_and_score "$work/tuned-terminal" "$work/tuned-terminal-out"
echo "== held-out half: code mode on rendered program and terminal text (white space counts)"
read_and_score "$work/heldout" "$work/heldout-out"
echo "== held-out half: code mode in xterm windows (white space counts)"
read_and_score "$work/heldout-terminal" "$work/heldout-terminal-out"
echo "== held-out slice b: code mode on rendered program and terminal text (white space counts)"
read_and_score "$work/heldout-b" "$work/heldout-b-out"
echo "== held-out slice b: code mode in xterm windows (white space counts)"
read_and_score "$work/heldout-b-terminal" "$work/heldout-b-terminal-out"
echo "== held-out slice c: code mode on rendered program and terminal text (white space counts)"
read_and_score "$work/heldout-c" "$work/heldout-c-out"
echo "== held-out slice c: code mode in xterm windows (white space counts)"
read_and_score "$work/heldout-c-terminal" "$work/heldout-c-terminal-out"
echo "== held-out slice d: code mode on rendered program and terminal text (white space counts)"
read_and_score "$work/heldout-d" "$work/heldout-d-out"
echo "== held-out slice d: code mode in xterm windows (white space counts)"
read_and_score "$work/heldout-d-terminal" "$work/heldout-d-terminal-out"
echo "== held-out slice e: code mode on rendered program and terminal text (white space counts)"
read_and_score "$work/heldout-e" "$work/heldout-e-out"
echo "== held-out slice e: code mode in xterm windows (white space counts)"
read_and_score "$work/heldout-e-terminal" "$work/heldout-e-terminal-out"
echo "== held-out slice f: code mode on rendered program and terminal text (white space counts)"
read_and_score "$work/heldout-f" "$work/heldout-f-out"
echo "== held-out slice f: code mode in xterm windows (white space counts)"
read_and_score "$work/heldout-f-terminal" "$work/heldout-f-terminal-out"
echo "== held-out slice g: code mode on rendered program and terminal text (white space counts)"
read_and_score "$work/heldout-g" "$work/heldout-g-out"
echo "== held-out slice g: code mode in xterm windows (white space counts)"
read_and_score "$work/heldout-g-terminal" "$work/heldout-g-terminal-out"
echo "== held-out slice h: code mode on rendered program and terminal text (white space counts)"
read_and_score "$work/heldout-h" "$work/heldout-h-out"
echo "== held-out slice h: code mode in xterm windows (white space counts)"
read_and_score "$work/heldout-h-terminal" "$work/heldout-h-terminal-out"
echo "results in $work"
