#!/usr/bin/env bash
# Renders every window in both languages at 800x600, 1024x768 and 1920x1080 into
# docs/screenshots/, and the user guide's pictures (from 800x600) into
# resources/doc/shots/ (offscreen platform; build first with scripts/build.sh).
# SIZES="1366x768 ..." renders at other screen sizes instead (each needs its
# build/screen-<size>.json, which tests/CMakeLists.txt writes).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
cmake --build "$build" --target tarnavel-screenshots >/dev/null
out=docs/screenshots
mkdir -p "$out"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for size in ${SIZES:-800x600 1024x768 1920x1080}; do
  cfg="$build/screen-$size.json"
  guide=()
  [ "$size" = 800x600 ] && guide=(resources/doc/shots)
  QT_QPA_PLATFORM="offscreen:configfile=$PWD/$cfg" "$build/tools/tarnavel-screenshots" "$out" "${guide[@]}"
done
