#!/usr/bin/env bash
# Runs a Windows test program under Wine in the test prefix. ctest calls this
# as the cross-compiling emulator: wine-run.sh BUILD_DIR program args...
set -eu
build=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
if [[ -z ${WINEPREFIX:-} ]]; then
  quav_wine_env "$build/wine-test"
fi
if [[ ! -f $WINEPREFIX/.quav-prefix ]]; then
  echo "error: no test prefix at $WINEPREFIX; run 'make test'" >&2
  exit 1
fi
exec wine "$@"
