#!/usr/bin/env bash
# The map window of Tessary.exe under Wine in an Xvfb display, driven with
# real mouse input: its outline is cut as the window shape says, a map is
# stored with its picture and installed again with the right mouse button
# (the files moving on disk), the window is dragged by its surface, and Exit
# ends the process. With TESSARY_SHOTS set, screenshots are kept there.
exe=${1:?usage: mapwindow_test.sh Tessary.exe}
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
source "$here/../e2e/xvfb_lib.sh"
run=$top/cmake/wine-run.sh
export WINEPREFIX=$E2E_TMP/prefix
trap 'wineserver -k 2>/dev/null || true; e2e_cleanup' EXIT
start_xvfb
xsetroot -solid '#ff00ff'
"$run" cmd /c exit >/dev/null 2>&1 || true

# The demo game on drive G:, found through the location cache.
bash "$top/scripts/make-demo-prefix.sh" "$E2E_TMP/demo" >/dev/null
dos=$WINEPREFIX/dosdevices
rm -f "$dos"/[abd-o]:
ln -s "$E2E_TMP/demo/prefix/drive_c" "$dos/g:"
maps="$E2E_TMP/demo/prefix/drive_c/Games/Fennock Marrowby/Home/Maps"
app=$E2E_TMP/app
mkdir -p "$app"
cp "$exe" "$app/Tessary.exe"
printf '"G:\\Games\\Fennock Marrowby\\Home\\Maps"\r\n' > "$app/maplog.txt"
"$run" "$app/Tessary.exe" &
pid=$!
E2E_PIDS+=("$pid")

frame=""
for _ in $(seq 600); do
  frame=$(xdotool search --onlyvisible --name '^  Tessary - Fennock Marrowby Edition$' 2>/dev/null |
          head -n 1 || true)
  [ -n "$frame" ] && break
  sleep 0.1
done
[ -n "$frame" ] || fail "the main frame did not appear"
mover=$(wait_map_window) || fail "the map window did not appear"
# Move the frame out of the way so the desktop shows where the shape cuts.
xdotool windowmove "$frame" 1400 0

origin() {
  eval "$(xdotool getwindowgeometry --shell "$mover")"
  wx=$X; wy=$Y
}
pixel() {  # pixel X Y (window coordinates) from the last screenshot
  /usr/bin/convert "$E2E_TMP/shot.png" -format "%[pixel:p{$((wx + $1)),$((wy + $2))}]" info:
}
shot() {
  import -window root "$E2E_TMP/shot.png"
  if [ -n "${TESSARY_SHOTS:-}" ]; then
    mkdir -p "$TESSARY_SHOTS"
    cp "$E2E_TMP/shot.png" "$TESSARY_SHOTS/$1.png"
  fi
}
origin
[ "$wx $wy" = "327 291" ] || fail "the map window is at $wx $wy, not at 327 291"
# The desktop shows through wherever the shape cuts the window away; the
# frame's old place is repainted once Wine has moved it, so look again until
# the screen has settled.
cut_as_shaped() {
  shot start
  desktop=$(/usr/bin/convert "$E2E_TMP/shot.png" -format '%[pixel:p{1279,1023}]' info:)
  for p in "0 39" "2 370" "316 16" "100 20" "626 39" "20 395" "0 0" "626 401"; do
    [ "$(pixel $p)" = "$desktop" ] || { echo "($p) should be cut away, shows $(pixel $p)"; return 1; }
  done
  for p in "0 40" "3 370" "316 17" "40 200" "626 200" "316 389" "626 40" "0 369"; do
    [ "$(pixel $p)" != "$desktop" ] || { echo "($p) should belong to the window"; return 1; }
  done
}
for _ in $(seq 20); do
  why=$(cut_as_shaped) && break
  sleep 0.5
done
[ -z "$why" ] || fail "$why"

click_at() {  # click_at X Y [BUTTON] in window coordinates
  xdotool mousemove "$((wx + $1))" "$((wy + $2))" click "${3:-1}"
  sleep 0.5
}
# The first game map (sorted: "Aspen Valley.gmx"): its picture shows; then
# the green Store face.
click_at 80 84
shot preview
click_at 288 227
[ -f "$maps/Stored Maps/Aspen Valley.gmx" ] || fail "the map was not stored"
[ -f "$maps/Stored Maps/Aspen Valley.bmp" ] || fail "the picture was not stored"
[ ! -e "$maps/Aspen Valley.gmx" ] || fail "the map is still in the game"
[ ! -e "$maps/Aspen Valley.bmp" ] || fail "the picture is still in the game"
# It is now first in the stored list; install it with the right button.
click_at 445 84
click_at 343 188 3
[ -f "$maps/Aspen Valley.gmx" ] || fail "the map was not installed"
[ -f "$maps/Aspen Valley.bmp" ] || fail "the picture was not installed"
[ ! -e "$maps/Stored Maps/Aspen Valley.gmx" ] || fail "the map is still stored"
cmp -s "$maps/Aspen Valley.bmp" "$top/demo/previews/demo_preview_1.bmp" ||
  fail "the picture changed on the way"

# Drag by the bare surface (left of the list frames).
before_x=$wx
xdotool mousemove "$((wx + 20))" "$((wy + 200))" mousedown 1
sleep 0.3
xdotool mousemove "$((wx + 45))" "$((wy + 215))"
sleep 0.3
xdotool mousemove "$((wx + 70))" "$((wy + 230))"
sleep 0.3
xdotool mouseup 1
sleep 0.5
origin
[ "$wx" -eq "$((before_x + 50))" ] || fail "dragged to $wx $wy from $before_x"
shot dragged

# Exit ends the process at once.
click_at 559 341
wait_exit "$pid" 10 || fail "Exit did not end the program"
echo "Windows map window end-to-end: passed"
