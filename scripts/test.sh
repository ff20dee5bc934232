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
exit "${PIPESTATUS[0]}"
