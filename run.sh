#!/usr/bin/env bash
# Installs what is missing, builds, lays out the demo editions and starts the trainer
# on one of them: ./run.sh (English), ./run.sh de (German), ./run.sh fr (French).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
case "${1:-}" in
  "" | en) program="$here/build/demo/program" ;;
  de | fr) program="$here/build/demo-$1/program" ;;
  *) echo "usage: $0 [de|fr]" >&2; exit 2 ;;
esac
"$here/scripts/setup.sh" "$here/build"
exe="$program/vokarin"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  echo "No display: starting the trainer under xvfb-run."
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$exe"
fi
exec "$exe"
