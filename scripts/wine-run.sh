#!/usr/bin/env bash
# Runs a Windows test program under Wine in the test prefix. ctest calls this
# as the cross-compiling emulator: wine-run.sh BUILD_DIR program args...
set -eu
build=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
# test.sh sets QUAV_NO_WINE (the reason) where this build's programs cannot
# run: test discovery then lists no test, and nothing is started.
if [[ -n ${QUAV_NO_WINE:-} ]]; then
  if [[ " $* " == *" --gtest_list_tests "* ]]; then exit 0; fi
  echo "wine-run: not started: $QUAV_NO_WINE" >&2
  exit 1
fi
if [[ -z ${WINEPREFIX:-} ]]; then
  quav_wine_env "$build/wine-test"
fi
if [[ ! -f $WINEPREFIX/.quav-prefix ]]; then
  echo "error: no test prefix at $WINEPREFIX; run 'make test'" >&2
  exit 1
fi
# Now and then Wine fails to start a program at all ("ShellExecuteEx failed")
# while another is starting; that is worth one more try. A program that
# started is never run again, whatever its end: every test program here is
# GoogleTest's, whose first line ("Running main() from ...") is flushed before
# any test runs, so its absence from the output proves the program never ran.
status=0
for attempt in 1 2; do
  output=$(mktemp)
  errors=$(mktemp)
  set +e
  wine "$@" 2> >(tee "$errors" >&2) | tee "$output"
  status=${PIPESTATUS[0]}
  set -e
  wait
  if ((status == 0 || attempt == 2)) || grep -qaE '^(Running main\(\) from|\[==========\] Running)' "$output"; then
    rm -f "$output" "$errors"
    exit "$status"
  fi
  said=$(grep -aE -m 1 'ShellExecuteEx|could not load|failed to open' "$errors" || true)
  rm -f "$output" "$errors"
  echo "wine-run: RETRY: $1 never started (status $status, no line from its test runner${said:+; Wine said: $said}); starting it once more" >&2
  sleep 1
done
exit "$status"
