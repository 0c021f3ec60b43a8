#!/usr/bin/env bash
# Builds the Debian package into build-package/ and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
BUILD_DIR=build-package BUILD_TYPE=Release scripts/build.sh >/dev/null
(cd build-package && cpack -G DEB >/dev/null)
ls "$PWD"/build-package/tarnavel_*.deb
