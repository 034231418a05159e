#!/usr/bin/env bash
# Installs the cross-build and Wine, builds the 32-bit Windows Tessary.exe
# (preset "windows") and runs its tests under Wine and Xvfb.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" dpkg --add-architecture i386
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y cmake ninja-build mingw-w64 wine wine64 wine32:i386 googletest \
  xvfb xauth xdotool x11-utils openbox imagemagick

export WINEPREFIX=$top/build/windows/wineprefix
export TESSARY_WINEPREFIX=$WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
wineboot --init
wineserver -w

cmake --preset windows
cmake --build --preset windows
exe=build/windows/Tessary.exe
size=$(stat -c %s "$exe")
[ "$size" -lt $((4 * 1024 * 1024)) ] || { echo "Tessary.exe is $size bytes" >&2; exit 1; }
headers=$(i686-w64-mingw32-objdump -p "$exe")
grep -q 'Magic.*010b' <<<"$headers" || { echo "Tessary.exe is not 32-bit" >&2; exit 1; }
if grep 'DLL Name' <<<"$headers" | grep -viE 'kernel32|user32|gdi32|comctl32|shell32|msvcrt|advapi32'; then
  echo "Tessary.exe imports a DLL that is not Windows' own" >&2; exit 1
fi
ctest --preset windows
wineserver -k || true
