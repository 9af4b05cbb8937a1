#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quorvel need.
# Packages already present are skipped, so a prepared machine installs nothing.
set -euo pipefail

packages=(
  # build
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-image-formats-plugins libgl-dev
  # translations: lupdate/lrelease, their CMake package, and Qt's own translated texts
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # run: the Tahoma the windows are laid out for (fonts-wine's, which the program
  # registers for itself), fonts metric-compatible with the printout's, and the viewer
  # that Help opens the help file in through xdg-open
  fonts-wine fonts-liberation2 fonts-dejavu-core
  xdg-utils xchm
  # help file compiler, desktop integration checks, packaging and its checks
  fp-utils desktop-file-utils appstream dpkg-dev file lintian
  # tests: headless X for end-to-end runs, screenshots, printing through CUPS to PDF
  xvfb xauth openbox x11-utils imagemagick
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  # hardening: sanitizers and fuzzing
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages and not root: run as root or install them: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
