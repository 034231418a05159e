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

check_follows_folders "$pid" "$maps" 5
echo "ok"
