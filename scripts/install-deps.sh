#!/usr/bin/env bash
# Installs what Vicania needs on Debian 12: to build and run it, and with
# --tests also to test it. It never removes a package: apt is told to stop
# rather than take anything away.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev libgl-dev qt6-qpa-plugins qt6-translations-l10n
  libfluidsynth-dev libasound2-dev timgm6mb-soundfont fonts-liberation2 fonts-dejavu-core
  libzip-dev libxlsxwriter-dev zlib1g-dev
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(
    libgtest-dev libgmock-dev libbenchmark-dev clang clang-tidy ccache
    python3-docx python3-openpyxl poppler-utils
    lintian dpkg-dev file desktop-file-utils appstream shared-mime-info
    python3-pyatspi at-spi2-core dbus xvfb xdotool
    locales # the exports' test compiles it_IT.UTF-8 from these sources
  )
fi

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

if [ "${1:-}" = "--tests" ]; then
  # Any LibreOffice Writer will do; the headless one only where there is none,
  # since it conflicts with the desktop one.
  if ! installed libreoffice-writer && ! installed libreoffice-writer-nogui; then
    packages+=(libreoffice-writer-nogui)
  fi
  # Calc reads the exported CSV back: the one that goes with the Writer there.
  if ! installed libreoffice-calc && ! installed libreoffice-calc-nogui; then
    if installed libreoffice-writer; then
      packages+=(libreoffice-calc)
    else
      packages+=(libreoffice-calc-nogui)
    fi
  fi
fi

if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then
  echo "Questo sistema non usa apt: installa a mano i pacchetti equivalenti a" >&2
  echo "  ${packages[*]}" >&2
  echo "(il file README.md elenca i nomi per Fedora e openSUSE), poi ripeti il comando." >&2
  exit 1
fi

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt=("${sudo_cmd[@]}" apt-get install -y -q --no-remove)
  "${apt[@]}" "${missing[@]}" ||
    { "${sudo_cmd[@]}" apt-get update -q && "${apt[@]}" "${missing[@]}"; }
fi
