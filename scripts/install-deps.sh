#!/usr/bin/env bash
# Installs what Vicania needs to build and test on Debian 12.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins
  libfluidsynth-dev timgm6mb-soundfont fonts-liberation2 fonts-dejavu-core
  libzip-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  python3-docx libreoffice-writer-nogui poppler-utils
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}" ||
    { "${sudo_cmd[@]}" apt-get update -q && "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"; }
fi
