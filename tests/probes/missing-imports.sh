#!/usr/bin/env bash
# Delay-import libraries for what no Windows has: a DLL, and a function of
# version.dll. missing-imports.sh TRIPLE OUTPUT_FOLDER
set -euo pipefail
triple=$1; out=$2
mkdir -p "$out"
printf 'LIBRARY quav-absent.dll\nEXPORTS\nQuavAbsentFunction\n' >"$out/absent.def"
printf 'LIBRARY version.dll\nEXPORTS\nQuavAbsentInVersion\n' >"$out/version-absent.def"
"$triple-dlltool" -d "$out/absent.def" -D quav-absent.dll -y "$out/libabsent-delay.a"
"$triple-dlltool" -d "$out/version-absent.def" -D version.dll -y "$out/libversion-absent-delay.a"
