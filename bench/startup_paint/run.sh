#!/usr/bin/env bash
# Start-to-paint time of Tessary's map window (location cache present, so no
# drive scan) beside a bare Qt program showing one window, under Xvfb; and
# beside the same bare window holding one line of text in the platform's
# default font, which shows what the first text alone costs.
#   run.sh BUILD_DIR   (a Release build: cmake -DCMAKE_BUILD_TYPE=Release)
# Each program runs RUNS times, alternating; median and min in milliseconds
# from the launch (fork+exec included), from the kernel's process start
# (whole 10 ms clock ticks) and from main(). Then the ratio of Tessary to the
# bare window with text, run by run (median and spread), and the peak memory
# at the first paint (resident set, /usr/bin/time -f %M, median of 5 each).
build=$(cd "${1:?usage: run.sh BUILD_DIR}" && pwd)
top=$(cd "$(dirname "$0")/../.." && pwd)
RUNS=${RUNS:-15}
source "$top/tests/e2e/xvfb_lib.sh"
start_xvfb

bench="$build/bench/startup_paint"
cmake --build "$build" --target bench_startup_paint bench_bare_window >/dev/null || fail "build failed"
bash "$top/scripts/make-demo-prefix.sh" "$E2E_TMP/demo" >/dev/null
app="$E2E_TMP/app"
mkdir -p "$app"
cp "$bench/bench_startup_paint" "$app/"
printf '"%s"\r\n' "$E2E_TMP/demo/prefix/drive_c/Games/Fennock Marrowby/Home/Maps" > "$app/maplog.txt"
touch -d 2000-01-01 "$app/maplog.txt"  # a drive scan would write it again
export WINEPREFIX="$E2E_TMP/demo/prefix"

# run NAME EXE [ARG]: one run; appends "launch start main" to $E2E_TMP/NAME.
run() {
    local out
    out=$(BENCH_LAUNCH_US=${EPOCHREALTIME/[.,]/} timeout 20 "${@:2}" 2>/dev/null) || fail "$1 did not paint"
    echo "$out" | awk '{print $2, $4, $6}' >> "$E2E_TMP/$1"
}
runs() {
    run tessary "$app/bench_startup_paint"
    run bare "$bench/bench_bare_window"
    run text "$bench/bench_bare_window" --text
}
runs  # warms the caches
rm -f "$E2E_TMP/tessary" "$E2E_TMP/bare" "$E2E_TMP/text"
for _ in $(seq "$RUNS"); do runs; done
[ "$(date -r "$app/maplog.txt" +%Y)" = 2000 ] || fail "the cache was rewritten: the drives were scanned"

# summary NAME COLUMN: "median min" of one column.
summary() {
    cut -d' ' -f"$2" "$E2E_TMP/$1" | sort -g | awk '{v[NR] = $1} END {
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f %.1f", m, v[1] }'
}
echo "machine: $(nproc) cores, $(. /etc/os-release 2>/dev/null && echo "$PRETTY_NAME"), $(date -u +%Y-%m-%d)"
echo "start-to-paint, $RUNS runs each (ms)      median    min"
for column in 1 2 3; do
    label=$(echo "from launch|from process start|from main()" | cut -d'|' -f"$column")
    read -r tm tn <<<"$(summary tessary "$column")"
    read -r bm bn <<<"$(summary bare "$column")"
    read -r xm xn <<<"$(summary text "$column")"
    printf '%-18s tessary %8.1f %6.1f\n' "$label" "$tm" "$tn"
    printf '%-18s bare    %8.1f %6.1f\n' "" "$bm" "$bn"
    printf '%-18s ratio   %8.2f %6.2f\n' "" "$(echo "$tm / $bm" | bc -l)" "$(echo "$tn / $bn" | bc -l)"
    printf '%-18s bare+text %6.1f %6.1f\n' "" "$xm" "$xn"
    printf '%-18s ratio     %6.2f %6.2f\n' "" "$(echo "$tm / $xm" | bc -l)" "$(echo "$tn / $xn" | bc -l)"
done

# Tessary against the bare window with text, run by run (the runs alternate,
# so each pair shares the machine's state): median, quartiles and extremes.
echo
echo "tessary / bare+text, run by run   median  (middle half)    (all)"
for column in 1 3; do
    label=$(echo "from launch||from main()" | cut -d'|' -f"$column")
    paste -d' ' <(cut -d' ' -f"$column" "$E2E_TMP/tessary") <(cut -d' ' -f"$column" "$E2E_TMP/text") |
        awk '{print $1 / $2}' | sort -g | awk -v label="$label" '{v[NR] = $1} END {
            m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%-30s %8.2f  (%.2f-%.2f)  (%.2f-%.2f)\n", label, m, v[int((NR + 3) / 4)], v[int((3 * NR + 3) / 4)], v[1], v[NR] }'
done

# Peak memory at the first paint: each program 5 times, alternating.
command -v /usr/bin/time >/dev/null || fail "/usr/bin/time is needed (package time)"
peak() {  # peak NAME EXE [ARG]: appends the peak resident set in kB to $E2E_TMP/NAME.rss
    /usr/bin/time -f %M -o "$E2E_TMP/time.out" timeout 20 "${@:2}" >/dev/null 2>&1 || fail "$1 did not paint"
    tail -n 1 "$E2E_TMP/time.out" >> "$E2E_TMP/$1.rss"
}
for _ in 1 2 3 4 5; do
    peak tessary "$app/bench_startup_paint"
    peak bare "$bench/bench_bare_window"
    peak text "$bench/bench_bare_window" --text
done
median_kb() { sort -n "$E2E_TMP/$1.rss" | sed -n 3p; }
tk=$(median_kb tessary) bk=$(median_kb bare) xk=$(median_kb text)
echo
echo "peak memory at first paint, median of 5 (MB)"
printf 'tessary   %6.1f\nbare      %6.1f\nbare+text %6.1f\n' "$(echo "$tk / 1024" | bc -l)" \
    "$(echo "$bk / 1024" | bc -l)" "$(echo "$xk / 1024" | bc -l)"
printf 'tessary - bare+text %+.1f MB (%.2fx)\n' "$(echo "($tk - $xk) / 1024" | bc -l)" "$(echo "$tk / $xk" | bc -l)"
[ "$(date -r "$app/maplog.txt" +%Y)" = 2000 ] || fail "the cache was rewritten: the drives were scanned"
