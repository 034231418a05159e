# Shared start of the Windows end-to-end tests: Tessary.exe (the script's
# first argument) under Wine in a private Xvfb display, with a prefix of the
# test's own whose only drives are C: (Windows) and what the test links.
# Besides xvfb_lib.sh's pieces it sets exe, top, run (the Wine runner),
# WINEPREFIX and dos (the prefix's drive links).

exe=${1:?usage: $(basename "$0") Tessary.exe}
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$top/tests/e2e/xvfb_lib.sh"
run=$top/cmake/wine-run.sh
export WINEPREFIX=$E2E_TMP/prefix
dos=$WINEPREFIX/dosdevices

wine_cleanup() {
  wineserver -k 2>/dev/null || true
  e2e_cleanup
}
trap wine_cleanup EXIT

# start_wine [openbox]: the display (under openbox when asked) and the
# prefix, made now and left with drive C: alone.
start_wine() {
  start_xvfb
  [ "${1:-}" != openbox ] || start_openbox
  "$run" cmd /c exit >/dev/null 2>&1 || true
  rm -f "$dos"/[abd-o]:
}

# demo_game_on_g: the demo game on drive G:; sets maps to its maps folder.
demo_game_on_g() {
  bash "$top/scripts/make-demo-prefix.sh" "$E2E_TMP/demo" >/dev/null
  ln -s "$E2E_TMP/demo/prefix/drive_c" "$dos/g:"
  maps="$E2E_TMP/demo/prefix/drive_c/Games/Fennock Marrowby/Home/Maps"
}

# install_app FOLDER [cached]: Tessary.exe copied into the folder; with
# "cached", beside a location cache that names the demo game's maps on G:.
install_app() {
  mkdir -p "$1"
  cp "$exe" "$1/Tessary.exe"
  if [ "${2:-}" = cached ]; then printf '"G:\\Games\\Fennock Marrowby\\Home\\Maps"\r\n' > "$1/maplog.txt"; fi
}

# run_app FOLDER: starts the Tessary.exe there; sets pid.
run_app() {
  "$run" "$1/Tessary.exe" &
  pid=$!
  E2E_PIDS+=("$pid")
}

# wait_named NAME-REGEX [SECONDS]: prints the id of a visible window of that
# name (of any process: Wine's windows are not the runner's), once it shows.
wait_named() {
  local id
  for _ in $(seq $((${2:-60} * 10))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# message_box: the id of the program's message box on the screen, or nothing.
message_box() {
  xdotool search --all --onlyvisible --name '^Tessary --- Fennock Marrowby$' 2>/dev/null | head -n 1 || true
}

# answer_box ID: OK (Return) on the message box ID, then waits up to ten
# seconds for it to go. xdotool sends the release to the box as an event of
# its own once the box has gone on the press, and the X server would hold
# Return down and repeat it into whatever has the keyboard next: Return is
# let go for the server too.
answer_box() {
  xdotool windowactivate --sync "$1" 2>/dev/null || true
  xdotool key --window "$1" Return 2>/dev/null || true
  xdotool keyup Return 2>/dev/null || true
  for _ in $(seq 20); do
    xdotool search --all --onlyvisible --name '^Tessary --- Fennock Marrowby$' 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.5
  done
}
