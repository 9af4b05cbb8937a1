#!/usr/bin/env bash
# Runs a cross-built Windows program under wine64: wine-run.sh KIT PREFIX PROGRAM [ARG...].
# The Qt kit's DLLs and plugins and the MinGW runtime are found through WINEPATH and
# QT_PLUGIN_PATH; PREFIX is the wine prefix, made on first use. The build uses this as
# its cross-compiling emulator, so CTest runs the tests through it; QUORVEL_QTEST=1 says
# that the program is a Qt Test one.
set -euo pipefail

kit=$1 prefix=$2
shift 2

# A Linux path as wine sees it (its Z: drive is /).
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

export WINEPREFIX=$prefix
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs when the prefix is made.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEPATH="$(windows_path "$kit/bin");$(windows_path /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(windows_path /usr/x86_64-w64-mingw32/lib)"
export QT_PLUGIN_PATH=$(windows_path "$kit/plugins")

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
if [ -z "${QUORVEL_QTEST:-}" ]; then
  exec "$wine" "$@"
fi
# A Qt Test program: under wine its log to standard output is lost, so it goes to a file
# that is shown when the test ends.
log=$(mktemp --suffix=.txt)
status=0
"$wine" "$@" -o "$(windows_path "$log"),txt" || status=$?
cat "$log"
rm -f "$log"
exit "$status"
