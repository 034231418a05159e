# Shared pieces of the end-to-end tests of both fronts: a private Xvfb
# display, temporary folders, waiting for windows, screenshots, and the
# checks the two fronts' tests make alike, in map window coordinates.

set -euo pipefail

E2E_TMP=$(mktemp -d /tmp/tessary-e2e.XXXXXX)
E2E_PIDS=()
# A runtime folder of the test's own: a Tessary the developer runs meanwhile
# is another copy for the same user, and would take over the test's starts.
export XDG_RUNTIME_DIR=$E2E_TMP/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# start_xvfb [WIDTHxHEIGHT]: starts Xvfb (1280x1024 unless told) on a free
# display number and exports DISPLAY.
start_xvfb() {
  local n size=${1:-1280x1024}
  for n in $(seq 120 199); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp -noreset >"$E2E_TMP/xvfb.log" 2>&1 &
    local pid=$!
    E2E_PIDS+=("$pid")
    for _ in $(seq 50); do
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then export DISPLAY=":$n"; return 0; fi
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
  done
  fail "no Xvfb display could be started"
}

# Starts openbox on the display and waits until it manages windows.
start_openbox() {
  openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
  E2E_PIDS+=("$!")
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  fail "openbox did not start"
}

# stacked_above WINDOW OTHER: succeeds when the window manager stacks
# WINDOW above OTHER (both client windows it manages).
stacked_above() {
  local list
  list=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
  local pos=0 a=-1 b=-1 id
  for id in $list; do
    [ "$((id))" -eq "$(($1))" ] && a=$pos
    [ "$((id))" -eq "$(($2))" ] && b=$pos
    pos=$((pos + 1))
  done
  [ "$a" -ge 0 ] && [ "$b" -ge 0 ] && [ "$a" -gt "$b" ]
}

