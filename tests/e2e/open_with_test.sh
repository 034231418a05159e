#!/usr/bin/env bash
# "Open with" on Linux, under a window manager (openbox) in Xvfb: the first
# start with a map file adds it once its map window is up and the player
# agrees. A second start with a zip archive (given relative to its working
# folder) hands it to the running copy and ends with status 0; the running
# copy asks before adding (a plain start meanwhile is still answered), and
# after Return the map and its picture are in the game's maps folder, byte
# for byte, the archive untouched.
exe=${1:?usage: open_with_test.sh TESSARY_EXECUTABLE}
source "$(dirname "$0")/xvfb_lib.sh"
top=${TESSARY_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
start_xvfb
start_openbox

bash "$top/scripts/make-demo-prefix.sh" "$E2E_TMP/demo" >/dev/null
export WINEPREFIX=$E2E_TMP/demo/prefix
maps="$WINEPREFIX/drive_c/Games/Fennock Marrowby/Home/Maps"
cp "$exe" "$E2E_TMP/demo/tessary"
downloads="$E2E_TMP/Downloads"
mkdir -p "$downloads/pack"
printf 'GMX1 First Light\n' > "$downloads/First Light.gmx"
printf 'GMX1 Harbor Point\n' > "$downloads/pack/Harbor Point.gmx"
head -c 3000 /dev/urandom >> "$downloads/pack/Harbor Point.gmx"
cp "$top/demo/previews/birch_lake.bmp" "$downloads/pack/Harbor Point.bmp"
(cd "$downloads" && zip -q -r Map.zip pack)
archive_sum=$(md5sum < "$downloads/Map.zip")

# confirm PID: the process's box (a question or a report) is up; Return
# answers it with its default button.
confirm() {
  local box
  box=$(wait_window "$1" '^Tessary --- Fennock Marrowby$') || return 1
  sleep 0.5
  xdotool windowactivate --sync "$box" 2>/dev/null || true
  xdotool key Return
}

"$E2E_TMP/demo/tessary" -- "$downloads/First Light.gmx" &
first=$!
E2E_PIDS+=("$first")
mover=$(wait_map_window "$first") || fail "the map window did not appear"
confirm "$first" || fail "the first start did not ask about its file"
for _ in $(seq 50); do [ -f "$maps/First Light.gmx" ] && break; sleep 0.1; done
cmp -s "$maps/First Light.gmx" "$downloads/First Light.gmx" || fail "the first start's file was not added"
confirm "$first" || fail "the first start did not report what it added"

status=0
(cd "$downloads" && timeout 15 "$E2E_TMP/demo/tessary" Map.zip) || status=$?
[ "$status" -eq 0 ] || fail "the second start with the archive ended with status $status"
wait_window "$first" '^Tessary --- Fennock Marrowby$' >/dev/null || fail "the running copy did not ask about the archive"
[ ! -e "$maps/Harbor Point.gmx" ] || fail "the map was added before the player agreed"

# The running copy answers a later start while its box waits for the player.
status=0
timeout 15 "$E2E_TMP/demo/tessary" || status=$?
[ "$status" -eq 0 ] || fail "a plain start while the box is open ended with status $status"

sleep 0.5
shot confirm-archive
confirm "$first" || fail "the box about the archive went away"
for _ in $(seq 50); do [ -f "$maps/Harbor Point.bmp" ] && break; sleep 0.1; done
cmp -s "$maps/Harbor Point.gmx" "$downloads/pack/Harbor Point.gmx" || fail "the map is not in the game's maps folder as it was in the archive"
cmp -s "$maps/Harbor Point.bmp" "$downloads/pack/Harbor Point.bmp" || fail "the picture is not in the game's maps folder as it was in the archive"
[ "$(md5sum < "$downloads/Map.zip")" = "$archive_sum" ] || fail "the archive changed"
sleep 0.5
shot added-report
confirm "$first" || fail "the running copy did not report what it added"
kill -0 "$first" 2>/dev/null || fail "the running copy ended"
[ "$(map_windows)" -eq 1 ] || fail "$(map_windows) map windows"
echo "open with: passed"
