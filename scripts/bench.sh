#!/usr/bin/env bash
# Times quav.exe under Wine, in a Wine prefix of its own under the build folder
# (build/wine-bench), on a virtual display of its own and with a warm
# wineserver: the start-up against two floors, the adapter scan at 16 to 1,024
# adapters against plain registry reads, and the resources. Prints the table
# and writes it to build/bench.csv.
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd)
source "$root/scripts/wine-env.sh"

for file in src/quav.exe bench/bench_driver.exe bench/bench_floor.exe bench/bench_scan.exe; do
  if [[ ! -f $build/$file ]]; then
    echo "error: $build/$file not found; build first" >&2
    exit 1
  fi
done

quav_wine_env "$build/wine-bench"
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
quav_wineserver_start

cd "$build/bench"
echo "== Start-up: quav.exe, floor a and floor b in turns (about half a minute)"
# Wine's C runtime ends lines with CR LF.
wine ./bench_driver.exe 15 | tr -d '\r' >"$out/startup"
echo "== Adapter scan at 16, 64, 256 and 1,024 adapters (about a minute)"
wine ./bench_scan.exe | tr -d '\r' >"$out/scan"

csv=$build/bench.csv
{
  echo "section,measure,n,value,unit,spread,floor,floor_value,ratio,target,result"
  grep -hv '^#' "$out/startup" "$out/scan"
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
grep -h '^#' "$out/startup" "$out/scan" | sed 's/^# /  /'
echo
echo "Table written to $csv"
