#!/usr/bin/env bash
# Makes a delay-import library for one of Windows' DLLs from MinGW's import
# library: the program then loads the DLL on first use, through its own hook,
# rather than the loader at start.
# delay-import-lib.sh TRIPLE DLL(without .dll) OUTPUT.a
set -euo pipefail
triple=$1; dll=$2; output=$3
import=/usr/$triple/lib/lib$dll.a
def=${output%.a}.def
# 32-bit names carry a leading underscore (and stdcall's @N, which -k keeps
# out of the names looked up in the DLL).
prefix=''; kill=''
if [[ $triple == i686-* ]]; then prefix='_'; kill='-k'; fi
{
  echo "LIBRARY $dll.dll"
  echo "EXPORTS"
  nm -g "$import" | sed -nE "s/^[0-9a-f]+ I __imp_${prefix}(.*)\$/\1/p" | sort -u
} >"$def"
"$triple-dlltool" $kill -d "$def" -D "$dll.dll" -y "$output"
