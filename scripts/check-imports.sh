#!/usr/bin/env bash
# Checks that a program loads on the oldest Windows it is for: it imports
# only DLL!function pairs from the allowlists (each checked to exist there),
# so nothing beyond Windows' own DLLs, and its headers ask for no newer
# Windows than that.
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
  echo "$name: $(wc -l <<<"$imports") imports, all allowed, from ${dlls% }; headers fit Windows $oldest"
fi
exit $status
