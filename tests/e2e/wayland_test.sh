#!/usr/bin/env bash
# The real program on Qt's Wayland platform under weston. There a program
# cannot place or cut its top-level windows, so the map window lives inside
# the main frame's client area. Headless, by screenshots: the frame and the
# map window in it with the frame's backdrop showing around its outline, the
# maps in both lists, the message of a start that finds no game. On a weston
# shown on Xvfb, with xdotool's mouse reaching it through
# weston's window: choosing maps, storing and installing one (the files move
# on disk), dragging the map window by its surface, and Exit.
exe=${1:?usage: wayland_test.sh TESSARY_EXECUTABLE}
source "$(dirname "$0")/xvfb_lib.sh"
source "$(dirname "$0")/wayland_lib.sh"
top=${TESSARY_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
unset DISPLAY

bash "$top/scripts/make-demo-prefix.sh" "$E2E_TMP/demo" >/dev/null
cp "$exe" "$E2E_TMP/demo/tessary"
maps="$E2E_TMP/demo/prefix/drive_c/Games/Fennock Marrowby/Home/Maps"
frame_w=675 frame_h=563
# The map window is centred in the frame's client area.
mx=24 my=61

rgb() {  # rgb FILE X Y: the pixel as "R,G,B"
  /usr/bin/convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r+.5)],%[fx:int(255*p{'"$2,$3"'}.g+.5)],%[fx:int(255*p{'"$2,$3"'}.b+.5)]' info:
}
at() { rgb "$E2E_TMP/shot.png" $((cx + mx + $1)) $((cy + my + $2)); }   # at X Y: map window coordinates
backdrop() { rgb "$top/src/forms/assets/frame.bmp" $((mx + $1)) $((my + $2)); }

# wait_frame SHOOT: takes shots until the frame with the map window in it is
# on the screen (the map window's list backgrounds show), setting cx, cy.
wait_frame() {
  for _ in $(seq 100); do
    if "$1" && find_frame_client "$frame_w" "$frame_h" && [ "$(at 100 200)" = "64,64,64" ]; then return 0; fi
    kill -0 "$pid" 2>/dev/null || fail "the program ended"
    sleep 0.2
  done
  keep_shot no-frame
  fail "the frame with the map window did not appear ($(drawn_box))"
}

skin() { rgb "$top/src/forms/assets/mover_background.bmp" "$1" "$2"; }

# The map window in its place: its bare surface is the skin, and nothing
# of it lies outside the frame (the shot's drawn box is the frame's).
check_in_place() {
  local p
  for p in "3 40" "316 17" "626 200" "3 370" "20 200"; do
    [ "$(at $p)" = "$(skin $p)" ] || fail "($p) should show the map window's surface, shows $(at $p)"
  done
  read -r w h _ < <(drawn_box)
  [ "$w $h" = "$frame_box" ] || fail "something lies outside the frame: $w x $h drawn"
}
# --- Headless weston: the outline, the lists, a message ---
start_weston headless-backend.so
WINEPREFIX="$E2E_TMP/demo/prefix" "$E2E_TMP/demo/tessary" &
pid=$!
E2E_PIDS+=("$pid")
wait_frame wl_shot
keep_shot wayland-headless
# The frame with the title bar and borders Qt draws.
frame_box=$(drawn_box | cut -d' ' -f1,2)
check_in_place
# Text in both lists: the first entry of each is written over the list colour.
for list in 50 425; do
  text=0
  for x in $(seq 5 2 90); do [ "$(at $((list + x)) 84)" != "64,64,64" ] && text=$((text + 1)); done
  [ "$text" -gt 3 ] || fail "the list at $list shows no map"
done
kill "$pid"
wait "$pid" 2>/dev/null || true

