#!/usr/bin/env bash
# Tessary.exe under Wine in an Xvfb display follows its folders: a map that
# another program saves into the game's maps folder shows in the game list by
# itself, with no click, and can be stored at once.
source "$(dirname "$0")/wine_lib.sh"
start_wine

demo_game_on_g
app=$E2E_TMP/app
install_app "$app" cached
run_app "$app"
mover=$(wait_map_window) || fail "the map window did not appear"
sleep 1
origin "$mover"

# The game list as it is on the screen.
game_list() {
  shot list
  /usr/bin/convert "$E2E_TMP/shot.png" -crop "175x158+$((wx + 45))+$((wy + 76))" +repage rgb:- | md5sum
}
before=$(game_list)
printf 'a map from elsewhere\n' > "$E2E_TMP/Aardvark Bend.gmx"
cp "$E2E_TMP/Aardvark Bend.gmx" "$maps/"
shown=no
for _ in $(seq 20); do
  sleep 0.1
  if [ "$(game_list)" != "$before" ]; then shown=yes; break; fi
done
[ "$shown" = yes ] || fail "the map saved into the game's folder did not show within two seconds"

# It is the first entry now: chosen and stored like any other map.
click_at 80 84
click_at 288 227
cmp -s "$maps/Stored Maps/Aardvark Bend.gmx" "$E2E_TMP/Aardvark Bend.gmx" || fail "the new map was not stored"
[ ! -e "$maps/Aardvark Bend.gmx" ] || fail "the new map is still in the game"
click_at 559 341
wait_exit "$pid" 10 || fail "Exit did not end the program"
echo "ok"
