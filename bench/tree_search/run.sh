#!/usr/bin/env bash
# Times the folder-tree search against find and fd on generated trees:
# 20,000 folders holding 200,000 files, and the same folders holding 20,000
# files (peak memory must not grow with the file count). Warm cache, median
# of several runs of each whole process.
set -euo pipefail

SOURCE_DIR=$(cd "$(dirname "$0")/../.." && pwd)
BUILD_DIR=${BUILD_DIR:-$SOURCE_DIR/build/bench}
RUNS=${RUNS:-7}
WORK=$(mktemp -d /tmp/tessary-bench-XXXXXX)
trap 'rm -rf "$WORK"' EXIT

cmake -S "$SOURCE_DIR" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARY_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD_DIR" --target bench_tree_search >/dev/null
BENCH=$BUILD_DIR/bench/tree_search/bench_tree_search

"$BENCH" make "$WORK/big" 20000 10
"$BENCH" make "$WORK/small" 20000 1

# Median wall time in milliseconds of RUNS runs of a command.
median_ms() {
    local times=()
    "$@" >/dev/null 2>&1 || true  # warm the cache
    for _ in $(seq "$RUNS"); do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1 || true
        end=$(date +%s%N)
        times+=($(( (end - start) / 1000000 )))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (RUNS + 1) / 2 ))p"
}

for tree in big small; do
    ROOT="$WORK/$tree/"
    echo "== $tree tree: $(find "$ROOT" -type d | wc -l) folders, $(find "$ROOT" -type f | wc -l) files"
    printf '%-28s %6s ms\n' "tessary (whole process)" "$(median_ms "$BENCH" search "$ROOT" Marrowby.exe 1)"
    printf '%-28s %6s ms\n' "find -iname -quit" "$(median_ms find "$ROOT" -iname Marrowby.exe -print -quit)"
    printf '%-28s %6s ms\n' "fdfind -u -i -g -1" "$(median_ms fdfind -u -i -g -1 Marrowby.exe "$ROOT")"
    printf '%-28s %6s ms\n' "fdfind -j1 -u -i -g -1" "$(median_ms fdfind -j1 -u -i -g -1 Marrowby.exe "$ROOT")"
    echo -n "tessary in process: "
    "$BENCH" search "$ROOT" Marrowby.exe "$RUNS"
done
