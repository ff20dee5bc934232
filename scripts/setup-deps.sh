#!/usr/bin/env bash
# Installs what building and testing QUAV needs on Debian 12, and nothing
# that is already there. Safe to run again.
set -euo pipefail

# command-or-file → Debian package
need=(
  "cmake:cmake"
  "make:make"
  "x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64-posix"
  "i686-w64-mingw32-g++-posix:g++-mingw-w64-i686-posix"
  "wine:wine"
  "/usr/lib/wine/wine64:wine64"
  "Xvfb:xvfb"
  "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc:fonts-wqy-microhei"
  "/usr/bin/convert:imagemagick"
  "xdotool:xdotool"
  "/usr/src/googletest/CMakeLists.txt:googletest"
  "zip:zip"
  "cppcheck:cppcheck"
  "/usr/bin/python3:python3"
  "/usr/share/ieee-data/oui.csv:ieee-data"
  "/usr/x86_64-w64-mingw32/lib/libz.a:libz-mingw-w64-dev"
  "/usr/i686-w64-mingw32/lib/libz.a:libz-mingw-w64-dev"
  "clang++:clang"
  "/usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a:libclang-rt-14-dev"
)
missing=()
for pair in "${need[@]}"; do
  what=${pair%%:*}; pkg=${pair#*:}
  if [[ $what == /* ]]; then
    [[ -e $what ]] || missing+=("$pkg")
  else
    command -v "$what" >/dev/null 2>&1 || missing+=("$pkg")
  fi
done
# /usr/local/bin/convert may be a stand-in; the real one comes with imagemagick.
if ! dpkg -s imagemagick >/dev/null 2>&1; then missing+=(imagemagick); fi

sudo=""
if [[ $(id -u) != 0 ]]; then sudo=sudo; fi
export DEBIAN_FRONTEND=noninteractive

# The 32-bit build's tests need Wine's 32-bit half, which Debian ships only
# for the i386 architecture. On a machine that cannot run 32-bit x86 programs
# it would not start, and Wine's launcher would still pick it over the 64-bit
# loader, breaking the 64-bit tests too: there it is left out, and the 32-bit
# suite runs only its checks that need no Wine.
if ! dpkg -s wine32:i386 >/dev/null 2>&1 && ! why=$(bash "$(dirname "$0")/can-run-x86.sh"); then
  echo "Not installing wine32:i386: $why; the 32-bit build's Wine tests will be skipped"
elif ! dpkg -s wine32:i386 >/dev/null 2>&1; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Adding the i386 architecture for wine32"
    $sudo dpkg --add-architecture i386
  fi
  missing+=(wine32:i386)
fi
if ((${#missing[@]} > 0)); then
  mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)
  echo "Installing: ${missing[*]}"
  # One index that fails to fetch (a mirror mid-sync) need not stop the
  # install: the lists at hand may hold what is missing.
  $sudo apt-get update -qq || echo "warning: apt-get update failed; installing from the package lists at hand" >&2
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes the ANSI code page 936 and the Chinese interface language from
# LC_ALL=zh_CN.UTF-8, and the English ones from en_US.UTF-8 (the English
# screenshots); with the locales generated the shell stops warning about them.
for locale in zh_CN en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$locale\.utf-\?8\$"; then
    if ! command -v locale-gen >/dev/null 2>&1; then
      $sudo apt-get install -y -qq --no-install-recommends locales >/dev/null
    fi
    echo "Generating the $locale.UTF-8 locale"
    $sudo sed -i "s/^# *\($locale.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$locale.UTF-8 UTF-8" /etc/locale.gen || echo "$locale.UTF-8 UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
  fi
done
