#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, and any
# packages named as arguments. Safe to run again: it only calls apt-get when
# something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-image-formats-plugins qt6-translations-l10n adwaita-icon-theme
  libsdl2-mixer-dev libglib2.0-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  librsvg2-bin
  libzip-dev libssl-dev poppler-utils
  qt6-websockets-dev libqrencode-dev
  sox libsox-fmt-all
  clang libclang-rt-14-dev clang-format
)

packages+=("$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
