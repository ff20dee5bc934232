#!/usr/bin/env bash
# Checks that no source file includes from a layer above its own. Top to
# bottom: the windows (src/ui/main, src/ui/side, over their toolkit src/ui)
# and the command line (src/cli), then the operations (src/change, and
# scheduling beside it, src/schedule, which may use change but not the other
# way round), the adapters (src/adapters) and the platform (src/platform). The side windows
# are peers of the main window, not its children: they include nothing of
# it (the main window shows them), and the command line includes no window.
# The toolkit knows windows, not network adapters: it builds on the platform
# alone.
# Prints each offending file and include; exits 1 when there is one.
# check-layers.sh [SOURCE_ROOT]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root/src"

# A folder's layer and the folders it may include from (its own and below).
allowed() {
  case $1 in
    ui/main) echo "ui/main ui/side ui schedule adapters change platform" ;;
    ui/side) echo "ui/side ui schedule adapters change platform" ;;
    ui) echo "ui platform" ;;
    cli) echo "cli schedule adapters change platform" ;;
    schedule) echo "schedule change adapters platform" ;;
    change) echo "change adapters platform" ;;
    adapters) echo "adapters platform" ;;
    platform) echo "platform" ;;
    *) echo "" ;;
  esac
}
# The folder (layer) a path under src/ belongs to.
layer() {
  case $1 in
    ui/main/*) echo ui/main ;;
    ui/side/*) echo ui/side ;;
    ui/*) echo ui ;;
    cli/*) echo cli ;;
    schedule/*) echo schedule ;;
    change/*) echo change ;;
    adapters/*) echo adapters ;;
    platform/*) echo platform ;;
    *) echo top ;;
  esac
}

count=0
while IFS= read -r file; do
  from=$(layer "$file")
  [[ $from == top ]] && continue
  may=" $(allowed "$from") "
  while IFS= read -r include; do
    to=$(layer "$include")
    [[ $to == top ]] && continue
    if [[ $may != *" $to "* ]]; then
      echo "src/$file includes \"$include\" ($from may not include $to)"
      count=$((count + 1))
    fi
  done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]+"([^"]+)".*/\1/p' "$file")
done < <(find platform adapters change schedule cli ui -name '*.h' -o -name '*.cpp' | sort)

if ((count > 0)); then
  echo "$count upward includes"
  exit 1
fi
echo "layers: no upward include"
