#!/usr/bin/env bash
# Times the whole game search of a Linux start with no WINEPREFIX (finding
# the launchers' prefixes and Steam's libraries, the drive-type pass and the
# search pass) against fdfind on the same folders, alternating in one run.
# The home folder holds five launcher prefixes (two link d: to it) and a
# Steam root whose second library lies outside it, on "disk2"; 200,000 files
# in all; the game is in the second library's steamapps/common, the last
# place in Tessary's order. Warm cache, median of RUNS runs of each process.
# Prints each one's median and spread and the ratio of the medians.
#   run.sh [BUILD_DIR]   (a Release build is made there when missing)
set -euo pipefail

SOURCE_DIR=$(cd "$(dirname "$0")/../.." && pwd)
BUILD_DIR=${1:-$SOURCE_DIR/build/bench}
RUNS=${RUNS:-11}
WORK=$(mktemp -d /tmp/tessary-bench-XXXXXX)
trap 'rm -rf "$WORK"' EXIT

cmake -S "$SOURCE_DIR" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARY_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD_DIR" --target bench_game_search >/dev/null
BENCH=$BUILD_DIR/bench/game_search/bench_game_search

"$BENCH" make "$WORK"
HOME_DIR=$WORK/home
LIBRARY=$WORK/disk2/SteamLibrary
echo "$(find "$WORK" -type f | wc -l) files in $(find "$WORK" -type d | wc -l) folders"

expected="$LIBRARY/steamapps/common/Fennock Marrowby Edition/Home/Maps"
found=$("$BENCH" search "$HOME_DIR")
[ "$found" = "$expected" ] || { echo "tessary found: $found" >&2; exit 1; }

tessary=("$BENCH" search "$HOME_DIR")
# fd on the same files: the bench folder holding both the home folder and
# the second disk, and the two given as roots in Tessary's order (fd walks
# its roots in parallel, the last one first). fd stops at the first hit in
# any order, so it is quick when a thread happens into the second disk
# early; Tessary must first have read every place before it (all of HOME),
# which fd does over HOME alone, where there is no game.
fd_one=(fdfind -u -i -g -1 Marrowby.exe "$WORK")
fd_two=(fdfind -u -i -g -1 Marrowby.exe "$HOME_DIR" "$WORK/disk2")
fd_home=(fdfind -u -i -g -1 Marrowby.exe "$HOME_DIR")
for cmd in fd_one fd_two fd_home; do
    declare -n c=$cmd
    echo "${c[*]} -> $("${c[@]}")"
done

declare -A times
for name in tessary fd_one fd_two fd_home; do times[$name]=""; done
for _ in 1 2; do "${tessary[@]}" >/dev/null 2>&1; "${fd_one[@]}" >/dev/null; "${fd_two[@]}" >/dev/null; done  # warm
for _ in $(seq "$RUNS"); do
    for name in tessary fd_one fd_two fd_home; do
        declare -n c=$name
        start=$(date +%s%N)
        "${c[@]}" >/dev/null 2>&1
        end=$(date +%s%N)
        times[$name]+="$(( (end - start) / 1000 )) "
    done
done

# Median, then spread (quartiles and min..max), in ms, of a list of times in us.
stats() {
    printf '%s\n' $1 | sort -n | awk '{ t[NR] = $1 / 1000 } END {
        printf "%7.1f ms  (quartiles %.1f..%.1f, range %.1f..%.1f)", t[int((NR + 1) / 2)],
            t[int((NR + 3) / 4)], t[int((3 * NR + 1) / 4)], t[1], t[NR] }'
}
median_us() { printf '%s\n' $1 | sort -n | sed -n "$(( (RUNS + 1) / 2 ))p"; }
t=$(median_us "${times[tessary]}")
f1=$(median_us "${times[fd_one]}")
f2=$(median_us "${times[fd_two]}")
f3=$(median_us "${times[fd_home]}")
echo "$RUNS runs each, alternating, on $(nproc) cores:"
printf '%-46s %s\n' "tessary (discovery and search)" "$(stats "${times[tessary]}")"
printf '%-46s %s\n' "fdfind -u -i -g -1 over the bench folder" "$(stats "${times[fd_one]}")"
printf '%-46s %s\n' "fdfind -u -i -g -1 over HOME and the library" "$(stats "${times[fd_two]}")"
printf '%-46s %s\n' "fdfind -u -i -g -1 over HOME alone (no hit)" "$(stats "${times[fd_home]}")"
awk -v t="$t" -v a="$f1" -v b="$f2" -v c="$f3" 'BEGIN {
    printf "ratio of medians, tessary / fdfind -u -i -g -1 over the bench folder: %.2f\n", t / a
    printf "ratio of medians, tessary / fdfind over HOME and the library:        %.2f\n", t / b
    printf "ratio of medians, tessary / fdfind over HOME alone (no hit):         %.2f\n", t / c
}'