# wait_window PID NAME-REGEX [SECONDS]: prints the id of a visible window of
# the process whose title matches, once it is mapped.
wait_window() {
  local pid=$1 name=$2 seconds=${3:-20} id
  for _ in $(seq $((seconds * 10))); do
    id=$(xdotool search --all --onlyvisible --pid "$pid" --name "$name" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# wait_map_window [PID]: prints the id of the visible 627 x 402 map window
# (of that process, when a PID is given) once it is mapped.
wait_map_window() {
  local filter=() id
  [ -n "${1:-}" ] && filter=(--pid "$1")
  for _ in $(seq 100); do
    for id in $(xdotool search --all --onlyvisible "${filter[@]}" --name '^Tessary$' 2>/dev/null); do
      if xdotool getwindowgeometry "$id" | grep -q 'Geometry: 627x402'; then echo "$id"; return 0; fi
    done
    sleep 0.1
  done
  return 1
}

# viewable WINDOW: succeeds when the window is on the screen.
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }

# map_windows: prints how many 627 x 402 map windows of any process show.
map_windows() {
  local id n=0
  for id in $(xdotool search --all --onlyvisible --name '^Tessary$' 2>/dev/null); do
    xdotool getwindowgeometry "$id" | grep -q 'Geometry: 627x402' && n=$((n + 1))
  done
  echo "$n"
}

# wait_exit PID [SECONDS]: succeeds when the process has ended in time.
wait_exit() {
  local pid=$1 seconds=${2:-10}
  for _ in $(seq $((seconds * 10))); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# make_prefix DIR: an empty Wine prefix with no drives.
make_prefix() {
  mkdir -p "$1/dosdevices"
  printf 'WINE REGISTRY Version 2\n\n[Software\\\\Wine\\\\Drives]\n\n' > "$1/system.reg"
}

# check_mover_in_front FRAME MOVER PAUSE: under a window manager the map window
# stays above the frame after a click on the frame's title bar, and leaves and
# comes back with the frame when that is minimised and restored. Sets wx and
# wy to the map window's place; takes the caller's shot.
check_mover_in_front() {
  local frame=$1 mover=$2 pause=$3
  sleep "$pause"
  eval "$(xdotool getwindowgeometry --shell "$frame")"
  xdotool mousemove $((X + 200)) $((Y - 8)) click 1
  sleep "$pause"
  shot after-title-click
  stacked_above "$mover" "$frame" || fail "the map window went behind the frame"
  xdotool windowminimize "$frame"
  sleep 1
  ! xwininfo -id "$mover" 2>/dev/null | grep -q 'IsViewable' || fail "the map window stayed on screen without its frame"
  xdotool windowactivate "$frame" 2>/dev/null || true
  sleep 1
  xwininfo -id "$mover" 2>/dev/null | grep -q 'IsViewable' || fail "the map window did not come back with its frame"
  stacked_above "$mover" "$frame" || fail "the map window came back behind the frame"
  eval "$(xdotool getwindowgeometry --shell "$mover")"
  wx=$X
  wy=$Y
}

# check_exit_beside_large_preview PID PAUSE SECONDS: with "Canyon Run" (a 400 x
# 200 preview) chosen in the map window at wx, wy, the preview stops at its
# area's right edge (x 489), Exit's face shows and Exit ends the program.
check_exit_beside_large_preview() {
  local pid=$1 pause=$2 seconds=$3 exit_face preview
  xdotool mousemove $((wx + 80)) $((wy + 84)) click 1
  sleep "$pause"
  xdotool key Down Down
  sleep "$pause"
  shot canyon-run
  exit_face=$(pixel $((wx + 510)) $((wy + 330)))
  preview=$(pixel $((wx + 300)) $((wy + 300)))
  [ "$exit_face" != "$preview" ] || fail "the preview covers Exit"
  xdotool mousemove $((wx + 510)) $((wy + 341)) click 1
  wait_exit "$pid" "$seconds" || fail "Exit beside the large preview did not end the program"
}

# shot NAME: the screen into $E2E_TMP/shot.png, kept as NAME.png in
# $TESSARY_SHOTS when that is set.
shot() {
  import -window root "$E2E_TMP/shot.png"
  if [ -n "${TESSARY_SHOTS:-}" ]; then mkdir -p "$TESSARY_SHOTS"; cp "$E2E_TMP/shot.png" "$TESSARY_SHOTS/$1.png"; fi
}

# pixel X Y: the colour at (X, Y) on the screen in the last shot.
pixel() { /usr/bin/convert "$E2E_TMP/shot.png" -format "%[pixel:p{$1,$2}]" info:; }

# origin WINDOW: sets wx and wy to the window's top-left corner on the screen.
origin() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  wx=$X
  wy=$Y
}

# click_at X Y [BUTTON]: a click at (X, Y) of the window at wx, wy, and time
# for the program to answer it.
click_at() {
  xdotool mousemove "$((wx + $1))" "$((wy + $2))" click "${3:-1}"
  sleep 0.5
}

# cut_as_shaped: takes a shot and prints why the map window at wx, wy is not
# cut as its shape says (the desktop showing exactly where it is cut away);
# fails then.
cut_as_shaped() {
  shot start
  local desktop p
  desktop=$(pixel 1279 1023)
  for p in "0 39" "2 370" "316 16" "100 20" "626 39" "20 395" "0 0" "626 401"; do
    local seen
    seen=$(pixel $((wx + ${p% *})) $((wy + ${p#* })))
    [ "$seen" = "$desktop" ] || { echo "($p) should be cut away, shows $seen"; return 1; }
  done
  for p in "0 40" "3 370" "316 17" "40 200" "626 200" "316 389" "626 40" "0 369"; do
    [ "$(pixel $((wx + ${p% *})) $((wy + ${p#* })))" != "$desktop" ] || { echo "($p) should belong to the window"; return 1; }
  done
}

# check_store_and_install MAPS: in the map window at wx, wy with the demo's
# maps in the game's folder MAPS, the first game map ("Aspen Valley") shows
# its picture (shot "preview") and is stored with it by the green Store face,
# then installed again with the right mouse button, its picture unchanged.
check_store_and_install() {
  local maps=$1
  click_at 80 84
  shot preview
  click_at 288 227
  [ -f "$maps/Stored Maps/Aspen Valley.gmx" ] || fail "the map was not stored"
  [ -f "$maps/Stored Maps/Aspen Valley.bmp" ] || fail "the picture was not stored"
  [ ! -e "$maps/Aspen Valley.gmx" ] || fail "the map is still in the game"
  [ ! -e "$maps/Aspen Valley.bmp" ] || fail "the picture is still in the game"
  # It is now first in the stored list.
  click_at 445 84
  click_at 343 188 3
  [ -f "$maps/Aspen Valley.gmx" ] || fail "the map was not installed"
  [ -f "$maps/Aspen Valley.bmp" ] || fail "the picture was not installed"
  [ ! -e "$maps/Stored Maps/Aspen Valley.gmx" ] || fail "the map is still stored"
  cmp -s "$maps/Aspen Valley.bmp" "$top/demo/previews/aspen_valley.bmp" || fail "the picture changed on the way"
}

# check_drag MOVER: the map window MOVER at wx, wy follows a drag by its bare
# surface (left of the list frames) 50 pixels to the right; shot "dragged".
check_drag() {
  local before_x=$wx
  xdotool mousemove "$((wx + 20))" "$((wy + 200))" mousedown 1
  sleep 0.3
  xdotool mousemove "$((wx + 45))" "$((wy + 215))"
  sleep 0.3
  xdotool mousemove "$((wx + 70))" "$((wy + 230))"
  sleep 0.3
  xdotool mouseup 1
  sleep 0.5
  origin "$1"
  [ "$wx" -eq "$((before_x + 50))" ] || fail "dragged to $wx $wy from $before_x"
  shot dragged
}

# check_splash_painted SPLASH: in the last shot the splash window shows its
# picture (neither black nor the desktop) and its bar past the first mark.
check_splash_painted() {
  local p seen filled empty
  eval "$(xdotool getwindowgeometry --shell "$1")"
  for p in "300 150" "20 20"; do
    seen=$(pixel $((X + ${p% *})) $((Y + ${p#* })))
    [ "$seen" != "srgb(0,0,0)" ] && [ "$seen" != "srgb(255,0,255)" ] || fail "the splash is not painted mid-scan ($p: $seen)"
  done
  filled=$(pixel $((X + 200)) $((Y + 315)))
  empty=$(pixel $((X + 460)) $((Y + 315)))
  [ "$filled" != "$empty" ] || fail "the bar is not past its first mark mid-scan ($filled)"
}

# check_alt_f4_ends PID MOVER PAUSE SECONDS: Alt+F4 on the map window MOVER
# ends the program in time.
check_alt_f4_ends() {
  sleep "$3"
  xdotool windowactivate --sync "$2" 2>/dev/null || true
  xdotool key --clearmodifiers alt+F4
  wait_exit "$1" "$4" || fail "Alt+F4 on the map window did not end the program"
}

# manifest: name<TAB>checksum of every map and picture of the game's maps
# folder $maps and its "Stored Maps", by name only.
manifest() {
  (cd "$maps" && find . -maxdepth 2 -type f \( -name '*.gmx' -o -name '*.GMX' -o -name '*.bmp' \) \
     ! -path './Stored Maps/Replaced Maps/*' -printf '%f\n' | LC_ALL=C sort | while IFS= read -r f; do
     if [ -f "$f" ]; then sum=$(md5sum < "$f"); else sum=$(md5sum < "Stored Maps/$f"); fi
     printf '%s\t%s\n' "$f" "${sum%% *}"
   done)
}

# names_in FOLDER: the maps in the folder, sorted.
names_in() { (cd "$1" && shopt -s nullglob && printf '%s\n' *.gmx *.GMX | LC_ALL=C sort); }

# check_one_moved FROM TO NAMES_BEFORE WHAT: exactly one map left FROM (not
# the first of NAMES_BEFORE, the entry pressed), it is in TO, and no file of
# the manifest $before changed its bytes or vanished.
check_one_moved() {
  local moved
  moved=$(comm -23 <(echo "$3") <(names_in "$1"))
  [ "$(echo "$moved" | grep -c .)" -eq 1 ] || fail "$4: one map should have moved, moved: $moved"
  [ "$moved" != "$(echo "$3" | head -n 1)" ] || fail "$4: the pressed entry moved, not the highlighted one"
  [ -f "$2/$moved" ] || fail "$4: \"$moved\" is not at its destination"
  [ "$(manifest)" = "$before" ] || fail "$4: a file changed its bytes or vanished"
}

# check_follows_folders PID MAPS SECONDS: with the map window at wx, wy, a map
# another program saves into the game's maps folder MAPS shows in the game
# list within two seconds with no click, is stored like any other, and Exit
# then ends the program within SECONDS.
check_follows_folders() {
  local pid=$1 maps=$2 seconds=$3 before shown=no
  game_list() {  # the game list as it is on the screen
    shot list
    /usr/bin/convert "$E2E_TMP/shot.png" -crop "175x158+$((wx + 45))+$((wy + 76))" +repage rgb:- | md5sum
  }
  before=$(game_list)
  printf 'a map from elsewhere\n' > "$E2E_TMP/Aardvark Bend.gmx"
  cp "$E2E_TMP/Aardvark Bend.gmx" "$maps/"
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
  wait_exit "$pid" "$seconds" || fail "Exit did not end the program"
}
