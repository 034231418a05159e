#!/usr/bin/env bash
# The real program under Xvfb follows its folders: a map that another program
# saves into the game's maps folder shows in the game list by itself, with
# no click, and can be stored at once.
exe=${1:?usage: folder_follow_test.sh TESSARY_EXECUTABLE}
source "$(dirname "$0")/xvfb_lib.sh"
top=${TESSARY_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
start_xvfb

bash "$top/scripts/make-demo-prefix.sh" "$E2E_TMP/demo" >/dev/null
cp "$exe" "$E2E_TMP/demo/tessary"
maps="$E2E_TMP/demo/prefix/drive_c/Games/Fennock Marrowby/Home/Maps"
export HOME="$E2E_TMP/home"
unset XDG_DATA_HOME
mkdir -p "$HOME" "$E2E_TMP/work"

(cd "$E2E_TMP/work" && exec env WINEPREFIX="$E2E_TMP/demo/prefix" "$E2E_TMP/demo/tessary") &
pid=$!
E2E_PIDS+=("$pid")
mover=$(wait_map_window "$pid") || fail "the map window did not appear"
sleep 0.5
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
wait_exit "$pid" 5 || fail "Exit did not end the program"
echo "ok"
