#!/usr/bin/env bash
# Sums the results run-suite.sh recorded in a folder and ends with the one
# line "Tests: N passed, M failed". Fails when a test failed or none ran.
set -euo pipefail
folder=$1
total_passed=0 total_failed=0
shopt -s nullglob
results=("$folder"/*)
if ((${#results[@]} == 0)); then echo "error: no suite recorded a result in $folder" >&2; fi
for result in "${results[@]}"; do
  read -r passed failed note <"$result"
  echo "== $(basename "$result"): $passed passed, $failed failed${note:+ ($note)}"
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
done
if ((total_passed + total_failed == 0)); then echo "error: no test ran" >&2; fi
echo "Tests: $total_passed passed, $total_failed failed"
((total_failed == 0 && total_passed > 0))
