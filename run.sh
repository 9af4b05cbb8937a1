#!/usr/bin/env bash
# Builds Quorvel, installs the shipped database for this user when it is missing,
# and starts the program.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/setup-deps.sh

build=${QUORVEL_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2 --target Quorvel quorvel_help

./scripts/seed-user-data.sh "$PWD/data/Database" "$build/data/help/chm/Quorvel Help.chm"

exec "$build/src/app/Quorvel"
