#!/usr/bin/env bash
# The real program in a real X window: it finds the game on a drive of a Wine
# prefix, remembers the folder and opens its main frame; where there is no
# game it says so and, when the player declines to choose the game's folder,
# ends with a status that is not 0; the folder the player chooses instead is
# remembered and the start goes on.
exe=${1:?usage: startup_test.sh TESSARY_EXECUTABLE}
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb

# --- The game is found on drive G: ---
app="$E2E_TMP/found"
mkdir -p "$app"
cp "$exe" "$app/tessary"
prefix="$E2E_TMP/prefix-found"
make_prefix "$prefix"
mkdir -p "$E2E_TMP/games/Games/Hunt/Home/Maps" "$E2E_TMP/empty-drive"
printf 'MZ' > "$E2E_TMP/games/Games/Hunt/Marrowby.exe"
ln -s "$E2E_TMP/empty-drive" "$prefix/dosdevices/c:"
ln -s "$E2E_TMP/games" "$prefix/dosdevices/g:"

WINEPREFIX="$prefix" "$app/tessary" &
pid=$!
E2E_PIDS+=("$pid")
wait_window "$pid" '^  Tessary - Fennock Marrowby Edition$' >/dev/null || fail "the main frame did not appear"
expected=$(printf '"%s/dosdevices/g:/Games/Hunt/Home/Maps"\r\n' "$prefix" | od -An -c)
actual=$(od -An -c < "$app/maplog.txt")
[ "$expected" = "$actual" ] || fail "maplog.txt holds:$actual"
kill "$pid"; wait "$pid" 2>/dev/null || true

# Started again, the cache is trusted: the frame opens even with the drive gone.
rm "$prefix/dosdevices/g:"
WINEPREFIX="$prefix" "$app/tessary" &
pid=$!
E2E_PIDS+=("$pid")
wait_window "$pid" '^  Tessary - Fennock Marrowby Edition$' >/dev/null || fail "the second start did not open the frame"
kill "$pid"; wait "$pid" 2>/dev/null || true

# --- No game anywhere ---
app="$E2E_TMP/notfound"
mkdir -p "$app"
cp "$exe" "$app/tessary"
prefix="$E2E_TMP/prefix-empty"
make_prefix "$prefix"
ln -s "$E2E_TMP/empty-drive" "$prefix/dosdevices/c:"
WINEPREFIX="$prefix" "$app/tessary" &
pid=$!
E2E_PIDS+=("$pid")
box=$(wait_window "$pid" '^Game not found$') || fail "the not-found message did not appear"
[ ! -e "$app/maplog.txt" ] || fail "a cache was written although the game was not found"
xdotool windowfocus --sync "$box"
xdotool key Escape
wait_exit "$pid" 10 || fail "the program did not end after the message"
status=0
wait "$pid" || status=$?
[ "$status" -ne 0 ] || fail "the program ended with status 0 without the game"
[ ! -e "$app/maplog.txt" ] || fail "a cache was written after the message"

# --- No game on the drives: the player chooses its folder ---
WINEPREFIX="$prefix" "$app/tessary" &
pid=$!
E2E_PIDS+=("$pid")
box=$(wait_window "$pid" '^Game not found$') || fail "the not-found message did not appear again"
xdotool windowfocus --sync "$box"
xdotool key Return
dialog=$(wait_window "$pid" '^Choose the folder that holds Marrowby.exe$') || fail "no folder dialog"
xdotool windowfocus --sync "$dialog"
xdotool type --delay 20 "$E2E_TMP/games/Games/Hunt"
xdotool key Return
wait_window "$pid" '^  Tessary - Fennock Marrowby Edition$' >/dev/null || fail "the chosen folder did not open the frame"
expected=$(printf '"%s/games/Games/Hunt/Home/Maps"\r\n' "$E2E_TMP" | od -An -c)
actual=$(od -An -c < "$app/maplog.txt")
[ "$expected" = "$actual" ] || fail "maplog.txt after the choice holds:$actual"
kill "$pid"; wait "$pid" 2>/dev/null || true
echo "startup end-to-end: passed"