# A start that cannot find the game says so in a message box.
make_prefix "$E2E_TMP/empty"
mkdir "$E2E_TMP/bare" && cp "$exe" "$E2E_TMP/bare/tessary"
WINEPREFIX="$E2E_TMP/empty" "$E2E_TMP/bare/tessary" &
pid=$!
E2E_PIDS+=("$pid")
# The message box: its face colour, over the splash (at least the splash's
# size drawn).
face_pixels() {
  /usr/bin/convert "$E2E_TMP/shot.png" -fill black +opaque 'srgb(239,239,239)' -fill white -opaque 'srgb(239,239,239)' \
    -format '%[fx:int(mean*w*h)]\n' info:
}
shown=
for _ in $(seq 100); do
  if wl_shot && read -r w h _ < <(drawn_box) && [ "$w" -ge 630 ] && [ "$h" -ge 386 ] && [ "$(face_pixels)" -gt 20000 ]; then
    shown=1
    break
  fi
  sleep 0.2
done
keep_shot wayland-message
[ -n "$shown" ] || fail "no message showed that the game cannot be found"
kill "$pid"
wait "$pid" 2>/dev/null || true
stop_weston

# --- Weston in a window on Xvfb: the mouse and the keyboard ---
start_xvfb
start_weston x11-backend.so
XVFB_DISPLAY=$DISPLAY
unset DISPLAY
x11() { DISPLAY=$XVFB_DISPLAY "$@"; }
# The pointer, which weston draws, is put out of the way first.
x_shot() { x11 xdotool mousemove 1279 1023 && sleep 0.3 && x11 import -window root "$E2E_TMP/shot.png"; }
WINEPREFIX="$E2E_TMP/demo/prefix" "$E2E_TMP/demo/tessary" &
pid=$!
E2E_PIDS+=("$pid")
wait_frame x_shot
# Weston's pointer can start out of step with Xvfb's, following the mouse's
# moves from where it is: moved to one corner and the other, both stop at
# the screen's edges and are in step. The shot shows weston's pointer.
pointer_in_corner=
for _ in $(seq 20); do
  x11 xdotool mousemove 1279 1023
  sleep 0.1
  x11 xdotool mousemove 0 0
  sleep 0.1
  x_shot
  if [ "$(rgb "$E2E_TMP/shot.png" 1279 1023)" != "255,0,255" ]; then pointer_in_corner=1; break; fi
done
[ -n "$pointer_in_corner" ] || fail "weston's pointer does not follow the mouse"
keep_shot wayland-on-xvfb
check_in_place
click_at() {  # click_at X Y [BUTTON] in map window coordinates
  x11 xdotool mousemove $((cx + mx + $1)) $((cy + my + $2)) click "${3:-1}"
  sleep 0.5
}
# Choosing "Birch Lake" shows its preview (the picture's own colours over the
# dark preview area).
click_at 80 97
x_shot
keep_shot wayland-chosen
preview=$(at 150 300)
[ "$preview" != "$(skin 150 300)" ] || fail "choosing a map showed no preview"
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
[ ! -e "$maps/Stored Maps/Aspen Valley.gmx" ] || fail "the map is still stored"

# Dragged by its bare surface 16 pixels to the left, the map window's left
# edge lies over the frame picture's line down the client area (column 8):
# the line shows where the outline cuts the window away and is covered where
# the window is.
x11 xdotool mousemove $((cx + mx + 20)) $((cy + my + 200)) mousedown 1
sleep 0.2
x11 xdotool mousemove $((cx + mx + 10)) $((cy + my + 200))
sleep 0.2
x11 xdotool mousemove $((cx + mx + 4)) $((cy + my + 200))
sleep 0.2
x11 xdotool mouseup 1
sleep 0.5
mx=$((mx - 16))
x_shot
keep_shot wayland-dragged
check_in_place
line=$(rgb "$top/src/forms/assets/frame.bmp" 8 200)
[ "$line" != "0,0,0" ] || fail "the frame picture has no line at column 8"
for p in "0 39" "0 385"; do
  [ "$(at $p)" = "$line" ] || fail "($p) should show the frame's line beneath, shows $(at $p)"
done
for p in "0 40" "0 200"; do
  [ "$(at $p)" != "$line" ] || fail "($p) should cover the frame's line"
done

# Exit ends the process at once.
click_at 559 341
wait_exit "$pid" 5 || fail "Exit did not end the program"
stop_weston

echo "wayland end-to-end: passed"
