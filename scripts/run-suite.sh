#!/usr/bin/env bash
# Runs one test suite and records its counts for test-summary.sh.
# run-suite.sh RESULT_FILE CTEST_LOG COMMAND...
# The counts come from the last ctest summary in CTEST_LOG (made fresh by
# COMMAND): ctest counts a skipped test among the passed ones and lists it
# under "did not run"; here it is counted as skipped, and so is each
# "== Skipped: N ..." line the suite printed for tests it could not start. A
# suite that gives no summary or ran no test (skips are not runs), or that fails although its log
# has no failed test (something besides the tests failed), counts one
# failure more. Each "wine-run: RETRY:" line in ctest's whole log of the
# run (Testing/Temporary/LastTest.log beside CTEST_LOG) is a test program
# started once more; each "== Not run: REASON" line the suite printed is a
# part of it that could not run here, which the closing line names.
# The result file: "passed failed skipped restarted", then a line of notes,
# then a line of what did not run. Always exits 0: the summary decides.
set -uo pipefail
result=$1
log=$2
shift 2
whole_log=$(dirname "$log")/Testing/Temporary/LastTest.log
rm -f "$log" "$whole_log"
"$@"
status=$?

summary='^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+'
line=$(grep -E "$summary" "$log" 2>/dev/null | tail -n 1)
skipped=0 notes=()
if [[ $line =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
  failed=${BASH_REMATCH[1]}
  total=${BASH_REMATCH[2]}
  # After the last summary: "<tab>  12 - Name (Skipped)", or (Disabled),
  # which ctest leaves out of the total.
  tail_part=$(awk -v re="$summary" '$0 ~ re {buf = ""} {buf = buf $0 "\n"} END {printf "%s", buf}' "$log")
  skips=$(grep -cE '^[[:space:]]+[0-9]+ - .* \(Skipped\)$' <<<"$tail_part")
  disabled=$(grep -cE '^[[:space:]]+[0-9]+ - .* \(Disabled\)$' <<<"$tail_part")
  passed=$((total - failed - skips))
  skipped=$((skips + disabled))
else
  passed=0 failed=0
  said=$(grep -m 1 '^error: ' "$log" 2>/dev/null)
  notes+=("no test summary in $log${said:+: ${said#error: }}")
fi
while read -r n reason; do
  skipped=$((skipped + n))
  notes+=("skipped $n: $reason")
done < <(sed -nE 's/^== Skipped: ([0-9]+) (.*)$/\1 \2/p' "$log" 2>/dev/null)
restarted=$(grep -c 'wine-run: RETRY:' "$whole_log" 2>/dev/null)
not_run=$(sed -nE 's/^== Not run: (.*)$/\1/p' "$log" 2>/dev/null | paste -sd ';' -)
if [[ -z $line ]]; then
  failed=$((failed + 1))
elif ((passed + failed == 0)); then
  failed=1
  notes+=("ran no test")
elif ((status != 0 && failed == 0)); then
  failed=1
  notes+=("exited with status $status")
fi
mkdir -p "$(dirname "$result")"
note=$(IFS=';'; echo "${notes[*]}")
printf '%s %s %s %s\n%s\n%s\n' "$passed" "$failed" "$skipped" "${restarted:-0}" "${note//;/; }" "${not_run//;/; }" >"$result"
exit 0
