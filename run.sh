#!/usr/bin/env bash
# Installs what is missing, builds, lays out the demo edition and starts the trainer on it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/setup.sh" "$here/build"
exe="$here/build/demo/program/vokarin"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  echo "No display: starting the trainer under xvfb-run."
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$exe" "$@"
fi
exec "$exe" "$@"
