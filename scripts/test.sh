#!/usr/bin/env bash
# Runs one build's whole test suite under Wine, in a Wine prefix of its own
# under the build folder (made fresh for each run) and on a virtual display;
# ctest's output goes to BUILD/ctest.log too. A 32-bit build runs in the same
# kind of 64-bit prefix, through Wine's WoW64.
# Arguments after the build folder go to ctest (e.g. -R MainWindow).
set -euo pipefail
build=${1:-build}
shift || true
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd)
source "$root/scripts/wine-env.sh"

quav_wine_env "$build/wine-test"
rm -rf "$WINEPREFIX"
echo "== Wine prefix for the tests: $WINEPREFIX"
quav_prefix_init
quav_start_xvfb
trap 'quav_wineserver_stop; quav_stop_xvfb' EXIT
quav_wineserver_start

cd "$build"
set +e
ctest --output-on-failure --no-tests=error -j2 --timeout 300 "$@" 2>&1 | tee "$build/ctest.log"
status=${PIPESTATUS[0]}
# The fault matrix's size and outcome, summed over its scenarios' tests.
matrix_log="$build/Testing/Temporary/LastTest.log"
if [[ -f $matrix_log ]]; then
  sed -nE 's/^== Fault matrix, .*: ([0-9]+) cases, ([0-9]+) crashes, ([0-9]+) hangs, ([0-9]+) disagreements$/\1 \2 \3 \4/p' \
    "$matrix_log" | awk '{c += $1; k += $2; h += $3; d += $4; n++}
      END {if (n) printf "== Fault matrix: %d cases in %d scenarios, %d crashes, %d hangs, %d disagreements\n", c, n, k, h, d}'
fi
exit "$status"
