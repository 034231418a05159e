# Shared pieces of the end-to-end tests: a private Xvfb display, temporary
# folders, and waiting for windows of one process.

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
