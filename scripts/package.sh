#!/usr/bin/env bash
# Builds the Debian package into build-package/ and prints its path. Only
# what the package holds is built (the programs, the manual pages and the
# changelog), not the tests. CMAKE_ARGS passes options to the configure step
# (for example -DCMAKE_CXX_COMPILER_LAUNCHER=ccache). tools/check_package.sh
# checks the result.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=build-package
# Debian's compiler and linker flags, with every hardening feature.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build" --target tarnavel tarnavel-calc package_docs -j"$(nproc)" >/dev/null
rm -f "$build"/tarnavel_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$PWD/$build"/tarnavel_*.deb
