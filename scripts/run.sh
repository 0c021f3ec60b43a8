#!/usr/bin/env bash
# Starts Tarnavel, setting up and building first where needed: the first
# start installs the packages and configures the build; a start after a
# change of the sources builds the program (only the program) again.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  scripts/setup.sh
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" ${CMAKE_ARGS:-} >/dev/null
fi
# Built and no source newer than the program: start at once (make's own
# check of every library takes seconds).
changed=yes
if [ -x "$build/tarnavel" ]; then
  changed=$(find . -path "./$build" -prune -o -path ./.git -prune -o -type f -newer "$build/tarnavel" \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.in' -o -name '*.json' -o -name '*.html' -o -name '*.png' \
       -o -name '*.qrc' -o -name '*.svg' -o -name 'CMakeLists.txt' -o -name '*.cmake' \) -print -quit)
fi
[ -z "$changed" ] || cmake --build "$build" --target tarnavel -j"$(nproc)" >/dev/null
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
exec "$build/tarnavel" "$@"
