#!/usr/bin/env bash
# Checks the Debian package (build it first with scripts/package.sh) the way
# Debian does: lintian reports no error, the desktop entry and the AppStream
# metadata validate, the manual pages render and every library the programs
# need is a dependency. Installs the checkers when missing. Not part of CI.
#   tools/check_package.sh [PACKAGE.deb]
set -euo pipefail
cd "$(dirname "$0")/.."
deb="${1:-$(ls build-package/tarnavel_*.deb | head -1)}"
need=()
for tool in lintian:lintian appstreamcli:appstream desktop-file-validate:desktop-file-utils man:man-db; do
  command -v "${tool%%:*}" >/dev/null || need+=("${tool##*:}")
done
if [ ${#need[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
failed=0
check() { # name command...
  local name="$1"; shift
  if "$@" >"$tree/out" 2>&1; then
    echo "ok    $name"
  else
    echo "FAIL  $name"; sed 's/^/      /' "$tree/out"; failed=1
  fi
}

# lintian: no error (warnings and notes are listed, not fatal).
lintian --info --pedantic "$deb" 2>/dev/null | grep -v '^N:' | tee "$tree/lintian" || true
check "lintian: no error" bash -c "! grep -q '^E:' '$tree/lintian'"
# desktop-file-validate: not even a hint (two main categories are only a hint).
check "desktop-file-validate, silent" bash -c \
  "desktop-file-validate '$tree/usr/share/applications/tarnavel.desktop' 2>&1 | (! grep .)"
check "appstreamcli validate" appstreamcli validate --no-net "$tree/usr/share/metainfo/io.github.tarnavel.Tarnavel.metainfo.xml"
for page in tarnavel tarnavel-calc; do
  check "man page $page renders without warnings" bash -c \
    "LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l '$tree/usr/share/man/man1/$page.1.gz' 2>&1 >/dev/null | (! grep .)"
done
check "tarnavel-calc's page documents --explain" bash -c "zcat '$tree/usr/share/man/man1/tarnavel-calc.1.gz' | grep -q -- 'explain'"
check "copyright is machine-readable" bash -c "head -1 '$tree/usr/share/doc/tarnavel/copyright' | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/'"
check "depends on the C library (computed)" bash -c "dpkg-deb -f '$deb' Depends | grep -q 'libc6 (>='"
exit $failed
