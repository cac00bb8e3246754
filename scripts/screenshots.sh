#!/usr/bin/env bash
# Remakes the README's screenshots (docs/*.png) from headless runs of the
# real game, driven by the scripts in scripts/shots/.
set -euo pipefail
source "$(dirname "$0")/common.sh"

qv_need_packages cmake g++ make libsdl2-dev libpng-dev
build="$QV_ROOT/build/shots"
qv_build "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVELNN_TESTS=OFF
game="$build/game"

# A runtime tree of its own: no saved game, no log of an earlier run.
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/bin/output" "$tree/common_bin" "$tree/shots"
cp "$game/bin/quorvelnn" "$tree/bin/"
cp -r "$game/graphics" "$game/missions" "$tree/"
cp "$game/common_bin/scenario.sc" "$tree/common_bin/"

# shoot SCRIPT [ARGUMENTS...]: runs the game headless on a script.
shoot() {
  local script="$1"
  shift
  (cd "$tree/bin" && ./quorvelnn --headless --script "$QV_ROOT/scripts/shots/$script" \
    --screenshot-dir "$tree/shots" --max-frames 5000 "$@" >/dev/null 2>&1)
}
shoot menu_briefing.txt
shoot battle.txt --map ../missions/mission_2.bin --frame-ms 50

for name in menu briefing battle; do
  "$game/bin/quorvelnn-png" "$tree/shots/$name.bmp" "$QV_ROOT/docs/$name.png"
  echo "docs/$name.png"
done
