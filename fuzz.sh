#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/targets.h) with clang, libFuzzer and both
# sanitizers, and runs each in turn for SECONDS (default 60) on one core.
# Each target's corpus grows in build/fuzz/corpus/TARGET, seeded from the
# built missions, slots saved from them, the built pictures, the map sources
# and what tests/fuzz/TARGET keeps. A finding is written into tests/fuzz/TARGET,
# where the test suite replays it, and the run fails.
# Ends with a line per target: executions, coverage, findings.
set -uo pipefail
source "$(dirname "$0")/scripts/common.sh"
set -e

seconds="${1:-60}"
qv_need_packages cmake make clang libclang-rt-dev libsdl2-dev libpng-dev
dir="$QV_ROOT/build/fuzz"
qv_build "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVELNN_FUZZ=ON -DQUORVELNN_TESTS=OFF
game="$dir/game"
seeds="$dir/seeds"
rm -rf "$seeds"
mkdir -p "$seeds/slots" "$dir/logs"
"$dir/fuzz/quorvelnn-fuzz" slots "$seeds/slots" "$game"/missions/*.bin

# The seeds of target $1 into directory $2, and the target's own options.
# A new target adds its case here.
seed() {
  local slot
  case "$1" in
    world_file) cp "$game"/missions/*.bin "$seeds"/slots/*.bin "$2" ;;
    bitmap)
      find "$game/graphics" -name '*.bmp' -size -64k -exec cp -t "$2" {} +
      options+=(-max_len=65536) ;;  # the large pictures only slow the mutations
    script) cp "$QV_ROOT"/fuzz/seeds/*.script "$2" ;;
    briefing) cp "$game/common_bin/scenario.sc" "$2" ;;
    map_source)
      cp "$QV_ROOT"/maps/*.map "$2"
      for slot in "$seeds"/slots/*.bin; do
        "$game/bin/quorvelnn-map" decompile "$slot" >"$2/$(basename "$slot" .bin).map" || true
      done ;;
  esac
}

findings=0
total=0
summary=()
for program in "$dir"/fuzz/fuzz_*; do
  target="${program##*/fuzz_}"
  corpus="$dir/corpus/$target"
  kept="$QV_ROOT/tests/fuzz/$target"
  mkdir -p "$corpus" "$seeds/$target" "$kept"
  options=()
  seed "$target" "$seeds/$target"
  log="$dir/logs/$target.log"
  echo "Fuzzing $target for $seconds s (log: $log)"
  set +e
  UBSAN_OPTIONS=print_stacktrace=1 "$program" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$kept/" "${options[@]}" \
    "$corpus" "$seeds/$target" "$kept" >"$log" 2>&1
  status=$?
  set -e
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  coverage=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -1 | sed -E 's/.*cov: ([0-9]+) ft: ([0-9]+).*/\1 edges, \2 features/')
  found=$(sed -nE 's/.*Test unit written to (.*)/\1/p' "$log")
  total=$((total + ${runs:-0}))
  if [ "$status" -ne 0 ] || [ -n "$found" ]; then
    findings=$((findings + 1))
    summary+=("$target: ${runs:-0} executions, $coverage, FINDING ${found:-(exit status $status)}")
  else
    summary+=("$target: ${runs:-0} executions, $coverage, no finding")
  fi
done
printf '%s\n' "${summary[@]}"
echo "all targets: $total executions, $findings with a finding"
[ "$findings" -eq 0 ]
