#!/usr/bin/env bash
# Sums the results run-suite.sh recorded in a folder and ends with the one
# line "Tests: N passed, M failed, K skipped, R restarted", followed, where a
# part of a suite could not run on this machine, by "; not run: SUITE: REASON".
# The sums count runs: a test that runs in two suites counts in each. Fails
# when a test failed or none ran.
set -euo pipefail
folder=$1
total_passed=0 total_failed=0 total_skipped=0 total_restarted=0
not_run=()
shopt -s nullglob
results=("$folder"/*)
if ((${#results[@]} == 0)); then echo "error: no suite recorded a result in $folder" >&2; fi
for result in "${results[@]}"; do
  suite=$(basename "$result")
  passed=0 failed=0 skipped=0 restarted=0 note="" missing=""
  { read -r passed failed skipped restarted || true; read -r note || true; read -r missing || true; } <"$result"
  echo "== $suite: $passed passed, $failed failed, $skipped skipped, ${restarted:-0} restarted${note:+ ($note)}"
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
  total_skipped=$((total_skipped + skipped))
  total_restarted=$((total_restarted + ${restarted:-0}))
  if [[ -n $missing ]]; then not_run+=("$suite: $missing"); fi
done
if ((total_passed + total_failed == 0)); then echo "error: no test ran" >&2; fi
echo "== The sums below count runs, not distinct tests: the logic tests run in every suite, the layering and cppcheck checks in both Wine suites; a test program skipped whole counts as one; restarted: test programs Wine failed to start and that were started once more"
closing="Tests: $total_passed passed, $total_failed failed, $total_skipped skipped, $total_restarted restarted"
if ((${#not_run[@]} > 0)); then closing+="; not run: $(IFS='|'; echo "${not_run[*]}" | sed 's/|/; /g')"; fi
echo "$closing"
((total_failed == 0 && total_passed > 0))
