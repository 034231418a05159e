#!/usr/bin/env bash
# The real program on a screen Qt scales by 2 (QT_SCALE_FACTOR=2), under
# Xvfb: on 1280 x 1024 the main frame and the map window both lie on the
# screen, the skin drawn at twice its size with the lists inside their frames
# and the outline cut at the scale; on 1024 x 768, where the map window
# cannot fit, it starts at the screen's top-left corner, so that none of its
# controls lies off the screen's top or left edge.
exe=${1:?usage: scaled_screen_test.sh TESSARY_EXECUTABLE}
source "$(dirname "$0")/xvfb_lib.sh"
top=${TESSARY_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
export QT_SCALE_FACTOR=2

bash "$top/scripts/make-demo-prefix.sh" "$E2E_TMP/demo" >/dev/null
cp "$exe" "$E2E_TMP/demo/tessary"

rgb() {  # rgb FILE X Y: the pixel as "R,G,B"
  /usr/bin/convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r+.5)],%[fx:int(255*p{'"$2,$3"'}.g+.5)],%[fx:int(255*p{'"$2,$3"'}.b+.5)]' info:
}
skin() { rgb "$top/src/forms/assets/mover_background.bmp" "$1" "$2"; }
# at X Y: the screen pixel at the map window's X, Y, both scaled by 2.
at() { rgb "$E2E_TMP/shot.png" $((wx + 2 * $1)) $((wy + 2 * $2)); }
# geometry ID: sets X, Y, WIDTH, HEIGHT of a window, in screen pixels.
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

# start: the program on the demo game; sets frame and mover to its windows.
start() {
  WINEPREFIX="$E2E_TMP/demo/prefix" "$E2E_TMP/demo/tessary" &
  pid=$!
  E2E_PIDS+=("$pid")
  frame=$(wait_window "$pid" '^  Tessary - Fennock Marrowby Edition$') || fail "the main frame did not appear"
  mover=
  for _ in $(seq 100); do
    for id in $(xdotool search --all --onlyvisible --pid "$pid" --name '^Tessary$' 2>/dev/null); do
      xdotool getwindowgeometry "$id" | grep -q 'Geometry: 1254x804' && mover=$id
    done
    [ -n "$mover" ] && break
    sleep 0.1
  done
  [ -n "$mover" ] || fail "no map window of twice its size appeared"
  sleep 0.5
}

stop() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  kill "$xvfb_pid"
  wait "$xvfb_pid" 2>/dev/null || true
}

# --- 1280 x 1024 ---
start_xvfb 1280x1024
xvfb_pid=${E2E_PIDS[-1]}
xsetroot -solid '#ff00ff'
start
for window in "$frame" "$mover"; do
  geometry "$window"
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 1280 ] && [ $((Y + HEIGHT)) -le 1024 ] ||
    fail "window $window at $X,$Y, $WIDTH x $HEIGHT, is not all on the 1280 x 1024 screen"
done
geometry "$mover"
wx=$X wy=$Y
xdotool windowmove "$frame" 1400 0  # out of the way, so the desktop shows where the outline cuts
sleep 0.5
shot scale-2
# The skin, each of its pixels twice as wide and high.
for p in "3 40" "316 17" "626 200" "20 200"; do
  [ "$(at $p)" = "$(skin $p)" ] || fail "($p) should show the skin there, shows $(at $p)"
  [ "$(rgb "$E2E_TMP/shot.png" $((wx + 2 * ${p% *} + 1)) $((wy + 2 * ${p#* } + 1)))" = "$(skin $p)" ] ||
    fail "($p) is not drawn two pixels wide and high"
done
# The lists at twice their places: the list colour just inside each list
# frame's picture.
for p in "47 200" "218 232" "412 200" "583 232"; do
  [ "$(at $p)" = "64,64,64" ] || fail "($p) should be inside a list, shows $(at $p)"
done
# The outline cut at the scale: the desktop shows at (0, 39), both rows.
[ "$(at 0 39)" = "255,0,255" ] && [ "$(rgb "$E2E_TMP/shot.png" "$wx" $((wy + 79)))" = "255,0,255" ] ||
  fail "the outline is not cut at (0, 39)"
[ "$(at 0 40)" != "255,0,255" ] || fail "(0, 40) should belong to the map window"
stop

# --- 1024 x 768: the map window is larger than the screen ---
start_xvfb 1024x768
xvfb_pid=${E2E_PIDS[-1]}
start
for window in "$frame" "$mover"; do
  geometry "$window"
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] || fail "window $window starts off the screen, at $X,$Y"
done
geometry "$frame"
[ $((X + WIDTH)) -le 1024 ] && [ $((Y + HEIGHT)) -le 768 ] || fail "the frame, $WIDTH x $HEIGHT, is larger than the screen"
stop
echo "scaled screen end-to-end: passed"
