#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer
# on) and runs each one for a bounded time, starting from its seed corpus.
#
#   fuzz/run.sh [seconds per target] [target...]
#
# Defaults: 60 seconds, every target. New inputs found during a run go to the build
# folder's corpus (build-fuzz/corpus/<target>), not to the seeds in the repository;
# copy an interesting one into fuzz/corpus/<target>/ to keep it. A failing input is
# written to build-fuzz/crashes/<target>/ and the script exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
build=${QUORVEL_FUZZ_BUILD_DIR:-build-fuzz}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DQUORVEL_SANITIZE=ON -DQUORVEL_BUILD_FUZZ=ON \
  -DQUORVEL_BUILD_BENCH=OFF >/dev/null
targets=("$@")
if ((${#targets[@]} == 0)); then
  mapfile -t targets < <(sed -n 's/^set(QUORVEL_FUZZ_TARGETS \(.*\))$/\1/p' fuzz/FuzzTargets.cmake | tr ' ' '\n')
fi
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

failed=()
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  crashes=$build/crashes/$target
  mkdir -p "$corpus" "$crashes"
  echo "== $target: ${seconds}s"
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" "fuzz/corpus/$target"; then
    failed+=("$target")
  fi
done

if ((${#failed[@]})); then
  echo "Failing inputs found for: ${failed[*]} (see $build/crashes/)" >&2
  exit 1
fi
echo "No failures in ${targets[*]}."
