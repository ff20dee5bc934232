#!/usr/bin/env bash
# Sums the results run-suite.sh recorded in a folder and ends with the one
# line "Tests: N passed, M failed, K skipped". The sums count runs: a test
# that runs in two suites counts in each. Fails when a test failed or none ran.
set -euo pipefail
folder=$1
total_passed=0 total_failed=0 total_skipped=0
shopt -s nullglob
results=("$folder"/*)
if ((${#results[@]} == 0)); then echo "error: no suite recorded a result in $folder" >&2; fi
for result in "${results[@]}"; do
  read -r passed failed skipped note <"$result"
  echo "== $(basename "$result"): $passed passed, $failed failed, $skipped skipped${note:+ ($note)}"
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
  total_skipped=$((total_skipped + skipped))
done
if ((total_passed + total_failed == 0)); then echo "error: no test ran" >&2; fi
echo "== The sums below count runs, not distinct tests: the logic tests run in every suite, the layering and cppcheck checks in both Wine suites; a test program skipped whole counts as one"
echo "Tests: $total_passed passed, $total_failed failed, $total_skipped skipped"
((total_failed == 0 && total_passed > 0))
