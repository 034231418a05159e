#!/usr/bin/env bash
# A second start of Tessary.exe under Wine while it runs, under a window
# manager (openbox) in Xvfb: the running copy's map window comes back from
# its minimised frame, in front of it and active with it, and the second
# start ends by itself with status 0, leaving one map window. A running copy
# with no map window yet (still looking for the game) is reported to the
# player.
source "$(dirname "$0")/wine_lib.sh"
start_wine openbox

# The demo game on drive G:, found through the location cache.
demo_game_on_g
app=$E2E_TMP/app
install_app "$app" cached
run_app "$app"
first=$pid
frame=$(wait_named '^  Tessary - Fennock Marrowby Edition$') || fail "the main frame did not appear"
mover=$(wait_map_window) || fail "the map window did not appear"
sleep 1
xdotool windowminimize "$frame"
for _ in $(seq 50); do viewable "$mover" || break; sleep 0.1; done
! viewable "$mover" || fail "the map window stayed on screen with its frame minimised"

# --- The second start hands over and ends ---
status=0
timeout 60 "$run" "$app/Tessary.exe" || status=$?
[ "$status" -eq 0 ] || fail "the second start ended with status $status"
for _ in $(seq 50); do viewable "$mover" && break; sleep 0.1; done
viewable "$mover" || fail "the running copy's map window did not come back"
# Under Wine the window manager's focus on the frame it maps again comes
# last: the frame or the map window in front of it is active.
# On a busy machine the focus may take a moment to settle.
for _ in $(seq 100); do
  active=$(xdotool getactivewindow 2>/dev/null || true)
  { [ "$active" = "$mover" ] || [ "$active" = "$frame" ]; } && break
  sleep 0.1
done
[ "$active" = "$mover" ] || [ "$active" = "$frame" ] || fail "the running copy is not the active program"
stacked_above "$mover" "$frame" || fail "the map window came back behind its frame"
[ "$(map_windows)" -eq 1 ] || fail "$(map_windows) map windows after the second start"
kill -0 "$first" 2>/dev/null || fail "the running copy ended"
wineserver -k 2>/dev/null || true
wait "$first" 2>/dev/null || true

# --- The running copy looks for a game that is not there: the second
# start says that Tessary is already running ---
rm "$dos/g:"
nogame=$E2E_TMP/nogame
install_app "$nogame"
run_app "$nogame"
wait_named '^Tessary$|^Game not found$' >/dev/null || fail "the copy without a game showed nothing"
run_app "$nogame"
second=$pid
wait_named '^Tessary --- Fennock Marrowby$' >/dev/null || fail "the second start showed no message"
# OK on the message box; Wine may replace its X window meanwhile, so the box
# is looked up again until the second start has ended.
for _ in $(seq 20); do
  box=$(xdotool search --onlyvisible --name '^Tessary --- Fennock Marrowby$' 2>/dev/null | head -n 1 || true)
  if [ -n "$box" ]; then
    xdotool windowactivate --sync "$box" 2>/dev/null || true
    xdotool key --window "$box" Return 2>/dev/null || true
  fi
  wait_exit "$second" 1 && break
done
wait_exit "$second" 20 || fail "the second start did not end after its message"
status=0
wait "$second" || status=$?
[ "$status" -eq 1 ] || fail "the second start ended with status $status after its message"
echo "Windows second start end-to-end: passed"
