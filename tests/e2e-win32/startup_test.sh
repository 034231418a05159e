#!/usr/bin/env bash
# Tessary.exe under Wine in a real X display: it finds the game on drive G:
# (a dosdevices link), writes maplog.txt in the ANSI form with CR LF and
# opens its frame; with no game it shows "Game not found" and ends.
source "$(dirname "$0")/wine_lib.sh"
start_wine

# Only C: (Windows, with no game) and G: are drives; the search of C: is
# kept short by pointing nothing else at big trees.
mkdir -p "$E2E_TMP/games/Games/Hunt/Home/Maps"
printf 'MZ' > "$E2E_TMP/games/Games/Hunt/Marrowby.exe"
ln -s "$E2E_TMP/games" "$dos/g:"

app=$E2E_TMP/found
install_app "$app"
run_app "$app"
# Both runs walk all of C: first; on a busy machine that takes a while.
wait_named '^  Tessary - Fennock Marrowby Edition$' 120 >/dev/null || fail "the main frame did not appear"
expected=$(printf '"G:\\Games\\Hunt\\Home\\Maps"\r\n' | od -An -c)
actual=$(od -An -c < "$app/maplog.txt")
[ "$expected" = "$actual" ] || fail "maplog.txt holds:$actual"
wineserver -k 2>/dev/null || true
wait "$pid" 2>/dev/null || true

# No game: G: gone.
rm "$dos/g:"
app=$E2E_TMP/notfound
install_app "$app"
run_app "$app"
box=$(wait_named '^Game not found$' 120) || fail "the not-found message did not appear"
[ ! -e "$app/maplog.txt" ] || fail "a cache was written although the game was not found"
xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus "$box" || true
xdotool key --window "$box" Escape
wait_exit "$pid" 20 || fail "the program did not end after the message"
[ ! -e "$app/maplog.txt" ] || fail "a cache was written after the message"
echo "Windows start-up end-to-end: passed"
