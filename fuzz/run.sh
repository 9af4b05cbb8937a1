#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer
# on, files kept in memory) and runs each one from its seed corpus, for a bounded time
# or a number of executions, then prints the executions per target.
#
#   fuzz/run.sh [seconds per target] [target...]
#   fuzz/run.sh --runs N [target...]
#
# Defaults: 60 seconds, every target. New inputs found during a run go to the build
# folder's corpus (build-fuzz/corpus/<target>), not to the seeds in the repository;
# copy an interesting one into fuzz/corpus/<target>/ to keep it. A failing input is
# written to build-fuzz/crashes/<target>/, replayed once with full allocation stacks,
# and the script exits non-zero. Each target's log is build-fuzz/logs/<target>.log.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=(-max_total_time=60)
label="60 s"
if [[ ${1:-} == --runs ]]; then
  limit=(-runs="$2")
  label="$2 executions"
  shift 2
elif [[ ${1:-} =~ ^[0-9]+$ ]]; then
  limit=(-max_total_time="$1")
  label="$1 s"
  shift
fi
build=${QUORVEL_FUZZ_BUILD_DIR:-build-fuzz}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DQUORVEL_SANITIZE=ON -DQUORVEL_BUILD_FUZZ=ON \
  -DQUORVEL_BUILD_BENCH=OFF -DQUORVEL_BUILD_TESTS=OFF >/dev/null
targets=("$@")
if ((${#targets[@]} == 0)); then
  mapfile -t targets < <(sed -n 's/^set(QUORVEL_FUZZ_TARGETS \(.*\))$/\1/p' fuzz/FuzzTargets.cmake | tr ' ' '\n')
fi
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

# While fuzzing, allocation stacks are not recorded and freed memory is held back
# only briefly (16 MB): recording a stack for every allocation took most of the time,
# and the default 256 MB quarantine made the resident size climb. A failing input is
# replayed afterwards with the defaults, for the full report.
fast_asan=halt_on_error=1:detect_leaks=1:abort_on_error=1:malloc_context_size=0:quarantine_size_mb=16
full_asan=halt_on_error=1:detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# The longest input per target, 4096 bytes unless set here: a catalog line is short,
# and longer ones only repeat the same loops. (Numbers keep 4096: the seeds near
# the edge of the extended range are thousands of digits long.)
declare -A max_len=([commatext]=1024)

mkdir -p "$build/logs"
failed=()
summary=()
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  crashes=$build/crashes/$target
  log=$build/logs/$target.log
  mkdir -p "$corpus" "$crashes"
  echo "== $target: $label"
  # The whole log goes to the file; the screen shows progress and failures.
  set +e
  ASAN_OPTIONS=$fast_asan "$build/fuzz/fuzz_$target" "${limit[@]}" -max_len="${max_len[$target]:-4096}" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" "fuzz/corpus/$target" 2>&1 \
    | tee "$log" | grep --line-buffered -E '^#[0-9]+[[:space:]]+(pulse|DONE)|^==[0-9]+==|^Property|SUMMARY'
  status=${PIPESTATUS[0]}
  set -e
  if ((status != 0)); then
    failed+=("$target")
    for input in "$crashes"/*; do
      [[ -f $input ]] || continue
      echo "-- replaying $input with full allocation stacks"
      ASAN_OPTIONS=$full_asan "$build/fuzz/fuzz_$target" "$input" 2>&1 | tail -n 60 || true
    done
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log")
  summary+=("$(printf '%-14s %12s %10s %8s' "$target" "${executions:-?}" "${rate:-?}" "${rss:-?}")")
done

echo
printf '%-14s %12s %10s %8s\n' target executions "exec/s" "peak MB"
printf '%s\n' "${summary[@]}"

if ((${#failed[@]})); then
  echo "Failing inputs found for: ${failed[*]} (see $build/crashes/)" >&2
  exit 1
fi
echo "No failures in ${targets[*]}."
