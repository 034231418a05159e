#!/usr/bin/env bash
# Tessary.exe under Wine in an Xvfb display never joins one map's bytes to
# another map's name: after a click on one entry, a press on another entry
# released outside the list chooses the entry where the highlight ended, in
# either list. Without a stored maps folder nothing moves, and the player is
# told. Every file is checked by its bytes.
source "$(dirname "$0")/wine_lib.sh"
start_wine

demo_game_on_g
stored="$maps/Stored Maps"
# Enough maps in each list that 60 pixels below the first entry is another one.
for n in 1 2 3 4 5 6; do printf 'stored map %s\n' "$n" > "$stored/Pine Hill $n.gmx"; done
for n in 1 2 3 4; do printf 'game map %s\n' "$n" > "$maps/Hollow $n.gmx"; done
app=$E2E_TMP/app
install_app "$app" cached

before=$(manifest)
run_app "$app"
mover=$(wait_map_window) || fail "the map window did not appear"
sleep 1
origin "$mover"
press_out() {  # press_out X Y OUT_X: press at Y, slide out of the list, release there
  xdotool mousemove "$((wx + $1))" "$((wy + $2))" mousedown 1
  sleep 0.3
  xdotool mousemove "$((wx + ($1 + $3) / 2))" "$((wy + $2))"
  sleep 0.2
  xdotool mousemove "$((wx + $3))" "$((wy + $2))"
  sleep 0.3
  xdotool mouseup 1
  sleep 0.5
}

game_before=$(names_in "$maps")
click_at 80 84
press_out 80 144 300
click_at 288 227
check_one_moved "$maps" "$stored" "$game_before" store

stored_before=$(names_in "$stored")
click_at 445 84
press_out 445 144 330
click_at 343 188
check_one_moved "$stored" "$maps" "$stored_before" install

click_at 559 341
wait_exit "$pid" 10 || fail "Exit did not end the program"

# With no "Stored Maps" folder to be had (a file of that name), the load
# says so, and a press on Store moves nothing and says why.
rm -rf "$stored" "$maps"/*.gmx
printf 'a file, not a folder' > "$stored"
printf 'elk map' > "$maps/Elk.gmx"
dismiss() {  # dismiss: OK on the message box, looked up again until it is gone
  local id
  for _ in $(seq 20); do
    id=$(message_box)
    [ -n "$id" ] || return 0
    # One Return for each box: a second one would reach the map list behind
    # it once the box has gone, and move the highlighted map.
    answer_box "$id"
  done
  fail "the message box did not go"
}
run_app "$app"
wait_named '^Tessary --- Fennock Marrowby$' 20 >/dev/null || fail "the load did not say that the stored maps folder cannot be made"
dismiss
mover=$(wait_map_window) || fail "the map window did not appear"
sleep 1
origin "$mover"
click_at 80 84
click_at 288 227
wait_named '^Tessary --- Fennock Marrowby$' 20 >/dev/null || fail "no message said that the map was not stored"
dismiss
[ "$(cat "$maps/Elk.gmx")" = "elk map" ] || fail "the map that could not be stored left the game"
[ "$(cat "$stored")" = "a file, not a folder" ] || fail "the file in the way was touched"
[ -z "$(find "$E2E_TMP/demo/prefix/drive_c" -maxdepth 1 -name 'Elk*')" ] || fail "the map went to the top of the drive"
click_at 559 341
wait_exit "$pid" 10 || fail "Exit did not end the program"
echo "Windows chosen map end-to-end: passed"
