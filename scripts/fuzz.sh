#!/usr/bin/env bash
# Builds the fuzz targets with clang 14 (libFuzzer with address and
# undefined-behaviour sanitizers) and runs each from its seed corpus for
# SECONDS (default 60). Fails on any crash, leak, hang or sanitizer report;
# prints how many inputs each target ran.
#   fuzz.sh [SECONDS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
out="$top/build/fuzz"
mkdir -p "$out"

cxx=${CXX_FUZZ:-clang++-14}
flags=(-std=c++20 -g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=undefined -I"$top/src")

# target: the plain C++ sources it needs
declare -A sources=(
  [location_cache]="src/startup/location_cache_text.cpp"
  [wine_registry]="src/platform/posix/wine_registry.cpp"
  [pattern]="src/platform/pattern.cpp"
  [bmp_picture]="src/forms/bmp_picture.cpp src/forms/bmp_rle.cpp"
  [shape_transform]="src/shape/shape_transform.cpp src/shape/shape_steps.cpp src/shape/shape_tables.cpp"
  [steam_library_folders]="src/platform/posix/steam_library_folders.cpp"
)
targets=(location_cache wine_registry pattern bmp_picture shape_transform steam_library_folders)

for target in "${targets[@]}"; do
  files=("$top/fuzz/${target}_fuzz.cpp")
  for source in ${sources[$target]}; do files+=("$top/$source"); done
  echo "Building $target"
  "$cxx" "${flags[@]}" "${files[@]}" -o "$out/${target}_fuzz"
done

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

failed=0
summary=()
for target in "${targets[@]}"; do
  # New inputs go to a scratch corpus; the committed seeds stay as they are.
  work="$out/corpus/$target"
  mkdir -p "$work"
  log="$out/$target.log"
  echo "Fuzzing $target for ${seconds}s"
  if (cd "$out" && "./${target}_fuzz" -artifact_prefix="$out/$target-" -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$work" "$top/fuzz/corpus/$target" \
        >"$log" 2>&1); then
    status=ok
  else
    status=FAILED
    failed=1
    tail -n 40 "$log"
  fi
  runs=$(grep -o 'Done [0-9]* runs' "$log" | tail -n 1 | grep -o '[0-9]*' || true)
  # A run that stopped early has no "Done" line, only its final stats.
  [ -n "$runs" ] || runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  summary+=("$(printf '%-16s %-7s %s executions' "$target" "$status" "${runs:-?}")")
done

printf '%s\n' "${summary[@]}"
exit "$failed"
