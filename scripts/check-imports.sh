#!/usr/bin/env bash
# Checks that a program imports only from Windows' own DLLs: it is linked
# statically and ships alone.
set -euo pipefail
objdump=$1
exe=$2
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32|COMCTL32|ole32|OLEAUT32|IPHLPAPI|WS2_32|msvcrt)\.(dll|DLL)$'
dlls=$("$objdump" -p "$exe" | sed -nE 's/^\s*DLL Name: (.*)$/\1/p' | sort -u)
status=0
for dll in $dlls; do
  if [[ ! $dll =~ $allowed ]]; then
    echo "not a Windows system DLL: $dll" >&2
    status=1
  fi
done
echo "$(basename "$exe") imports from: $(tr '\n' ' ' <<<"$dlls")"
exit $status
