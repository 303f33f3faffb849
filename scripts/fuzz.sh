#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz (with clang, in build-fuzz) and runs them.
#   scripts/fuzz.sh [SECONDS]   fuzzes every target for SECONDS (default 60), starting
#                               from its corpus; new inputs go to a scratch folder
#   scripts/fuzz.sh --replay    runs every target once over each file of its corpus
# Exits non-zero when any target reports a failure; the failing input is kept in
# build-fuzz/artifacts/<target>/ (add it to the corpus as crash-<what> once fixed).
set -euo pipefail

usage() { echo "usage: $0 [SECONDS | --replay]" >&2; exit 2; }

mode=fuzz
seconds=60
case "${1:-}" in
  "") ;;
  --replay) mode=replay ;;
  *[!0-9]* | 0) usage ;;
  *) seconds=$1 ;;
esac
(($# <= 1)) || usage

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
corpus="$root/tests/fuzz/corpus"

bash "$root/scripts/setup.sh"
CC=clang-14 CXX=clang++-14 cmake -S "$root/tests/fuzz" -B "$build" -G Ninja >/dev/null
cmake --build "$build"
mapfile -t targets < <(grep -v '^$' "$build/fuzz-targets.txt")

# The targets that write files sync each one; on a memory file system that is free,
# so they run many times faster there.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Inputs are small texts; archives need room for a few entries.
declare -A max_len=([Unzip]=65536)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Runs one target; its execution count and exit status land in the scratch folder.
run_target() {
  local target=$1
  local program="$build/${target}Fuzz"
  local log="$scratch/$target.log"
  local artifacts="$build/artifacts/$target"
  mkdir -p "$artifacts" "$scratch/$target" "$corpus/$target"
  local options=(-rss_limit_mb=2048 -timeout=10 -artifact_prefix="$artifacts/")
  local status=0 runs
  if [ "$mode" = replay ]; then
    # Each file as it is: a corpus folder would cut inputs down to the length limit.
    local inputs
    mapfile -t inputs < <(find "$corpus/$target" -type f | sort)
    if ((${#inputs[@]})); then
      "$program" "${options[@]}" "${inputs[@]}" >"$log" 2>&1 || status=$?
    fi
    runs=${#inputs[@]}
  else
    # New inputs land in the first folder (scratch); the repository corpus is only read.
    "$program" "${options[@]}" -max_len="${max_len[$target]:-4096}" -max_total_time="$seconds" \
      -print_final_stats=1 "$scratch/$target" "$corpus/$target" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  fi
  echo "$runs" >"$scratch/$target.runs"
  echo "$status" >"$scratch/$target.status"
}

# One target per processor at a time.
jobs=$(nproc)
for target in "${targets[@]}"; do
  echo "== $target"
  while (($(jobs -rp | wc -l) >= jobs)); do wait -n || true; done
  run_target "$target" &
done
wait

declare -A runs result
failed=0
for target in "${targets[@]}"; do
  runs[$target]=$(cat "$scratch/$target.runs" 2>/dev/null || echo "?")
  status=$(cat "$scratch/$target.status" 2>/dev/null || echo 1)
  if ((status == 0)); then
    result[$target]=ok
  else
    result[$target]="FAILED ($status)"
    failed=1
    tail -n 60 "$scratch/$target.log" >&2
    echo "== $target: failing input kept in $build/artifacts/$target/" >&2
  fi
done

echo
if [ "$mode" = replay ]; then
  printf '%-16s %12s  %s\n' target inputs result
else
  printf '%-16s %12s  %s\n' target executions result
fi
for target in "${targets[@]}"; do
  printf '%-16s %12s  %s\n' "$target" "${runs[$target]:-?}" "${result[$target]}"
done
exit "$failed"
