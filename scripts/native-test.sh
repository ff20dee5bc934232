#!/usr/bin/env bash
# Builds the logic that needs no Windows API natively with clang, runs its
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, and runs each
# fuzz target for a while (QUAV_FUZZ_SECONDS, 20 by default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-native}
seconds=${QUAV_FUZZ_SECONDS:-20}

mkdir -p "$build"
build=$(cd "$build" && pwd)
echo "== Native build with AddressSanitizer and UndefinedBehaviorSanitizer: $build"
if ! { cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
         -DCMAKE_CXX_COMPILER=clang++ -DQUAV_SANITIZE=ON -DQUAV_FUZZ=ON &&
       cmake --build "$build" -j 2; } >"$build/build.log" 2>&1; then
  tail -n 60 "$build/build.log" >&2
  echo "error: the native build failed (whole log: $build/build.log)" >&2
  exit 1
fi

cd "$build"
set +e
ctest --output-on-failure --no-tests=error -j2 2>&1 | tee "$build/ctest.log"
status=${PIPESTATUS[0]}
set -e

fuzz_failed=0
mkdir -p "$build/corpus" "$build/crashes"
for target in "$build"/tests/fuzz/*_fuzz; do
  name=$(basename "$target")
  mkdir -p "$build/corpus/$name"
  seeds=()
  if [[ -d $root/tests/fuzz/regressions/$name ]]; then seeds+=("$root/tests/fuzz/regressions/$name"); fi
  if "$target" -max_total_time="$seconds" -artifact_prefix="$build/crashes/$name-" -print_final_stats=1 \
      "$build/corpus/$name" "${seeds[@]}" >"$build/$name.log" 2>&1; then
    runs=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+)/\1/p' "$build/$name.log")
    echo "== Fuzzed $name: ${runs:-?} executions in ${seconds} s, no failure"
  else
    fuzz_failed=$((fuzz_failed + 1))
    echo "== Fuzzing $name FAILED; the input is in $build/crashes (keep it in tests/fuzz/regressions/$name)" >&2
    tail -n 30 "$build/$name.log" >&2
  fi
done
if ((fuzz_failed > 0)); then exit 1; fi
exit "$status"
