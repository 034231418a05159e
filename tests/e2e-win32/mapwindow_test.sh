#!/usr/bin/env bash
# The map window of Tessary.exe under Wine in an Xvfb display, driven with
# real mouse input: its outline is cut as the window shape says, a map is
# stored with its picture and installed again with the right mouse button
# (the files moving on disk), the window is dragged by its surface, and Exit
# ends the process. With TESSARY_SHOTS set, screenshots are kept there.
source "$(dirname "$0")/wine_lib.sh"
start_wine
xsetroot -solid '#ff00ff'

# The demo game on drive G:, found through the location cache.
demo_game_on_g
install_app "$E2E_TMP/app" cached
run_app "$E2E_TMP/app"
frame=$(wait_named '^  Tessary - Fennock Marrowby Edition$') || fail "the main frame did not appear"
mover=$(wait_map_window) || fail "the map window did not appear"
# Move the frame out of the way so the desktop shows where the shape cuts.
xdotool windowmove "$frame" 1400 0

origin "$mover"
[ "$wx $wy" = "327 291" ] || fail "the map window is at $wx $wy, not at 327 291"
# The frame's old place is repainted once Wine has moved it: look again
# until the screen has settled.
for _ in $(seq 20); do
  why=$(cut_as_shaped) && break
  sleep 0.5
done
[ -z "$why" ] || fail "$why"
check_store_and_install "$maps"
check_drag "$mover"

# Exit ends the process at once.
click_at 559 341
wait_exit "$pid" 10 || fail "Exit did not end the program"
echo "Windows map window end-to-end: passed"
