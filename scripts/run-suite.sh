#!/usr/bin/env bash
# Runs one test suite and records its counts for test-summary.sh.
# run-suite.sh RESULT_FILE CTEST_LOG COMMAND...
# The counts come from the last ctest summary in CTEST_LOG (made fresh by
# COMMAND): ctest counts a skipped test among the passed ones and lists it
# under "did not run"; here it is counted as skipped, and so is each
# "== Skipped: N ..." line the suite printed for tests it could not start. A
# suite that gives no summary or ran no test (skips are not runs), or that fails although its log
# has no failed test (something besides the tests failed), counts one
# failure more. Always exits 0: the summary decides.
set -uo pipefail
result=$1
log=$2
shift 2
rm -f "$log"
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
echo "$passed $failed $skipped ${note//;/; }" >"$result"
exit 0
