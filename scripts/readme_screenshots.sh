#!/bin/sh
# Copies the README's screenshots from the grabs the tests write (run ./test.sh
# first) into docs/, checking that each stays within 800x600 and 150 KB.
# Usage: scripts/readme_screenshots.sh [build-folder]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
grabs=${1:-$here/build}/test_output
mkdir -p "$here/docs"
while read -r from to; do
  src=$grabs/$from
  [ -f "$src" ] || { echo "missing grab: $src (run ./test.sh first)" >&2; exit 1; }
  # Width and height from the PNG header (big-endian at bytes 16..23).
  set -- $(od -An -tu1 -j16 -N8 "$src")
  w=$(( ($1 << 24) | ($2 << 16) | ($3 << 8) | $4 ))
  h=$(( ($5 << 24) | ($6 << 16) | ($7 << 8) | $8 ))
  size=$(wc -c < "$src")
  if [ "$w" -gt 800 ] || [ "$h" -gt 600 ] || [ "$size" -gt 153600 ]; then
    echo "$src is ${w}x${h}, $size bytes: over 800x600 or 150 KB" >&2
    exit 1
  fi
  cp "$src" "$here/docs/$to"
  echo "docs/$to  ${w}x${h}  $size bytes  (from $from)"
done <<LIST
trainer/main_window.png main_menu.png
trainer/verdict_type_02.png exercise_verdict.png
help/h_10_slow.png help_page.png
LIST
