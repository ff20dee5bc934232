#!/usr/bin/env bash
# Packs the release into dist/: quav-VERSION-win64.zip and
# quav-VERSION-win32.zip, each with the built quav.exe, the user's readme and
# the licence notice in Chinese and in English, and SHA256SUMS beside them.
# VERSION is the project version the builds were configured with.
# dist.sh BUILD64 BUILD32
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build64=$(cd "$1" && pwd)
build32=$(cd "$2" && pwd)

version_of() { sed -nE 's/^#define QUAV_VERSION_TEXT "(.+)"$/\1/p' "$1/generated/QuavVersion.h"; }
version=$(version_of "$build64")
if [[ -z $version || $version != "$(version_of "$build32")" ]]; then
  echo "error: the builds disagree on the version (${version:-none} and $(version_of "$build32")); configure both afresh" >&2
  exit 1
fi

dist=$root/dist
rm -rf "$dist"
mkdir -p "$dist"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
for pair in "win64:$build64" "win32:$build32"; do
  kind=${pair%%:*}
  build=${pair#*:}
  name=quav-$version-$kind
  mkdir "$stage/$name"
  docs=(ReadMe.txt License.txt ReadMe-English.txt License-English.txt)
  cp "$build/src/quav.exe" "${docs[@]/#/$root/doc/}" "$stage/$name/"
  (cd "$stage/$name" && zip -q -X "$dist/$name.zip" quav.exe "${docs[@]}")
done
(cd "$dist" && sha256sum -- *.zip >SHA256SUMS)
for zip in "$dist"/*.zip; do
  echo "== $(basename "$zip"): $(stat -c %s "$zip") bytes"
  zip -sf "$zip" | sed -n 's/^ \+/  /p'
done
echo "== $dist/SHA256SUMS"
cat "$dist/SHA256SUMS"
