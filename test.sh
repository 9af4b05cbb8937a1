#!/usr/bin/env bash
# Sets up everything from nothing (Debian packages, build) and runs every test headless,
# then the Windows build's under wine64 (when its Qt kit is here), then the whole suite
# again built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

build=${QUORVEL_BUILD_DIR:-build}
# One EPANET engine for both builds' tests.
export QUORVEL_EPANET_JS_DIR=${QUORVEL_EPANET_JS_DIR:-$(realpath -m "$build")/epanet-js}

./scripts/setup-deps.sh --tests

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j2

# The Windows build, its tests under wine64 and its installer, when the Qt kit for it
# is here; its outputs are compared with this build's.
kit_status=0
kit_message=$(scripts/windows-kit.sh "${QUORVEL_WINDOWS_BUILD_DIR:-build-windows}" 2>&1 >/dev/null) || kit_status=$?
if ((kit_status == 2)); then
  echo "Skipped the Windows build and its tests: no Qt kit for MinGW-w64 (scripts/windows-kit.sh says how to get one)"
elif ((kit_status == 0)); then
  QUORVEL_BUILD_DIR=$build scripts/build-windows.sh --test
else
  echo "$kit_message" >&2
  exit "$kit_status"
fi

tests/hardening/sanitized-suite.sh "$build-sanitize"
