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

origin "$mover"
why=$(cut_as_shaped) || fail "$why"
check_store_and_install "$maps"
check_drag "$mover"

# Exit ends the process at once.
click_at 559 341
wait_exit "$pid" 5 || fail "Exit did not end the program"
echo "map window end-to-end: passed"
