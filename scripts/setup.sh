#!/usr/bin/env bash
# Installs what Tarnavel needs on Debian 12 (non-interactively), when missing.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev qt6-svg-dev qt6-translations-l10n libx11-dev libxtst-dev
  libxkbcommon-dev xvfb xauth x11-xkb-utils poppler-utils
  fonts-noto-core fonts-hosny-amiri fonts-liberation2 fonts-sil-scheherazade fonts-kacst
  fonts-dejavu-core help2man
  clang libclang-rt-14-dev)
# One query for all of them: what is installed, then what is not among it.
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null | awk '/install ok installed$/ {print $1}' || true)
missing=()
for p in "${packages[@]}"; do
  grep -qx "$p" <<<"$installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
