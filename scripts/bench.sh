#!/usr/bin/env bash
# Times quav.exe under Wine, in a Wine prefix of its own under the build folder
# (build/wine-bench), on a virtual display of its own and with a warm
# wineserver: the start-up against two floors, the adapter scan at 16 to 1,024
# adapters against plain registry reads, the main window's refresh, and the
# resources. Prints the table and writes it to build/bench.csv.
# QUAV_BENCH_BEFORE=path/to/quav.exe times another build (from before a
# change) in turns with this one; when that build's bench/bench_scan.exe is
# there too (beside its src/), its scan rows follow ours, marked "before:".
# The x86 quav.exe's size comes from QUAV_BENCH_X86 (path to the exe), else
# build-win32/src/quav.exe beside the build folder, when built. QUAV_BENCH_NO_RPCSS=1 times all of it in a
# prefix of its own (build/wine-bench-norpcss) whose RPC service never starts,
# with 3 start-up rounds instead of 15.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd)
source "$root/scripts/wine-env.sh"

for file in src/quav.exe bench/bench_driver.exe bench/bench_floor.exe bench/bench_empty.exe bench/bench_scan.exe; do
  if [[ ! -f $build/$file ]]; then
    echo "error: $build/$file not found; build first" >&2
    exit 1
  fi
done

prefix=$build/wine-bench
[[ -n ${QUAV_BENCH_NO_RPCSS:-} ]] && prefix=$build/wine-bench-norpcss
before=${QUAV_BENCH_BEFORE:+$(realpath "$QUAV_BENCH_BEFORE")}
quav_wine_env "$prefix"
out=$(mktemp -d)
ours=false
cleanup() {
  # Only once the prefix is known to be ours: its wineserver may be another's.
  if $ours; then quav_wineserver_stop; fi
  quav_stop_xvfb
  rm -rf "$out"
}
trap cleanup EXIT
quav_start_xvfb
quav_prefix_init
ours=true
rounds=15
if [[ -n ${QUAV_BENCH_NO_RPCSS:-} ]]; then
  # A service whose program never answers the service manager: each start
  # of it waits for the manager's timeout, as when Wine's RPC service hangs.
  # Disabled (Start 4) it would fail at once, which hides the wait.
  wine reg add 'HKLM\System\CurrentControlSet\Services\RpcSs' /v ImagePath /t REG_EXPAND_SZ \
    /d 'C:\windows\system32\ping.exe -n 1000 127.0.0.1' /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
  rounds=3
fi
quav_wineserver_start
if [[ -n $before ]]; then
  QUAV_BENCH_BEFORE=$(winepath -w "$before" 2>/dev/null)
  export QUAV_BENCH_BEFORE
fi

cd "$build/bench"
echo "== Start-up: quav.exe and floors a, b (also through the moniker) and c in turns (about a minute)"
# Wine's C runtime ends lines with CR LF.
wine ./bench_driver.exe "$rounds" | tr -d '\r' >"$out/startup"
echo "== Adapter scan at 16, 64, 256 and 1,024 adapters, and the refresh at 8 and 256 (about a minute)"
wine ./bench_scan.exe | tr -d '\r' >"$out/scan"

before_scan=${before:+$(dirname "$before")/../bench/bench_scan.exe}
: >"$out/before"
if [[ -n $before_scan && -f $before_scan ]]; then
  echo "== The same with the build from before the change"
  wine "$before_scan" | tr -d '\r' | sed -e 's/^# /# before: /' -e '/^#/!s/^\([^,]*\),/\1,before: /' >"$out/before"
fi

# The x86 program's size, against the same bound as the x64 one's.
x86=${QUAV_BENCH_X86:-$(dirname "$build")/build-win32/src/quav.exe}
if [[ -f $x86 ]]; then
  awk -v bytes="$(stat -c %s "$x86")" 'BEGIN { kb = bytes / 1024; printf "resources,size of quav.exe (x86; the one make test and make dist build),,%.0f,KB,,,,,<1280,%s\n", kb, kb < 1280 ? "met" : "MISSED" }' >>"$out/startup"
else
  echo "# x86 quav.exe not found at $x86 (make build32 first): its size is not measured" >>"$out/startup"
fi

csv=$build/bench.csv
{
  echo "section,measure,n,value,unit,spread,floor,floor_value,ratio,target,result"
  grep -hv '^#' "$out/startup" "$out/scan" "$out/before"
} >"$csv"

echo
awk -F, '
  { for (i = 1; i <= NF; i++) cell[NR, i] = $i
    cell[NR, 4] = $4 ($5 == "" ? "" : " " $5)
    for (i = 1; i <= NF; i++) if (i != 5 && length(cell[NR, i]) > width[i]) width[i] = length(cell[NR, i])
    rows = NR }
  END {
    for (r = 1; r <= rows; r++) {
      line = ""
      for (i = 1; i <= 11; i++) {
        if (i == 5) continue
        align = (i == 4 || i == 8 || i == 9) ? "%" : "%-"
        line = line sprintf(align width[i] "s  ", cell[r, i])
      }
      sub(/ +$/, "", line)
      print line
    }
  }' "$csv"
echo
grep -h '^#' "$out/startup" "$out/scan" "$out/before" | sed 's/^# /  /'
echo
echo "Table written to $csv"
