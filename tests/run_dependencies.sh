#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that `scripts/install-deps run` names the package of every library the built
# program links, so that the run list alone makes an installed program start.
# Usage: run_dependencies.sh <program> <install-deps>
set -euo pipefail
program=$1
install_deps=$2

listed=$("$install_deps" --list run)
# Each library the program names, where the dynamic linker finds it.
mapfile -t needed < <(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
[ ${#needed[@]} -gt 0 ] || { echo "no libraries found in $program"; exit 1; }
declare -A path_of
while read -r name _ path _; do
  path_of[$name]=$path
done < <(ldd "$program" | awk '$2 == "=>" {print $1, $2, $3}
                              $1 ~ /^\// {n = split($1, part, "/"); print part[n], "=>", $1}')

missing=()
for library in "${needed[@]}"; do
  path=${path_of[$library]:-}
  [ -n "$path" ] || { echo "$library: not found by the dynamic linker"; exit 1; }
  # Debian 12 merges /lib into /usr/lib: dpkg knows a file under the name its package uses.
  package=""
  for candidate in "$path" "$(readlink -f "$path")" "${path#/usr}" "/usr$path"; do
    package=$(dpkg -S "$candidate" 2>/dev/null | head -n1 | cut -d: -f1) && [ -n "$package" ] && break
  done
  [ -n "$package" ] || { echo "$library ($path): no package owns it"; exit 1; }
  grep -qx "$package" <<<"$listed" || missing+=("$package ($library)")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "scripts/install-deps run lacks the packages of libraries the program links:"
  printf '  %s\n' "${missing[@]}"
  exit 1
fi
echo "${#needed[@]} libraries, every package in the run list"
