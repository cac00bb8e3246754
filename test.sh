#!/usr/bin/env bash
# Builds the game with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test. Ends with "N passed, N failed".
set -uo pipefail
source "$(dirname "$0")/scripts/common.sh"
set -e

qv_need_packages cmake g++ make libsdl2-dev libpng-dev libgtest-dev libbenchmark-dev xvfb xauth \
  xdotool
dir="$QV_ROOT/build/debug"
qv_build "$dir" -DCMAKE_BUILD_TYPE=Debug -DQUORVELNN_TESTS=ON \
  -DQUORVELNN_SANITIZE=ON -DQUORVELNN_WERROR=ON

set +e
log="$dir/ctest.log"
(cd "$dir" && ctest -j "$QV_JOBS" --output-on-failure) 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
failed=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$summary")
if [ -z "$summary" ]; then total=0; failed=1; fi
echo "$((total - failed)) passed, $failed failed"
[ "$status" -eq 0 ] && [ "$failed" -eq 0 ]
