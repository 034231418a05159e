#!/usr/bin/env bash
# Adding downloaded maps with Tessary.exe under Wine, each once the player
# agrees: a file opened with the first start (dropped on Tessary.exe) goes to
# the game's maps; a map and its picture dropped from an X program on the
# stored list (XDND, which Wine turns into WM_DROPFILES) go to "Stored Maps";
# an archive opened with a later start is handed to the running copy, the
# later start ending with status 0 at once, and its map goes to the game's
# maps. What was dropped or opened is left as it was.
source "$(dirname "$0")/wine_lib.sh"
start_wine openbox

demo_game_on_g
app=$E2E_TMP/app
install_app "$app" cached
# A name with a blank: one argument for Tessary.exe all the same.
downloads="$E2E_TMP/My Downloads"
mkdir -p "$downloads/Reed"
printf 'marsh map' >"$downloads/Marsh.gmx"
printf 'fen map' >"$downloads/Fen.gmx"
printf 'BM fen' >"$downloads/Fen.bmp"
printf 'reed map' >"$downloads/Reed/Reed.gmx"
(cd "$downloads" && zip -q -r Reed.zip Reed)
rm -r "$downloads/Reed"
zip_sum=$(sha256sum <"$downloads/Reed.zip")
# Wine's drive Z: is the Unix root.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# agree_until FILE: OK (Return) on each box the program shows, the question
# and then the report, until FILE is there and no box has come for three
# seconds. (Wine may show the next box in the same X window: a window still
# up after ten seconds gets its Return again.)
agree_until() {
  local id quiet=0
  for _ in $(seq 60); do
    id=$(message_box)
    if [ -n "$id" ]; then
      quiet=0
      answer_box "$id"
      continue
    fi
    if [ -e "$1" ]; then
      quiet=$((quiet + 1))
      [ "$quiet" -lt 6 ] || return 0
    fi
    sleep 0.5
  done
  shot unanswered
  fail "$1 did not come, or a box stayed up"
}

# asked_then_added WHAT SHOT FILE: the program asks about WHAT before FILE
# is written (the screen kept as SHOT), and adds it once the player agrees.
asked_then_added() {
  wait_named '^Tessary --- Fennock Marrowby$' 30 >/dev/null || fail "$1 was not asked about"
  shot "$2"
  [ ! -e "$3" ] || fail "$1 was added before the player agreed"
  agree_until "$3"
}

# --- The first start, with a map file ---
"$run" "$app/Tessary.exe" "$(windows_path "$downloads/Marsh.gmx")" &
first=$!
E2E_PIDS+=("$first")
mover=$(wait_map_window) || fail "the map window did not appear"
asked_then_added "the opened map" opened-first "$maps/Marsh.gmx"
[ "$(cat "$maps/Marsh.gmx" 2>/dev/null)" = "marsh map" ] || fail "the opened map is not in the game's maps folder"
[ "$(cat "$downloads/Marsh.gmx")" = "marsh map" ] || fail "the opened map was changed"

# --- A drop on the stored list from an X program ---
cc -o "$E2E_TMP/xdnd_drop" "$(dirname "$0")/xdnd_drop.c" -lX11 || fail "the drop tool did not build"
origin "$mover"
# The middle of the stored list, at 410, 76 in the window, 175 x 158.
uri="file://${downloads// /%20}"
"$E2E_TMP/xdnd_drop" "$mover" $((wx + 497)) $((wy + 155)) "$uri/Fen.gmx" "$uri/Fen.bmp" ||
  fail "the map window did not take the drop"
asked_then_added "the dropped map" dropped "$maps/Stored Maps/Fen.bmp"
[ "$(cat "$maps/Stored Maps/Fen.gmx" 2>/dev/null)" = "fen map" ] || fail "the dropped map is not in Stored Maps"
[ "$(cat "$maps/Stored Maps/Fen.bmp" 2>/dev/null)" = "BM fen" ] || fail "the dropped picture is not in Stored Maps"
[ ! -e "$maps/Fen.gmx" ] || fail "the map dropped on the stored list went to the game's maps"
[ "$(cat "$downloads/Fen.gmx")" = "fen map" ] || fail "the dropped map was changed"

# --- A later start, with an archive, while the first runs ---
status=0
timeout 60 "$run" "$app/Tessary.exe" "$(windows_path "$downloads/Reed.zip")" || status=$?
[ "$status" -eq 0 ] || fail "the later start ended with status $status"
asked_then_added "the handed-over archive's map" opened-later "$maps/Reed.gmx"
[ "$(cat "$maps/Reed.gmx" 2>/dev/null)" = "reed map" ] || fail "the archive's map is not in the game's maps folder"
[ "$(sha256sum <"$downloads/Reed.zip")" = "$zip_sum" ] || fail "the opened archive was changed"
[ "$(map_windows)" -eq 1 ] || fail "$(map_windows) map windows after the later start"
kill -0 "$first" 2>/dev/null || fail "the running copy ended"
shot added
echo "Windows added maps end-to-end: passed"
