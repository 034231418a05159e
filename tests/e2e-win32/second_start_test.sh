#!/usr/bin/env bash
# A second start of Tessary.exe under Wine while it runs, under a window
# manager (openbox) in Xvfb: the running copy's map window comes back from
# its minimised frame, in front of it and active with it, and the second
# start ends by itself with status 0, leaving one map window. A running copy
# with no map window yet (still looking for the game) is reported to the
# player.
exe=${1:?usage: second_start_test.sh Tessary.exe}
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
source "$here/../e2e/xvfb_lib.sh"
run=$top/cmake/wine-run.sh
export WINEPREFIX=$E2E_TMP/prefix
trap 'wineserver -k 2>/dev/null || true; e2e_cleanup' EXIT
start_xvfb
start_openbox
"$run" cmd /c exit >/dev/null 2>&1 || true

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
map_windows() {  # the number of visible map windows
  local id n=0
  for id in $(xdotool search --all --onlyvisible --name '^Tessary$' 2>/dev/null); do
    xdotool getwindowgeometry "$id" | grep -q 'Geometry: 627x402' && n=$((n + 1))
  done
  echo "$n"
}
# wait_named NAME-REGEX [SECONDS]: the id of a visible window of that name.
wait_named() {
  local id
  for _ in $(seq $((${2:-60} * 10))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# The demo game on drive G:, found through the location cache.
bash "$top/scripts/make-demo-prefix.sh" "$E2E_TMP/demo" >/dev/null
dos=$WINEPREFIX/dosdevices
rm -f "$dos"/[abd-o]:
ln -s "$E2E_TMP/demo/prefix/drive_c" "$dos/g:"
app=$E2E_TMP/app
mkdir -p "$app"
cp "$exe" "$app/Tessary.exe"
printf '"G:\\Games\\Fennock Marrowby\\Home\\Maps"\r\n' > "$app/maplog.txt"
"$run" "$app/Tessary.exe" &
first=$!
E2E_PIDS+=("$first")
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
mkdir -p "$nogame"
cp "$exe" "$nogame/Tessary.exe"
"$run" "$nogame/Tessary.exe" &
searching=$!
E2E_PIDS+=("$searching")
wait_named '^Tessary$|^Game not found$' >/dev/null || fail "the copy without a game showed nothing"
"$run" "$nogame/Tessary.exe" &
second=$!
E2E_PIDS+=("$second")
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
