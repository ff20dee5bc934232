#!/usr/bin/env bash
# Runs one test suite and records its counts for test-summary.sh.
# run-suite.sh RESULT_FILE CTEST_LOG COMMAND...
# The counts come from the last ctest summary in CTEST_LOG (made fresh by
# COMMAND). A suite that gives no summary or ran no test, or that fails
# although its log has no failed test (something besides the tests failed),
# counts one failure more. Always exits 0: the summary decides.
set -uo pipefail
result=$1
log=$2
shift 2
rm -f "$log"
"$@"
status=$?

line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" 2>/dev/null | tail -n 1)
if [[ $line =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
  failed=${BASH_REMATCH[1]}
  passed=$((BASH_REMATCH[2] - failed))
  note=""
else
  passed=0 failed=0 note="no test summary in $log"
fi
if [[ -n $note ]] || ((passed + failed == 0)); then
  failed=$((failed + 1))
  note=${note:-"ran no test"}
elif ((status != 0 && failed == 0)); then
  failed=1
  note="exited with status $status"
fi
mkdir -p "$(dirname "$result")"
echo "$passed $failed $note" >"$result"
exit 0
