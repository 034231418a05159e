#!/usr/bin/env bash
# Tessary.exe under Wine with a window manager (openbox) in Xvfb: the splash
# is painted while a long drive scan blocks the program, the map window stays
# in front of the frame when the frame is clicked, Exit can be pressed beside
# a preview larger than its area, and Alt+F4 on the map window ends the
# program. With TESSARY_SHOTS set, screenshots are kept there.
source "$(dirname "$0")/wine_lib.sh"
# In memory where there is some: made in a moment, read as fast every time.
big=$(mktemp -d "$( [ -d /dev/shm ] && [ -w /dev/shm ] && echo /dev/shm || echo "$E2E_TMP")/tessary-tree.XXXXXX")
trap 'rm -rf "$big"; wine_cleanup' EXIT
start_wine openbox
xsetroot -solid '#ff00ff'

visible() {  # visible NAME-REGEX: the ids of the visible windows of that name
  xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

# --- The splash during a long scan: D: to F: show one tree of 6,000
# folders without the game, which is on G: (C: is Windows' own) ---
(cd "$big" && mkdir -p f{1..60}/g{1..100})
for d in d e f; do ln -s "$big" "$dos/$d:"; done
demo_game_on_g
install_app "$E2E_TMP/app"
run_app "$E2E_TMP/app"
splash=""
for _ in $(seq 600); do
  for id in $(visible '^Tessary$'); do
    xdotool getwindowgeometry "$id" | grep -q 'Geometry: 630x386' && splash=$id
  done
  [ -n "$splash" ] && break
  sleep 0.05
done
[ -n "$splash" ] || fail "the splash window did not appear"
sleep 1
shot splash-mid-scan
[ -z "$(visible '^  Tessary - Fennock Marrowby Edition$')" ] || fail "the scan was over before the splash could be looked at"
check_splash_painted "$splash"
frame=$(wait_named '^  Tessary - Fennock Marrowby Edition$' 120) || fail "the main frame did not appear"
mover=$(wait_map_window) || fail "the map window did not appear"

# --- The map window stays in front when the frame's title bar is clicked ---
check_mover_in_front "$frame" "$mover" 1

# --- "Canyon Run" (a 400 x 200 preview) chosen: Exit is still there ---
check_exit_beside_large_preview "$pid" 1 10

# --- Alt+F4 on the map window ends the program (the cache is used now) ---
run_app "$E2E_TMP/app"
mover=$(wait_map_window) || fail "the map window did not appear again"
check_alt_f4_ends "$pid" "$mover" 1 20
echo "Windows openbox end-to-end: passed"
