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

# A 32-bit build's programs need Wine's 32-bit half, which needs a machine
# that runs 32-bit x86 programs. Without them only the checks that need no
# Wine run, and the rest is reported as skipped, with the reason;
# QUAV_REQUIRE_WIN32=1 makes that a failure.
no_wine32=""
if grep -qs 'CMAKE_SYSTEM_PROCESSOR "i686"' "$build"/CMakeFiles/*/CMakeSystem.cmake; then
  if ! no_wine32=$(bash "$root/scripts/can-run-x86.sh"); then :
  elif [[ ! -x /usr/lib/wine/wine ]]; then no_wine32="Wine's 32-bit half (wine32:i386) is not installed"
  fi
fi
if [[ -n $no_wine32 ]]; then
  cd "$build"
  if [[ ${QUAV_REQUIRE_WIN32:-0} == 1 ]]; then
    echo "error: the 32-bit build's tests cannot run: $no_wine32 (QUAV_REQUIRE_WIN32=1)" | tee "$build/ctest.log" >&2
    exit 1
  fi
  programs=()
  for include in tests/*'[1]_include.cmake'; do
    name=${include#tests/}; name=${name%'[1]_include.cmake'}
    programs+=("$name")
  done
  echo "== SKIPPING the Wine tests of this 32-bit build: $no_wine32. Running only the checks that need no Wine."
  # Test discovery runs each test program through wine-run.sh, which lists
  # no test while QUAV_NO_WINE is set; the empty lists are not kept.
  set +e
  QUAV_NO_WINE=$no_wine32 ctest --output-on-failure --no-tests=error -j2 --timeout 300 \
    -R '^(imports|layers|cppcheck|scripts)\.' "$@" 2>&1 | tee "$build/ctest.log"
  status=${PIPESTATUS[0]}
  rm -f tests/*'[1]_tests.cmake'
  echo "== Skipped: ${#programs[@]} test programs under Wine, not started (${programs[*]}): $no_wine32 (QUAV_REQUIRE_WIN32=1 makes this a failure)" |
    tee -a "$build/ctest.log"
  echo "== Not run: ${#programs[@]} test programs under Wine ($no_wine32)" | tee -a "$build/ctest.log"
  exit "$status"
fi

quav_wine_env "$build/wine-test"
rm -rf "$WINEPREFIX"
echo "== Wine prefix for the tests: $WINEPREFIX"
quav_prefix_init
quav_start_xvfb
trap 'quav_wineserver_stop; quav_stop_xvfb' EXIT
quav_wineserver_start
quav_start_task_scheduler

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
