#!/usr/bin/env bash
# A second start of the real program while it runs, under a window manager
# (openbox) in Xvfb: the running copy's map window comes back from its
# minimised frame, in front and active, and the second start ends by itself
# with status 0, leaving one map window. A copy killed outright does not keep
# the next start from opening; a running copy with no map window yet (its
# game not found) is reported to the player.
exe=${1:?usage: second_start_test.sh TESSARY_EXECUTABLE}
source "$(dirname "$0")/xvfb_lib.sh"
top=${TESSARY_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
start_xvfb
start_openbox

bash "$top/scripts/make-demo-prefix.sh" "$E2E_TMP/demo" >/dev/null
export WINEPREFIX=$E2E_TMP/demo/prefix
app="$E2E_TMP/app"
mkdir -p "$app"
cp "$exe" "$app/tessary"
"$app/tessary" &
first=$!
E2E_PIDS+=("$first")
frame=$(wait_window "$first" '^  Tessary - Fennock Marrowby Edition$' 60) || fail "the main frame did not appear"
mover=$(wait_map_window "$first") || fail "the map window did not appear"
sleep 0.5
xdotool windowminimize "$frame"
for _ in $(seq 50); do viewable "$mover" || break; sleep 0.1; done
! viewable "$mover" || fail "the map window stayed on screen with its frame minimised"

# --- The second start hands over and ends ---
status=0
timeout 15 "$app/tessary" || status=$?
[ "$status" -eq 0 ] || fail "the second start ended with status $status"
for _ in $(seq 50); do viewable "$mover" && break; sleep 0.1; done
viewable "$mover" || fail "the running copy's map window did not come back"
for _ in $(seq 50); do [ "$(xdotool getactivewindow 2>/dev/null)" = "$mover" ] && break; sleep 0.1; done
[ "$(xdotool getactivewindow 2>/dev/null)" = "$mover" ] || fail "the map window is not the active window"
stacked_above "$mover" "$frame" || fail "the map window came back behind its frame"
[ "$(map_windows)" -eq 1 ] || fail "$(map_windows) map windows after the second start"
kill -0 "$first" 2>/dev/null || fail "the running copy ended"

# --- A copy killed outright leaves its lock and socket behind: the next
# start opens all the same ---
kill -KILL "$first"
wait "$first" 2>/dev/null || true
"$app/tessary" &
third=$!
E2E_PIDS+=("$third")
wait_map_window "$third" >/dev/null || fail "a start after a killed copy did not open its map window"
kill "$third"
wait "$third" 2>/dev/null || true

# --- The running copy has no map window (its message that the game cannot
# be found is up): the second start says that Tessary is already running ---
nogame="$E2E_TMP/nogame"
mkdir -p "$nogame"
cp "$exe" "$nogame/tessary"
make_prefix "$E2E_TMP/empty-prefix"
WINEPREFIX=$E2E_TMP/empty-prefix "$nogame/tessary" &
searching=$!
E2E_PIDS+=("$searching")
wait_window "$searching" '^Game not found$' >/dev/null || fail "the not-found message did not appear"
WINEPREFIX=$E2E_TMP/empty-prefix "$nogame/tessary" &
second=$!
E2E_PIDS+=("$second")
box=$(wait_window "$second" '^Tessary --- Fennock Marrowby$') || fail "the second start showed no message"
xdotool windowactivate --sync "$box" 2>/dev/null || true
xdotool key Return
wait_exit "$second" 10 || fail "the second start did not end after its message"
status=0
wait "$second" || status=$?
[ "$status" -eq 1 ] || fail "the second start ended with status $status after its message"
echo "second start end-to-end: passed"
