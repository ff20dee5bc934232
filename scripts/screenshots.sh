#!/usr/bin/env bash
# Makes the README's pictures of the main window, one per language:
# doc/quav-main-zh.png under a Chinese locale and doc/quav-main-en.png under
# an English one, each on a virtual display with the terms already accepted,
# in a prefix of their own (BUILD/wine-shots) whose language no one chose.
# screenshots.sh BUILD
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd)
for pair in zh:zh_CN.UTF-8 en:en_US.UTF-8; do
  shot=$root/doc/quav-main-${pair%%:*}.png
  env -u DISPLAY QUAV_RUN_PREFIX="$build/wine-shots" QUAV_LOCALE="${pair#*:}" QUAV_TERMS_ACCEPTED=1 \
    QUAV_SCREENSHOT="$shot" bash "$root/scripts/run.sh" "$build"
  # Without its time stamps an unchanged window makes an unchanged file.
  mogrify -strip "$shot"
done
