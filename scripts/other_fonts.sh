#!/usr/bin/env bash
# Runs a build's tests once more with other fonts installed beside the
# project's: an older generation of the Liberation fonts under the same family
# names, DejaVu's extra faces and the URW base fonts with their aliases. The
# programs pin their fonts to the fonts-liberation2 files, so every golden
# still matches and the grabs of the first run that do not change from run to
# run come out byte for byte the same. The packages this script installed are
# removed again at its end.
# Usage: scripts/other_fonts.sh build-folder
set -euo pipefail
build_dir=$(cd "$1" && pwd)
extra=(fonts-liberation fonts-dejavu-extra fonts-urw-base35)
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

added=()
for p in "${extra[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || added+=("$p")
done
remove_added() {
  if [ ${#added[@]} -gt 0 ]; then
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q "${added[@]}" >/dev/null || true
  fi
}
trap remove_added EXIT
if [ ${#added[@]} -gt 0 ]; then
  echo "Installing beside the project's fonts: ${added[*]}"
  "${sudo_cmd[@]}" apt-get update -q >/dev/null
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${added[@]}"
fi
echo "Liberation faces installed: $(fc-list : file | grep -ci liberation || true)"

before=$(mktemp -d)
cp -a "$build_dir/test_output/." "$before/"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"

# Windows and pages whose grabs hold nothing that changes from run to run
# (no dates, timers or drawn lots) must come out as the same pictures.
stable=(help htmlview dictionary trainer/boxes trainer/walk trainer/settings.png
  trainer/generator.png trainer/word_editor.png trainer/examples.png trainer/type_chooser.png)
changed=0 compared=0
for item in "${stable[@]}"; do
  [ -e "$before/$item" ] || { echo "no grab of the first run: test_output/$item"; exit 1; }
  while IFS= read -r -d '' png; do
    rel=${png#"$before/"}
    compared=$((compared + 1))
    if ! cmp -s "$png" "$build_dir/test_output/$rel"; then
      echo "drawn otherwise with other fonts installed: test_output/$rel"
      changed=$((changed + 1))
    fi
  done < <(find "$before/$item" -name '*.png' -print0)
done
rm -rf "$before"
[ "$changed" -eq 0 ] || { echo "$changed of $compared grabs changed"; exit 1; }
echo "All $compared grabs are the same with other fonts installed."
