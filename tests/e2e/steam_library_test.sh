#!/usr/bin/env bash
# The real program with no WINEPREFIX and a home folder that holds nothing
# but a Steam library with the game: it finds the game there, remembers its
# maps folder and opens the main frame.
exe=${1:?usage: steam_library_test.sh TESSARY_EXECUTABLE}
source "$(dirname "$0")/xvfb_lib.sh"
start_xvfb

app="$E2E_TMP/app"
mkdir -p "$app"
cp "$exe" "$app/tessary"
home="$E2E_TMP/home"
steam="$home/.local/share/Steam"
game="$steam/steamapps/common/Fennock Marrowby Edition"
mkdir -p "$game/Home/Maps" "$steam/steamapps/compatdata/1149460"
printf 'MZ' > "$game/Marrowby.exe"
cat > "$steam/steamapps/libraryfolders.vdf" <<VDF
"libraryfolders"
{
	"0"
	{
		"path"		"$steam"
		"label"		""
		"contentid"		"4851352945233412365"
		"totalsize"		"0"
		"apps"
		{
			"1149460"		"1813221374"
		}
	}
}
VDF

env -u WINEPREFIX HOME="$home" "$app/tessary" &
pid=$!
E2E_PIDS+=("$pid")
wait_window "$pid" '^  Tessary - Fennock Marrowby Edition$' 30 >/dev/null || fail "the main frame did not appear"
expected=$(printf '"%s/steamapps/common/Fennock Marrowby Edition/Home/Maps"\r\n' "$steam" | od -An -c)
actual=$(od -An -c < "$app/maplog.txt")
[ "$expected" = "$actual" ] || fail "maplog.txt holds:$actual"
[ ! -e "$home/.wine" ] || fail "a ~/.wine was made"
kill "$pid"; wait "$pid" 2>/dev/null || true
echo "Steam library end-to-end: passed"
