#!/usr/bin/env bash
# Builds the fuzz targets with clang 14 (libFuzzer with address and
# undefined-behaviour sanitizers; CXX_FUZZ names another clang) through the
# CMake preset "fuzz", and runs each from its seed corpus for SECONDS
# (default 60), as many side by side as the machine has cores. Fails on any
# crash, leak, hang or sanitizer report; prints how many inputs each target
# ran.
#   fuzz.sh [SECONDS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
out="$top/build/fuzz"
mkdir -p "$out"

# The targets: fuzz/*_fuzz.cpp, each a target of the CMake build (preset
# "fuzz", option TESSARY_FUZZ) against the program's own libraries.
targets=()
for source in "$top"/fuzz/*_fuzz.cpp; do
  name=${source##*/}
  targets+=("${name%_fuzz.cpp}")
done

# side_by_side FUNCTION ITEM...: runs FUNCTION ITEM for every item, as many
# at a time as the machine has cores, and waits for all of them.
slots=$(nproc)
side_by_side() {
  local run=$1 item
  shift
  for item in "$@"; do
    while [ "$(jobs -rp | wc -l)" -ge "$slots" ]; do wait -n || true; done
    "$run" "$item" &
  done
  wait
}

echo "Building ${targets[*]}"
(cd "$top" && cmake --preset fuzz ${CXX_FUZZ:+-DCMAKE_CXX_COMPILER="$CXX_FUZZ"} >/dev/null &&
  cmake --build --preset fuzz -j "$slots")

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Writes the target's summary line to $out/$target.summary.
fuzz() {
  local target=$1 status runs
  # New inputs go to a scratch corpus; the committed seeds stay as they are.
  local work="$out/corpus/$target" log="$out/$target.log"
  mkdir -p "$work"
  if (cd "$out" && "./${target}_fuzz" -artifact_prefix="$out/$target-" -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$work" "$top/fuzz/corpus/$target" \
        >"$log" 2>&1); then
    status=ok
  else
    status=FAILED
  fi
  runs=$(grep -o 'Done [0-9]* runs' "$log" | tail -n 1 | grep -o '[0-9]*' || true)
  # A run that stopped early has no "Done" line, only its final stats.
  [ -n "$runs" ] || runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  printf '%-16s %-7s %s executions\n' "$target" "$status" "${runs:-?}" >"$out/$target.summary"
}

echo "Fuzzing ${targets[*]} for ${seconds}s each, $slots at a time"
rm -f "$out"/*.summary
side_by_side fuzz "${targets[@]}"

failed=0
for target in "${targets[@]}"; do
  if ! grep -q '^[^ ]* *ok ' "$out/$target.summary" 2>/dev/null; then
    failed=1
    echo "--- $target" >&2
    tail -n 40 "$out/$target.log" >&2 || true
  fi
done
for target in "${targets[@]}"; do cat "$out/$target.summary" 2>/dev/null || echo "$target: no result"; done
exit "$failed"
