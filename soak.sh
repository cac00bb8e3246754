#!/usr/bin/env bash
# Plays the game for a long time with random input, under AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer:
#   ./soak.sh [FRAMES] [SEED]
# FRAMES at 50 ms each (72000 by default: an hour of game time), the random
# player's SEED (1 by default; the same seed plays the same game). Passes when
# the game ends with exit code 0 and no sanitizer report; prints the screens
# the random player reached.
set -uo pipefail
source "$(dirname "$0")/scripts/common.sh"
set -e

frames="${1:-72000}"
seed="${2:-1}"
if ! [[ "$frames" =~ ^[0-9]+$ && "$frames" -ge 10 && "$seed" =~ ^[0-9]+$ ]]; then
  echo "usage: ./soak.sh [FRAMES (from 10)] [SEED]" >&2
  exit 2
fi
frame_ms=50
screens=("main menu" briefing game "game with a panel" "save screen" "load screen" "name box"
  "quit box" "information box" "victory box")

qv_need_packages cmake g++ make libsdl2-dev libpng-dev libgtest-dev libbenchmark-dev
dir="$QV_ROOT/build/debug"
cmake -S "$QV_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DQUORVELNN_TESTS=ON \
  -DQUORVELNN_SANITIZE=ON -DQUORVELNN_WERROR=ON >/dev/null
cmake --build "$dir" -j "$QV_JOBS" --target quorvelnn quorvelnn-random-player game_graphics \
  game_missions game_scenario

# A runtime tree of its own, as a player's: no saved games at the start.
game="$dir/game"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin/output" "$work/common_bin"
cp "$game/bin/quorvelnn" "$work/bin/"
cp "$game/common_bin/scenario.sc" "$work/common_bin/"
ln -s "$game/graphics" "$work/graphics"
ln -s "$game/missions" "$work/missions"
"$game/bin/quorvelnn-random-player" "$frames" "$seed" >"$work/script.txt"

echo "Soak: $frames frames ($((frames * frame_ms / 60000)) min of game time), seed $seed"
set +e
start=$(date +%s)
(cd "$work/bin" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ./quorvelnn --headless --frame-ms "$frame_ms" --script ../script.txt \
  --max-frames $((frames + 100)) --screens ../screens.txt >../run.log 2>&1)
code=$?
echo "Ran for $(($(date +%s) - start)) s; exit code $code"
reached=0
for screen in "${screens[@]}"; do
  if grep -q "^$screen: " "$work/screens.txt" 2>/dev/null; then
    reached=$((reached + 1))
  else
    echo "not reached: $screen"
  fi
done
echo "Screens reached: $reached of ${#screens[@]}"
sed 's/^/  /' "$work/screens.txt" 2>/dev/null
echo "Saved games: $(ls "$work/common_bin" | grep -c '^slot')"
if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/run.log" || [ "$code" -ne 0 ]; then
  echo "FAILED; the end of the game's output:"
  tail -60 "$work/run.log"
  exit 1
fi
echo "Passed: no sanitizer report, no leak, exit code 0"
