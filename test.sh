#!/usr/bin/env bash
# The same set-up as run.sh, then every test headless through ctest.
# Usage: ./test.sh [build-folder [extra cmake options...]]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build_dir=${1:-$here/build}
shift || true
"$here/scripts/setup.sh" "$build_dir" "$@"
export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
