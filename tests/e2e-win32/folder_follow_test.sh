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

check_follows_folders "$pid" "$maps" 10
echo "ok"
