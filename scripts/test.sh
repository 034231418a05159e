#!/usr/bin/env bash
# Installs what is missing, fuzzes every reader of outside data for a bounded
# time, cross-builds and tests the Windows front under Wine, builds Tessary
# twice (plain, and with address and undefined-behaviour sanitizers) and runs
# every test in both builds.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/install-deps.sh test

jobs=$(nproc)
run_build() {  # run_build PRESET: configure, build and test one preset
  cmake --preset "$1"
  cmake --build --preset "$1" -j "$jobs"
  ctest --preset "$1" -j "$jobs"
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$top/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Every reader of outside data, fuzzed for a bounded time.
bash scripts/fuzz.sh "${TESSARY_FUZZ_SECONDS:-60}"

# The Windows front, cross-built and tested under Wine (32-bit where the
# machine runs 32-bit programs, else the 64-bit build under 64-bit Wine).
bash scripts/test-windows.sh

run_build dev
run_build sanitize
