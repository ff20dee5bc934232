#!/usr/bin/env bash
# Checks that a program loads on the oldest Windows it is for: it imports
# only DLL!function pairs from the allowlists (each checked to exist there),
# so nothing beyond Windows' own DLLs, and its headers ask for no newer
# Windows than that. Its import table, which the loader resolves before any
# of the program's code runs, names only DLLs Windows protects; the rest are
# delay imports, which EXE.map (the link map) lists.
# check-imports.sh OBJDUMP EXE OLDEST_WINDOWS(major.minor) ALLOWLIST...
set -euo pipefail
objdump=$1
exe=$2
oldest=$3
shift 3
name=$(basename "$exe")
headers=$("$objdump" -p "$exe")
status=0

# A version as one number: 5.2 → 502.
number() { echo $((10#$1 * 100 + 10#$2)); }
limit=$(number "${oldest%%.*}" "${oldest#*.}")
for field in Subsystem OSystem; do
  major=$(sed -nE "s/^Major${field}Version\s+([0-9]+)$/\1/p" <<<"$headers")
  minor=$(sed -nE "s/^Minor${field}Version\s+([0-9]+)$/\1/p" <<<"$headers")
  if [[ -z $major || -z $minor ]]; then
    echo "$name: no ${field} version in its headers" >&2
    status=1
  elif (($(number "$major" "$minor") > limit)); then
    echo "$name: ${field} version $major.$minor is newer than Windows $oldest" >&2
    status=1
  fi
done

# DLL!function for each import; anything else in a DLL's list (an import by
# ordinal) comes out as DLL!<line> and so is never allowed.
imports=$(awk '
  /^[ \t]*DLL Name:/ { dll = $3; listing = 0; next }
  dll != "" && /^[ \t]*vma:[ \t]+Hint/ { listing = 1; next }
  listing && NF == 0 { listing = 0; dll = ""; next }
  listing { if (NF == 3) print dll "!" $3; else { sub(/^[ \t]+/, ""); print dll "!<" $0 ">" } }
' <<<"$headers" | sort -u)
if [[ -z $imports ]]; then
  echo "$name: no imports found" >&2
  exit 1
fi

atstart=$(cut -d'!' -f1 <<<"$imports" | sort -uf | tr '\n' ' ')

# DLLs a planted copy beside the program cannot stand in for: KnownDLLs on
# every Windows from 2000 on (msvcrt is one from Vista on, and before that
# loaded by the known ones), and comctl32, which the manifest takes from the
# side-by-side store (Windows 2000 has none: there it is a delay import).
protected='advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll user32.dll'
for dll in $(cut -d'!' -f1 <<<"$imports" | tr 'A-Z' 'a-z' | sort -u); do
  if [[ " $protected " != *" $dll "* ]]; then
    echo "$name imports $dll at start, which Windows does not protect: make it a delay import" >&2
    status=1
  fi
done

# Delay imports, from the link map: the member of lib<dll>-delay.a and the
# symbol that pulled it in, __imp_Name or the stub's Name (32-bit:
# _imp__Name@N and _Name@N); the library's own glue pulls in the rest.
if [[ -f $exe.map ]]; then
  x86=0
  grep -q 'file format pei-i386' <<<"$headers" && x86=1
  delayed=$(awk -v x86="$x86" '
    /^(Discarded input sections|Allocating common symbols|Memory Configuration)/ { exit }
    /^[^ \t]/ && match($0, /lib[A-Za-z0-9_]+-delay\.a\(/) { dll = substr($0, RSTART + 3, RLENGTH - 12) ".dll"; next }
    dll != "" && /^[ \t]/ && match($0, /\([^()]+\)$/) {
      symbol = substr($0, RSTART + 1, RLENGTH - 2)
      if (symbol !~ /(^_*tailMerge|^_*head_|_iname$)/) {
        if (!sub(/^(__imp_|_imp__)/, "", symbol) && x86) sub(/^_/, "", symbol)
        sub(/@[0-9]+$/, "", symbol)
        print dll "!" symbol
      }
    }
    { dll = "" }
  ' "$exe.map" | sort -u)
  imports=$(printf '%s\n%s\n' "$imports" "$delayed" | grep -v '^$' | sort -u)
fi
# DLL names match in any case, function names exactly.
lower_dll() { sed -E 's/^([^!]*)/\L\1/'; }
allowed=$(cat "$@" | sed -E 's/\s*(#.*)?$//' | grep -v '^$' | lower_dll | sort -u)
unlisted=$(comm -23 <(lower_dll <<<"$imports" | sort -u) <(echo "$allowed"))
if [[ -n $unlisted ]]; then
  echo "$name imports what the allowlists ($*) do not hold:" >&2
  sed 's/^/  /' <<<"$unlisted" >&2
  status=1
fi
if ((status == 0)); then
  dlls=$(cut -d'!' -f1 <<<"$imports" | sort -uf | tr '\n' ' ')
  echo "$name: $(wc -l <<<"$imports") imports, all allowed, from ${dlls% }; at start only from ${atstart% }; headers fit Windows $oldest"
fi
exit $status
