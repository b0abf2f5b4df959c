#!/usr/bin/env bash
# Builds the reader harnesses (scripts/build-asan.sh) and fuzzes each for the
# given seconds, several at a time, at low priority.
#   bash scripts/fuzz.sh [seconds (10)] [harness ...]   e.g. fuzz.sh 300 series_file
# Each starts from its committed seeds in fuzz/corpus/<harness>/; what it
# finds new goes to build-asan/fuzz/found/<harness>/ (the seeds are never
# touched), its log to build-asan/fuzz/logs/<harness>.log, and a crashing,
# leaking or hanging input to build-asan/fuzz/crashes/<harness>-*. Jobs at a
# time: CELVAN_FUZZ_JOBS, else half the cores. Fails when any harness failed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
shift || true
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for dir in fuzz/corpus/*/; do harnesses+=("$(basename "$dir")"); done
fi
bash scripts/build-asan.sh
jobs=${CELVAN_FUZZ_JOBS:-$(( $(nproc) / 2 > 0 ? $(nproc) / 2 : 1 ))}
out=build-asan/fuzz
mkdir -p "$out/logs" "$out/crashes"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

fuzz_one() {
  local name=$1
  mkdir -p "$out/found/$name"
  # The toolkit keeps caches across inputs and allocations to the end (fonts,
  # its platform), which the leak checker would take for leaks of the window
  # harnesses; the core harnesses keep it, per input and at the end.
  local leaks=1
  case $name in parameter_file|series_file|plan_result_file|pulsar_file|dl_file) leaks=0 ;; esac
  local status=0
  ASAN_OPTIONS=detect_leaks=$leaks nice "$out/fuzz_$name" -max_total_time="$seconds" -timeout=25 -detect_leaks=$leaks \
    -print_final_stats=1 -artifact_prefix="$out/crashes/$name-" \
    "$out/found/$name" "fuzz/corpus/$name" >"$out/logs/$name.log" 2>&1 || status=$?
  echo "$status" >"$out/logs/$name.status"
}

for name in "${harnesses[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do sleep 1; done
  rm -f "$out/logs/$name.status"
  fuzz_one "$name" &
done
wait
failed=0
printf '%-18s %8s %12s %8s\n' harness seconds executions crashes
for name in "${harnesses[@]}"; do
  status=$(cat "$out/logs/$name.status" 2>/dev/null || echo 1)
  log="$out/logs/$name.log"
  runs=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || echo "?")
  crashes=0
  if [ "$status" -ne 0 ]; then
    crashes=1
    failed=1
  fi
  printf '%-18s %8s %12s %8s\n' "$name" "$seconds" "$runs" "$crashes"
  if [ "$status" -ne 0 ]; then
    echo "--- $name failed (exit $status); the end of $log:"
    tail -40 "$log"
  fi
done
exit $failed
