#!/usr/bin/env bash
# Cross-builds the Windows version on Debian: Quorvel.exe, quorvel-design.exe and the
# tests in build-windows/ ($QUORVEL_WINDOWS_BUILD_DIR), then the installer
# build-windows/Quorvel-<version>-win64-setup.exe.
#   --test           also runs the tests under wine64 in a fresh prefix
#   --no-installer   builds no installer
# The Qt kit comes from $QUORVEL_QT_MINGW or ../shared/toolchains (scripts/windows-kit.sh);
# without one this says how to get one and exits 2. The help file is compiled by a Linux
# build ($QUORVEL_BUILD_DIR, by default build/), since its tools run here.
set -euo pipefail
cd "$(dirname "$0")/.."

test=false installer=true
for option in "$@"; do
  case $option in
    --test) test=true ;;
    --no-installer) installer=false ;;
    *) echo "build-windows.sh: unknown option $option" >&2; exit 2 ;;
  esac
done

build=${QUORVEL_WINDOWS_BUILD_DIR:-build-windows}
host=${QUORVEL_BUILD_DIR:-build}

status=0
kit=$(scripts/windows-kit.sh "$build") || status=$?
((status == 0)) || exit "$status"

./scripts/setup-deps.sh --windows

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/windows-mingw64.cmake -DQUORVEL_QT_MINGW="$kit" \
  -DQUORVEL_BUILD_BENCH=OFF -DQUORVEL_LINUX_BUILD="$(realpath -m "$host")"
cmake --build "$build" -j2

if $installer; then
  # The help file, made by the Linux build.
  cmake -S . -B "$host" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$host" -j2 --target quorvel_help
  scripts/windows-installer.sh "$kit" "$build" "$host/data/help/chm/Quorvel Help.chm"
fi

if $test; then
  # A fresh prefix for every run, made before the tests share it.
  prefix=$(realpath "$build")/wine
  rm -rf "$prefix"
  scripts/wine-run.sh "$kit" "$prefix" wineboot -i >/dev/null 2>&1
  WINEPREFIX=$prefix "$(dirname "$(command -v wine64 || echo /usr/lib/wine/wine64)")/wineserver" -w
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j2
fi
