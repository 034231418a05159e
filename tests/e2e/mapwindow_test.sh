#!/usr/bin/env bash
# The map window of the real program under Xvfb, driven with real mouse
# input: its outline is cut as the window shape says, its lists hold the
# demo's maps, a map is stored and installed again with the files moving on
# disk, the window is dragged by its surface, and Exit ends the process.
exe=${1:?usage: mapwindow_test.sh TESSARY_EXECUTABLE}
source "$(dirname "$0")/xvfb_lib.sh"
top=${TESSARY_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
start_xvfb
xsetroot -solid '#ff00ff'

bash "$top/scripts/make-demo-prefix.sh" "$E2E_TMP/demo" >/dev/null
cp "$exe" "$E2E_TMP/demo/tessary"
maps="$E2E_TMP/demo/prefix/drive_c/Games/Fennock Marrowby/Home/Maps"
WINEPREFIX="$E2E_TMP/demo/prefix" "$E2E_TMP/demo/tessary" &
pid=$!
E2E_PIDS+=("$pid")

frame=$(wait_window "$pid" '^  Tessary - Fennock Marrowby Edition$') || fail "the main frame did not appear"
mover=$(wait_map_window "$pid") || fail "the map window did not appear"
# Move the frame out of the way so the desktop shows where the shape cuts.
xdotool windowmove "$frame" 1400 0
sleep 0.5

origin() {
  eval "$(xdotool getwindowgeometry --shell "$mover")"
  wx=$X; wy=$Y
}
pixel() {  # pixel X Y (window coordinates) from the last screenshot
  /usr/bin/convert "$E2E_TMP/shot.png" -format "%[pixel:p{$((wx + $1)),$((wy + $2))}]" info:
}
origin
import -window root "$E2E_TMP/shot.png"
desktop=$(/usr/bin/convert "$E2E_TMP/shot.png" -format '%[pixel:p{1279,1023}]' info:)
for p in "0 39" "2 370" "316 16" "100 20" "626 39" "20 395"; do
  [ "$(pixel $p)" = "$desktop" ] || fail "($p) should be cut away, shows $(pixel $p)"
done
for p in "0 40" "3 370" "316 17" "40 200" "626 200" "316 389"; do
  [ "$(pixel $p)" != "$desktop" ] || fail "($p) should belong to the window"
done

click_at() {  # click_at X Y [BUTTON] in window coordinates
  xdotool mousemove "$((wx + $1))" "$((wy + $2))" click "${3:-1}"
  sleep 0.4
}
# The first game map (sorted: "Aspen Valley.gmx"), then the green Store face.
click_at 80 84
click_at 288 227
[ -f "$maps/Stored Maps/Aspen Valley.gmx" ] || fail "the map was not stored"
[ -f "$maps/Stored Maps/Aspen Valley.bmp" ] || fail "the picture was not stored"
[ ! -e "$maps/Aspen Valley.gmx" ] || fail "the map is still in the game"
# It is now first in the stored list; install it with the right button.
click_at 445 84
click_at 343 188 3
[ -f "$maps/Aspen Valley.gmx" ] || fail "the map was not installed"
[ -f "$maps/Aspen Valley.bmp" ] || fail "the picture was not installed"
[ ! -e "$maps/Stored Maps/Aspen Valley.gmx" ] || fail "the map is still stored"

# Drag by the bare surface (left of the list frames).
before="$wx $wy"
xdotool mousemove "$((wx + 20))" "$((wy + 200))" mousedown 1
sleep 0.2
xdotool mousemove "$((wx + 70))" "$((wy + 230))"
sleep 0.2
xdotool mouseup 1
sleep 0.4
origin
[ "$wx $wy" != "$before" ] || fail "the window did not move when dragged"
[ "$((wx))" -eq "$(( ${before% *} + 50 ))" ] || fail "dragged to $wx $wy from $before"

# Exit ends the process at once.
click_at 559 341
wait_exit "$pid" 5 || fail "Exit did not end the program"
echo "map window end-to-end: passed"
