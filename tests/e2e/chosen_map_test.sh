#!/usr/bin/env bash
# The real program under Xvfb, driven with real mouse input, never joins one
# map's bytes to another map's name: a press slid from one entry to another
# in either list chooses the entry where the highlight ends, and a map whose
# name is not valid text replaces exactly its namesake, which goes whole to
# the trash, while the neighbour whose name only looks alike stays. A move
# that cannot happen says so. Every file is checked by its bytes.
exe=${1:?usage: chosen_map_test.sh TESSARY_EXECUTABLE}
source "$(dirname "$0")/xvfb_lib.sh"
top=${TESSARY_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
start_xvfb

bash "$top/scripts/make-demo-prefix.sh" "$E2E_TMP/demo" >/dev/null
cp "$exe" "$E2E_TMP/demo/tessary"
maps="$E2E_TMP/demo/prefix/drive_c/Games/Fennock Marrowby/Home/Maps"
stored="$maps/Stored Maps"
export HOME="$E2E_TMP/home"
unset XDG_DATA_HOME
mkdir -p "$HOME" "$E2E_TMP/work"

# Enough maps in each list that a slide of 60 pixels ends on another entry.
for n in 1 2 3 4 5 6; do printf 'stored map %s\n' "$n" > "$stored/Pine Hill $n.gmx"; done
for n in 1 2 3 4; do printf 'game map %s\n' "$n" > "$maps/Hollow $n.gmx"; done

start() {
  (cd "$E2E_TMP/work" && exec env WINEPREFIX="$E2E_TMP/demo/prefix" "$E2E_TMP/demo/tessary") &
  pid=$!
  E2E_PIDS+=("$pid")
  mover=$(wait_map_window "$pid") || fail "the map window did not appear"
  sleep 0.5
  origin "$mover"
}
slide() {  # slide X Y1 Y2: press at Y1, move to Y2, release
  xdotool mousemove "$((wx + $1))" "$((wy + $2))" mousedown 1
  sleep 0.2
  for step in 1 2 3 4; do
    xdotool mousemove "$((wx + $1))" "$((wy + $2 + ($3 - $2) * step / 4))"
    sleep 0.1
  done
  xdotool mouseup 1
  sleep 0.4
}

before=$(manifest)
start
# Store: press on the first game map, slide down, release, press Store.
game_before=$(names_in "$maps")
click_at 80 84
sleep 0.6  # not a double click
slide 80 84 144
click_at 288 227
check_one_moved "$maps" "$stored" "$game_before" store

# Install: the same on the stored list.
stored_before=$(names_in "$stored")
click_at 445 84
sleep 0.6
slide 445 84 144
click_at 343 188
check_one_moved "$stored" "$maps" "$stored_before" install
click_at 559 341
wait_exit "$pid" 5 || fail "Exit did not end the program"

# A name that is not valid text, beside one that decodes alike.
rm -f "$maps"/*.gmx "$maps"/*.GMX "$maps"/*.bmp "$stored"/*.gmx "$stored"/*.bmp
printf 'new odd map' > "$maps/bad"$'\xff'".gmx"
printf 'BM new odd picture' > "$maps/bad"$'\xff'".bmp"
printf 'old odd map' > "$stored/bad"$'\xff'".gmx"
printf 'neighbour map' > "$stored/bad"$'\xef\xbf\xbd'".gmx"
start
click_at 80 84
click_at 288 227
[ "$(cat "$stored/bad"$'\xff'".gmx")" = "new odd map" ] || fail "the odd map was not stored"
[ "$(cat "$stored/bad"$'\xff'".bmp")" = "BM new odd picture" ] || fail "the odd picture was not stored"
[ "$(cat "$stored/bad"$'\xef\xbf\xbd'".gmx")" = "neighbour map" ] || fail "the neighbour was touched"
[ ! -e "$maps/bad"$'\xff'".gmx" ] || fail "the odd map is still in the game"
trash="$HOME/.local/share/Trash/files"
[ "$(cat "$trash/bad"$'\xff'".gmx" 2>/dev/null)" = "old odd map" ] \
  || fail "the replaced odd map is not whole in the trash under its own name"
[ -z "$(ls -A "$E2E_TMP/work")" ] || fail "something was written into the working folder"
click_at 559 341
wait_exit "$pid" 5 || fail "Exit did not end the program"

# A move that cannot happen (a folder of the map's name stands in its way)
# says so in a message box, and the map stays where it was.
rm -f "$maps"/*.gmx "$maps"/*.bmp "$stored"/*.gmx "$stored"/*.bmp
printf 'elk map' > "$maps/Elk.gmx"
mkdir "$stored/Elk.gmx"
start
click_at 80 84
click_at 288 227
box=$(wait_window "$pid" '^Tessary --- Fennock Marrowby$' 10) || fail "no message said that the map was not stored"
[ -n "${TESSARY_E2E_SHOTS:-}" ] && import -window root "$TESSARY_E2E_SHOTS/failed-move.png"
xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key Return
sleep 0.5
[ "$(cat "$maps/Elk.gmx")" = "elk map" ] || fail "the map that could not be stored left the game"
[ -d "$stored/Elk.gmx" ] || fail "the folder in the way was touched"
click_at 559 341
wait_exit "$pid" 5 || fail "Exit did not end the program"
echo "chosen map end-to-end: passed"
