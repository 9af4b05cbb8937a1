#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quorvel need; with
# --tests also the EPANET engine the tests run the exported networks in (epanet-js
# from the npm registry, into $QUORVEL_EPANET_JS_DIR, by default BUILD/epanet-js with
# BUILD being $QUORVEL_BUILD_DIR or build), so that starting the program never needs
# the npm registry. With --windows also what cross-builds, tests and packages the
# Windows version (scripts/build-windows.sh): MinGW-w64, Ninja, wine64 and NSIS.
# What is already present is skipped, so a prepared machine installs nothing.
set -euo pipefail

tests=false windows=false
for option in "$@"; do
  case $option in
    --tests) tests=true ;;
    --windows) windows=true ;;
    *) echo "setup-deps.sh: unknown option $option" >&2; exit 2 ;;
  esac
done

packages=(
  # build
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins libgl-dev
  # geodesics on the ellipsoid, for GPS tracks of a pipeline's route
  libgeographiclib-dev
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
  # tests: Node.js for the EPANET engine (npm below: some Node.js builds bring their own)
  nodejs
)
if $windows; then
  # the host tools of the Windows kit are Debian's Qt (qt6-base-dev-tools, qt6-l10n-tools
  # above); makensis writes the installer; xvfb-run, openbox, imagemagick (above) and
  # xdotool start and look at the installed program
  packages+=(g++-mingw-w64-x86-64-posix ninja-build wine64 nsis xdotool)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

command -v npm >/dev/null || missing+=(npm)

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

$tests || exit 0

# The EPANET engine for the tests, pinned, installed where the build looks for it.
epanet_js_version=0.9.0
epanet_js_dir=${QUORVEL_EPANET_JS_DIR:-${QUORVEL_BUILD_DIR:-build}/epanet-js}
if ! grep -qs "\"version\": \"$epanet_js_version\"" "$epanet_js_dir/node_modules/epanet-js/package.json"; then
  echo "Installing epanet-js $epanet_js_version into $epanet_js_dir"
  mkdir -p "$epanet_js_dir"
  if ! npm install --prefix "$epanet_js_dir" --no-audit --no-fund --loglevel=error "epanet-js@$epanet_js_version"; then
    echo "Could not install epanet-js from the npm registry: the EPANET engine tests will fail" >&2
    exit 1
  fi
fi
