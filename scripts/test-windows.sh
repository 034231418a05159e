#!/usr/bin/env bash
# Installs the cross-build and Wine, builds the Windows Tessary.exe and runs
# its tests under Wine and Xvfb.
#
# Where this machine executes 32-bit (i386) programs, the 32-bit Tessary.exe
# (preset "windows") and every Windows test run under 32-bit Wine. Where it
# does not, the 32-bit Tessary.exe is still built and checked, and the same
# sources built for 64-bit Windows (preset "windows64") run every Windows test
# under 64-bit Wine. TESSARY_WINDOWS_TESTS=32 or =64 chooses the way instead.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

# Whether this machine executes i386 programs: a static i386 ELF of 93 bytes
# (one loaded segment; exit(42) through int 0x80) must run and end with 42.
# It needs no package, so a missing 32-bit library cannot fool it.
runs_i386() {
  local probe=$top/build/i386-probe status=0
  mkdir -p "$(dirname "$probe")"
  printf '%b' \
    '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
    '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
    '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
    '\x00\x00\x00\x00' \
    '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
    '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
    '\x31\xdb\xb3\x2a\x31\xc0\x40\xcd\x80' >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  [ "$status" -eq 42 ]
}

case "${TESSARY_WINDOWS_TESTS:-}" in
  "")
    if runs_i386; then
      bits=32; echo "This machine runs 32-bit programs: the Windows tests run the 32-bit build under 32-bit Wine."
    else
      bits=64; echo "This machine cannot run 32-bit programs: the 32-bit Tessary.exe is built and checked, the Windows tests run the 64-bit build under 64-bit Wine."
    fi ;;
  32)
    if ! runs_i386; then
      echo "TESSARY_WINDOWS_TESTS=32, but this machine cannot execute 32-bit (i386) programs, so 32-bit Wine cannot run here. Leave TESSARY_WINDOWS_TESTS unset or set it to 64." >&2
      exit 1
    fi
    bits=32; echo "TESSARY_WINDOWS_TESTS=32: the Windows tests run the 32-bit build under 32-bit Wine." ;;
  64)
    bits=64; echo "TESSARY_WINDOWS_TESTS=64: the 32-bit Tessary.exe is built and checked, the Windows tests run the 64-bit build under 64-bit Wine." ;;
  *)
    echo "TESSARY_WINDOWS_TESTS must be 32, 64 or unset, not '$TESSARY_WINDOWS_TESTS'" >&2
    exit 1 ;;
esac

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
# libz-mingw-w64-dev: zlib, linked into Tessary.exe statically, for zip archives.
# zip makes the archives the tests drop; gcc and libx11-dev build the X
# program the end-to-end test drops files from.
packages=(cmake ninja-build mingw-w64 libz-mingw-w64-dev wine wine64 googletest xvfb xauth xdotool x11-utils openbox
          imagemagick zip gcc libc6-dev libx11-dev)
if [ "$bits" = 32 ]; then
  packages+=(wine32:i386)
fi
# Only what is missing is installed: a machine that has everything never
# depends on the package mirror (which may be in the middle of a sync).
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  if [ "$bits" = 32 ]; then "${sudo_cmd[@]}" dpkg --add-architecture i386; fi
  # An index that fails to download (a mirror sync in progress) leaves the
  # old one in use; the install below still fails if a package cannot be had.
  "${sudo_cmd[@]}" apt-get update || echo "apt-get update failed; going on with the package lists there are" >&2
  "${sudo_cmd[@]}" apt-get install -y "${missing[@]}"
fi

# check_exe EXE OBJDUMP MAGIC: a stripped Windows GUI program under 4 MB
# with the given optional-header magic, importing only Windows' own DLLs.
check_exe() {
  local exe=$1 objdump=$2 magic=$3 size headers
  size=$(stat -c %s "$exe")
  [ "$size" -lt $((4 * 1024 * 1024)) ] || { echo "$exe is $size bytes" >&2; exit 1; }
  headers=$("$objdump" -p "$exe")
  grep -q "^Magic[[:space:]]*$magic" <<<"$headers" || { echo "$exe is not of magic $magic" >&2; exit 1; }
  grep -q '^Subsystem.*(Windows GUI)' <<<"$headers" || { echo "$exe is not a GUI program" >&2; exit 1; }
  grep -q 'symbols stripped' <<<"$headers" || { echo "$exe is not stripped" >&2; exit 1; }
  if grep 'DLL Name' <<<"$headers" | grep -viE 'kernel32|user32|gdi32|comctl32|shell32|ole32|msvcrt|advapi32'; then
    echo "$exe imports a DLL that is not Windows' own" >&2; exit 1
  fi
}

if [ "$bits" = 32 ]; then
  preset=windows
else
  # The 32-bit program still ships: build and check it, without its tests.
  cmake --preset windows
  cmake --build --preset windows --target Tessary
  check_exe build/windows/Tessary.exe i686-w64-mingw32-objdump 010b
  preset=windows64
  # Debian's wine prefers the 32-bit loader whenever wine32 is installed,
  # and wineboot and its kind call wine-stable by name: both names, early
  # on PATH, start the 64-bit loader.
  loader=/usr/lib/wine/wine64
  wrappers=$top/build/windows64/wine-bin
  mkdir -p "$wrappers"
  for name in wine wine-stable; do
    printf '#!/bin/sh\nexec %s "$@"\n' "$loader" >"$wrappers/$name"
    chmod +x "$wrappers/$name"
  done
  export PATH=$wrappers:$PATH WINELOADER=$loader WINEARCH=win64
fi

export WINEPREFIX=$top/build/$preset/wineprefix
export TESSARY_WINEPREFIX=$WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
wineboot --init
wineserver -w

cmake --preset "$preset"
cmake --build --preset "$preset"
if [ "$bits" = 32 ]; then
  check_exe build/windows/Tessary.exe i686-w64-mingw32-objdump 010b
else
  check_exe build/windows64/Tessary.exe x86_64-w64-mingw32-objdump 020b
fi
ctest --preset "$preset"
wineserver -k || true
