#!/usr/bin/env bash
# Sets up everything from nothing (Debian packages, build) and runs every test headless,
# then the whole suite again built with AddressSanitizer and UndefinedBehaviorSanitizer.
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

tests/hardening/sanitized-suite.sh "$build-sanitize"
