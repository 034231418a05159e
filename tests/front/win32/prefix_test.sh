#!/usr/bin/env bash
# Runs the Win32 cases that need a prepared Wine prefix: drive letters as
# dosdevices links with types in system.reg, a folder tree with Unix links
# that loop, and maps whose names differ only in letter case.
#   prefix_test.sh test_win32.exe
set -euo pipefail
exe=${1:?usage: prefix_test.sh test_win32.exe}
here=$(cd "$(dirname "$0")" && pwd)
run=$here/../../../cmake/wine-run.sh
tmp=$(mktemp -d /tmp/tessary-win32.XXXXXX)
export WINEPREFIX=$tmp/prefix
cleanup() { wineserver -k 2>/dev/null || true; rm -rf "$tmp"; }
trap cleanup EXIT

# A fresh prefix, made once by the runner, then stopped so that the
# registry can be changed: Wine reads it when its server starts.
"$run" cmd /c exit >/dev/null 2>&1 || true
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true

mkdir -p "$tmp/drive"
dos=$WINEPREFIX/dosdevices
# c: stays the prefix's own drive, with Windows on it.
for letter in a b d e f g h i j; do rm -f "$dos/$letter:"; ln -s "$tmp/drive" "$dos/$letter:"; done
rm -f "$dos"/[k-o]:
ln -s "$tmp/missing" "$dos/l:"
cat >> "$WINEPREFIX/system.reg" <<'REG'

[Software\\Wine\\Drives]
"d:"="cdrom"
"e:"="network"
"f:"="hd"
"g:"="weird"
"h:"="ramdisk"
"i:"="floppy"
REG

# loop/sub/back leads back to loop; linked/a-link leads to a folder with the game.
mkdir -p "$tmp/tree/loop/sub" "$tmp/tree/real" "$tmp/tree/linked"
ln -s ../../loop "$tmp/tree/loop/sub/back"
ln -s ../real "$tmp/tree/linked/a-link"
printf 'MZ' > "$tmp/tree/real/Marrowby.exe"

# Maps and pictures whose names differ only in letter case, side by side
# as only a Linux disk holds them.
mkdir -p "$tmp/twins"
printf 'lake map' > "$tmp/twins/Lake.gmx"
printf 'LAKE MAP' > "$tmp/twins/LAKE.GMX"
printf 'BM lake' > "$tmp/twins/lake.bmp"
printf 'BM LAKE' > "$tmp/twins/LAKE.bmp"

# A pipe that no program writes to, among files that may be dropped.
mkfifo "$tmp/pipe.gmx"

export TESSARY_PREPARED_PREFIX=1
export TESSARY_PIPE="Z:${tmp//\//\\}\\pipe.gmx"
export TESSARY_TWINS_FOLDER="Z:${tmp//\//\\}\\twins"
export TESSARY_LINK_TREE="Z:${tmp//\//\\}\\tree"
"$run" "$exe" --gtest_filter='*Prepared*'
