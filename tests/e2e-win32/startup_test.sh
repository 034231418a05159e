#!/usr/bin/env bash
# Tessary.exe under Wine in a real X display: it finds the game on drive G:
# (a dosdevices link), writes maplog.txt in the ANSI form with CR LF and
# opens its frame; with no game it shows "Game not found" and ends.
exe=${1:?usage: startup_test.sh Tessary.exe}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/xvfb_lib.sh"
run=$here/../../cmake/wine-run.sh
export WINEPREFIX=$E2E_TMP/prefix
trap 'wineserver -k 2>/dev/null || true; e2e_cleanup' EXIT
start_xvfb
"$run" cmd /c exit >/dev/null 2>&1 || true

# Only C: (Windows, with no game) and G: are drives; the search of C: is
# kept short by pointing nothing else at big trees.
dos=$WINEPREFIX/dosdevices
rm -f "$dos"/[abd-o]:
mkdir -p "$E2E_TMP/games/Games/Hunt/Home/Maps"
printf 'MZ' > "$E2E_TMP/games/Games/Hunt/Marrowby.exe"
ln -s "$E2E_TMP/games" "$dos/g:"

app=$E2E_TMP/found
mkdir -p "$app"
cp "$exe" "$app/Tessary.exe"
"$run" "$app/Tessary.exe" &
pid=$!
E2E_PIDS+=("$pid")
# Both runs walk all of C: first; on a busy machine that takes a while.
found=
deadline=$((SECONDS + 120))
while [ "$SECONDS" -lt "$deadline" ]; do
  if xdotool search --onlyvisible --name '^  Tessary - Fennock Marrowby Edition$' >/dev/null 2>&1; then
    found=1; break
  fi
  sleep 0.1
done
[ -n "$found" ] || fail "the main frame did not appear"
expected=$(printf '"G:\\Games\\Hunt\\Home\\Maps"\r\n' | od -An -c)
actual=$(od -An -c < "$app/maplog.txt")
[ "$expected" = "$actual" ] || fail "maplog.txt holds:$actual"
wineserver -k 2>/dev/null || true
wait "$pid" 2>/dev/null || true

# No game: G: gone.
rm "$dos/g:"
app=$E2E_TMP/notfound
mkdir -p "$app"
cp "$exe" "$app/Tessary.exe"
"$run" "$app/Tessary.exe" &
pid=$!
E2E_PIDS+=("$pid")
box=
deadline=$((SECONDS + 120))
while [ "$SECONDS" -lt "$deadline" ]; do
  box=$(xdotool search --onlyvisible --name '^Game not found$' 2>/dev/null | head -n 1 || true)
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "the not-found message did not appear"
[ ! -e "$app/maplog.txt" ] || fail "a cache was written although the game was not found"
xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus "$box" || true
xdotool key --window "$box" Return
wait_exit "$pid" 20 || fail "the program did not end after the message"
[ ! -e "$app/maplog.txt" ] || fail "a cache was written after the message"
echo "Windows start-up end-to-end: passed"
