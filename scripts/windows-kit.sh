#!/usr/bin/env bash
# Prints the folder of the Qt 6.4.2 kit for MinGW-w64 that the Windows build uses:
# $QUORVEL_QT_MINGW when set (an unpacked kit), else the tarball in ../shared/toolchains/,
# checked against its .sha256 and unpacked into the build folder given as $1 (once).
# Without a kit it says how to get one and exits 2; a kit that is not one (a wrong
# QUORVEL_QT_MINGW, a tarball that fails its checksum) exits 1.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:?usage: windows-kit.sh BUILD_FOLDER}
name=qt-6.4.2-mingw64
toolchains=../shared/toolchains

usable() { [ -f "$1/lib/cmake/Qt6/qt.toolchain.cmake" ]; }

if [ -n "${QUORVEL_QT_MINGW:-}" ]; then
  if usable "$QUORVEL_QT_MINGW"; then
    realpath "$QUORVEL_QT_MINGW"
    exit 0
  fi
  echo "QUORVEL_QT_MINGW=$QUORVEL_QT_MINGW holds no Qt kit (no lib/cmake/Qt6/qt.toolchain.cmake)" >&2
  exit 1
fi

tarball=$toolchains/$name.tar.xz
if [ ! -f "$tarball" ]; then
  cat >&2 <<HELP
No Qt kit for the Windows build. Either
  - put $name.tar.xz and $name.tar.xz.sha256 into $toolchains/ (from whoever keeps
    the project's toolchains; $toolchains/build-qt-mingw64.sh rebuilds it from Debian's
    sources in about 50 minutes), or
  - unpack a Qt 6.4.2 kit for x86_64-w64-mingw32 and set QUORVEL_QT_MINGW to its folder.
HELP
  exit 2
fi

mkdir -p "$build"
kit=$(realpath "$build")/$name
sum=$(cut -d' ' -f1 "$tarball.sha256")
# The unpacked kit remembers the checksum of the tarball it came from.
if ! usable "$kit" || [ "$(cat "$kit/.tarball-sha256" 2>/dev/null)" != "$sum" ]; then
  echo "Checking and unpacking $tarball into $build/" >&2
  if ! (cd "$toolchains" && sha256sum --quiet -c "$name.tar.xz.sha256" >&2); then
    echo "$tarball does not match its checksum: not used" >&2
    exit 1
  fi
  rm -rf "$kit"
  tar -C "$build" -xJf "$tarball"
  echo "$sum" >"$kit/.tarball-sha256"
fi
echo "$kit"
