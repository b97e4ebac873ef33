#!/usr/bin/env bash
# Brings a fresh Debian 12 machine everything that building and testing Tarnlink needs.
# Safe to run again: packages already present are left as they are.
set -euo pipefail

packages=(
  build-essential cmake
  clang libclang-rt-14-dev llvm-14
  qt6-base-dev qt6-serialport-dev qt6-serialbus-dev libqt6serialbus6
  qt6-translations-l10n
  libgl-dev libx11-dev
  fonts-dejavu-core
  poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
