#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs it headless. Every sanitizer report fails the run, also one from a
# process whose exit status a test does not look at: the reports go to files under
# the build folder, which must stay empty.
#
#   tests/hardening/sanitized-suite.sh [build folder]     (default: build-sanitize)
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build-sanitize}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_SANITIZE=ON -DQUORVEL_BUILD_BENCH=OFF
cmake --build "$build" -j2

reports=$(realpath -m "$build")/sanitizer-reports
rm -rf "$reports"
mkdir -p "$reports"
# Leaks are looked for too, with no suppressions: the suite leaks nothing, Qt included.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_odr_violation=2:log_path=$reports/asan"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$reports/ubsan"
export QT_QPA_PLATFORM=offscreen

status=0
ctest --test-dir "$build" --output-on-failure -j2 || status=$?

shopt -s nullglob
found=("$reports"/*)
if ((${#found[@]})); then
  echo "Sanitizer reports (${#found[@]}):" >&2
  for report in "${found[@]}"; do
    echo "--- $report" >&2
    cat "$report" >&2
  done
  status=1
fi
exit "$status"
