#!/usr/bin/env bash
# The real program under a window manager (openbox) in Xvfb: the splash is
# painted while a long drive scan blocks the program, the map window stays in
# front of the frame when the frame is clicked, Exit can be pressed beside a
# preview larger than its area, and Alt+F4 on the map window ends the program.
# With TESSARY_SHOTS set, screenshots are kept there.
exe=${1:?usage: openbox_test.sh TESSARY_EXECUTABLE}
source "$(dirname "$0")/xvfb_lib.sh"
top=${TESSARY_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
start_xvfb
start_openbox
xsetroot -solid '#ff00ff'

# --- The splash during a long scan: drives C: to N: each hold a tree of
# 20,000 folders without the game, which is on O: (trees of their own, since
# no folder is walked twice in one start) ---
bash "$top/scripts/make-demo-prefix.sh" "$E2E_TMP/demo" >/dev/null
prefix="$E2E_TMP/demo/prefix"
# In memory where there is some: made in a moment, read as fast every time.
big=$(mktemp -d "$( [ -d /dev/shm ] && [ -w /dev/shm ] && echo /dev/shm || echo "$E2E_TMP")/tessary-tree.XXXXXX")
trap 'rm -rf "$big"; e2e_cleanup' EXIT
mkdir -p "$E2E_TMP/gamedrive"
mv "$prefix/drive_c/Games" "$E2E_TMP/gamedrive/"
rm "$prefix/dosdevices/c:" "$prefix/dosdevices/d:"
for d in c d e f g h i j k l m n; do
  mkdir "$big/$d" && (cd "$big/$d" && mkdir -p f{1..200}/g{1..100})
  ln -s "$big/$d" "$prefix/dosdevices/$d:"
done
ln -s "$E2E_TMP/gamedrive" "$prefix/dosdevices/o:"
app="$E2E_TMP/app"
mkdir -p "$app"
cp "$exe" "$app/tessary"
WINEPREFIX="$prefix" "$app/tessary" &
pid=$!
E2E_PIDS+=("$pid")
splash=""
for _ in $(seq 100); do
  for id in $(xdotool search --all --onlyvisible --pid "$pid" --name '^Tessary$' 2>/dev/null); do
    xdotool getwindowgeometry "$id" | grep -q 'Geometry: 630x386' && splash=$id
  done
  [ -n "$splash" ] && break
  sleep 0.05
done
[ -n "$splash" ] || fail "the splash window did not appear"
sleep 0.3
shot splash-mid-scan
[ -z "$(xdotool search --all --onlyvisible --pid "$pid" --name '^  Tessary - Fennock Marrowby Edition$' 2>/dev/null)" ] ||
  fail "the scan was over before the splash could be looked at"

check_splash_painted "$splash"
frame=$(wait_window "$pid" '^  Tessary - Fennock Marrowby Edition$' 60) || fail "the main frame did not appear"
mover=$(wait_map_window "$pid") || fail "the map window did not appear"

# --- The map window stays in front when the frame's title bar is clicked ---
check_mover_in_front "$frame" "$mover" 0.5

# --- "Canyon Run" (a 400 x 200 preview) chosen: Exit is still there ---
check_exit_beside_large_preview "$pid" 0.5 5

# --- Alt+F4 on the map window ends the program (the cache is used now) ---
WINEPREFIX="$prefix" "$app/tessary" &
pid=$!
E2E_PIDS+=("$pid")
mover=$(wait_map_window "$pid") || fail "the map window did not appear again"
check_alt_f4_ends "$pid" "$mover" 0.5 10
echo "openbox end-to-end: passed"
