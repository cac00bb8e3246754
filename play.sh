#!/usr/bin/env bash
# Builds the game and starts it from a per-user runtime tree.
# Any arguments are passed to the game (for example --window).
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

qv_need_packages cmake g++ make libsdl2-dev libpng-dev
qv_build "$QV_ROOT/build" -DCMAKE_BUILD_TYPE=Release -DQUORVELNN_TESTS=OFF

# The per-user tree: bin/ is the working directory, generated data is
# refreshed at each launch, saved games in common_bin/ are kept.
game="$QV_ROOT/build/game"
home="${XDG_DATA_HOME:-$HOME/.local/share}/quorvelnn"
mkdir -p "$home/bin/output" "$home/graphics" "$home/missions" "$home/common_bin"
cp -f "$game/bin/quorvelnn" "$home/bin/"
cp -rf "$game/graphics/." "$home/graphics/"
cp -rf "$game/missions/." "$home/missions/"
find "$game/common_bin" -maxdepth 1 -type f ! -name 'slot*.bin' -exec cp -f {} "$home/common_bin/" \;

cd "$home/bin"
exec ./quorvelnn "$@"
