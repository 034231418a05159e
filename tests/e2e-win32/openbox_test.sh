#!/usr/bin/env bash
# Tessary.exe under Wine with a window manager (openbox) in Xvfb: the splash
# is painted while a long drive scan blocks the program, the map window stays
# in front of the frame when the frame is clicked, Exit can be pressed beside
# a preview larger than its area, and Alt+F4 on the map window ends the
# program. With TESSARY_SHOTS set, screenshots are kept there.
exe=${1:?usage: openbox_test.sh Tessary.exe}
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
source "$here/../e2e/xvfb_lib.sh"
run=$top/cmake/wine-run.sh
export WINEPREFIX=$E2E_TMP/prefix
# In memory where there is some: made in a moment, read as fast every time.
big=$(mktemp -d "$( [ -d /dev/shm ] && [ -w /dev/shm ] && echo /dev/shm || echo "$E2E_TMP")/tessary-tree.XXXXXX")
trap 'wineserver -k 2>/dev/null || true; rm -rf "$big"; e2e_cleanup' EXIT
start_xvfb
start_openbox
xsetroot -solid '#ff00ff'
"$run" cmd /c exit >/dev/null 2>&1 || true

shot() {  # shot NAME: the screen into $E2E_TMP/shot.png (and kept when asked)
  import -window root "$E2E_TMP/shot.png"
  if [ -n "${TESSARY_SHOTS:-}" ]; then mkdir -p "$TESSARY_SHOTS"; cp "$E2E_TMP/shot.png" "$TESSARY_SHOTS/$1.png"; fi
}
pixel() {  # pixel X Y (screen coordinates) of the last screenshot
  /usr/bin/convert "$E2E_TMP/shot.png" -format "%[pixel:p{$1,$2}]" info:
}
visible() {  # visible NAME-REGEX: the ids of the visible windows of that name
  xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

# --- The splash during a long scan: D: to F: show one tree of 6,000
# folders without the game, which is on G: (C: is Windows' own) ---
bash "$top/scripts/make-demo-prefix.sh" "$E2E_TMP/demo" >/dev/null
dos=$WINEPREFIX/dosdevices
rm -f "$dos"/[abd-o]:
(cd "$big" && mkdir -p f{1..60}/g{1..100})
for d in d e f; do ln -s "$big" "$dos/$d:"; done
ln -s "$E2E_TMP/demo/prefix/drive_c" "$dos/g:"
app=$E2E_TMP/app
mkdir -p "$app"
cp "$exe" "$app/Tessary.exe"
"$run" "$app/Tessary.exe" &
pid=$!
E2E_PIDS+=("$pid")
splash=""
for _ in $(seq 600); do
  for id in $(visible '^Tessary$'); do
    xdotool getwindowgeometry "$id" | grep -q 'Geometry: 630x386' && splash=$id
  done
  [ -n "$splash" ] && break
  sleep 0.05
done
[ -n "$splash" ] || fail "the splash window did not appear"
sleep 1
shot splash-mid-scan
[ -z "$(visible '^  Tessary - Fennock Marrowby Edition$')" ] || fail "the scan was over before the splash could be looked at"
eval "$(xdotool getwindowgeometry --shell "$splash")"
# Its picture: neither black nor the desktop behind it.
for p in "300 150" "20 20"; do
  seen=$(pixel $((X + ${p% *})) $((Y + ${p#* })))
  [ "$seen" != "srgb(0,0,0)" ] && [ "$seen" != "srgb(255,0,255)" ] || fail "the splash is not painted mid-scan ($p: $seen)"
done
filled=$(pixel $((X + 200)) $((Y + 315)))
empty=$(pixel $((X + 460)) $((Y + 315)))
[ "$filled" != "$empty" ] || fail "the bar is not past its first mark mid-scan ($filled)"
frame=""
for _ in $(seq 1200); do
  frame=$(visible '^  Tessary - Fennock Marrowby Edition$' | head -n 1)
  [ -n "$frame" ] && break
  sleep 0.1
done
[ -n "$frame" ] || fail "the main frame did not appear"
mover=$(wait_map_window) || fail "the map window did not appear"

# --- The map window stays in front when the frame's title bar is clicked ---
check_mover_in_front "$frame" "$mover" 1

# --- "Canyon Run" (a 400 x 200 preview) chosen: Exit is still there ---
check_exit_beside_large_preview "$pid" 1 10

# --- Alt+F4 on the map window ends the program (the cache is used now) ---
"$run" "$app/Tessary.exe" &
pid=$!
E2E_PIDS+=("$pid")
mover=$(wait_map_window) || fail "the map window did not appear again"
sleep 1
xdotool windowactivate --sync "$mover" 2>/dev/null || true
xdotool key --clearmodifiers alt+F4
wait_exit "$pid" 20 || fail "Alt+F4 on the map window did not end the program"
echo "Windows openbox end-to-end: passed"
