#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: installs the Debian packages that are
# missing, then configures and builds into the folder given (default build/).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev libgl-dev
  libsdl2-dev libsndfile1-dev
  zlib1g-dev libjpeg62-turbo-dev
  libpng-dev libgif-dev
  libgtest-dev
  espeak-ng
  fonts-liberation2 fontconfig libfontconfig-dev
  xvfb xauth
  locales
  poppler-utils cups-client
)

"$here/scripts/install_packages.sh" "${packages[@]}"

# A locale with a decimal comma, so the tests can show that stored numbers
# never follow the user's locale.
if ! locale -a 2>/dev/null | grep -qi '^pl_PL\.utf-\?8$'; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" localedef -i pl_PL -f UTF-8 pl_PL.UTF-8 || echo "pl_PL.UTF-8 could not be made; the locale test will be skipped."
fi

build_dir=${1:-$here/build}
shift || true
cmake -S "$here" -B "$build_dir" -G Ninja "$@"
cmake --build "$build_dir" -j "${VOKARIN_JOBS:-$(nproc)}"
