#!/bin/sh
# Lists the functions of the programs and libraries longer than a number of
# lines (default 100), longest first, with their length and place.
# Usage: scripts/long_functions.sh [LINES]
set -eu
limit=${1:-100}
cd "$(dirname "$0")/.."
dirs=""
for d in platform core shared trainer trainer_logic dictionary htmlview; do
  [ -d "$d" ] && dirs="$dirs $d"
done
# shellcheck disable=SC2086
ctags -R --languages=C++ --kinds-C++=f --fields=+ne -o - $dirs |
  awk -F'\t' -v limit="$limit" '
    {
      line = 0; end = 0; scope = ""
      for (i = 4; i <= NF; i++) {
        if ($i ~ /^line:/) line = substr($i, 6)
        else if ($i ~ /^end:/) end = substr($i, 5)
        else if ($i ~ /^(class|struct|namespace):/) { scope = $i; sub(/^[a-z]+:/, "", scope) }
      }
      n = end - line + 1
      if (end && n > limit) printf "%5d  %s%s  %s:%d\n", n, (scope != "" ? scope "::" : ""), $1, $2, line
    }' | sort -rn
