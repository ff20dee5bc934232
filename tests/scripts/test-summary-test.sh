#!/usr/bin/env bash
# The closing line of a test run: the sums of every suite, the test programs
# Wine had to start twice, and what could not run on this machine.
# test-summary-test.sh SCRIPTS_FOLDER
set -euo pipefail
scripts=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A suite's run as run-suite.sh sees it: ctest's summary in its log, ctest's
# whole log beside it, and the lines the suite printed itself.
suite() {
  local name=$1 summary=$2 whole=$3 printed=$4
  mkdir -p "$work/$name/Testing/Temporary"
  bash "$scripts/run-suite.sh" "$work/results/$name" "$work/$name/ctest.log" bash -c \
    "printf '%b' '$summary\n$printed' >'$work/$name/ctest.log'; printf '%b' '$whole' >'$work/$name/Testing/Temporary/LastTest.log'"
}
suite win64 '100% tests passed, 0 tests failed out of 5' \
  'wine-run: RETRY: e2e_tests.exe never started (status 1); starting it once more\n' ''
suite win32 '100% tests passed, 0 tests failed out of 3' '' \
  '== Skipped: 9 test programs under Wine, not started (a b): no x86\n== Not run: 9 test programs under Wine (no x86)'

closing=$(bash "$scripts/test-summary.sh" "$work/results" | tail -n 1)
expected='Tests: 8 passed, 0 failed, 9 skipped, 1 restarted; not run: win32: 9 test programs under Wine (no x86)'
if [[ $closing != "$expected" ]]; then
  echo "closing line:  $closing"
  echo "expected:      $expected"
  exit 1
fi
