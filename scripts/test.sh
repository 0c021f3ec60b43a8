#!/usr/bin/env bash
# Sets up, builds and runs every test: first the whole suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the normal build.
# The normal run's summary is the last output. Both builds treat compiler
# warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

if [ "${TARNAVEL_SKIP_SANITIZERS:-0}" != 1 ]; then
  echo "== Test suite under AddressSanitizer and UndefinedBehaviorSanitizer =="
  BUILD_DIR=build-sanitize BUILD_TYPE=Debug CMAKE_ARGS="-DTARNAVEL_SANITIZE=ON -DTARNAVEL_WERROR=ON" scripts/build.sh >/dev/null
  # Leak reports would come from Qt's and fontconfig's caches, not from us.
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j2
  echo "== Test suite =="
fi

CMAKE_ARGS="${CMAKE_ARGS:-} -DTARNAVEL_WERROR=ON" scripts/build.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j2
