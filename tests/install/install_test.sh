#!/usr/bin/env bash
set -euo pipefail
build=${1:?usage: install_test.sh BUILD_DIR}
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
cmake --install "$build" --prefix "$dest" >/dev/null
test -x "$dest/bin/tessary" || { echo "FAIL: no executable"; exit 1; }
desktop="$dest/share/applications/tessary.desktop"
grep -qx 'Exec=tessary %F' "$desktop" && grep -q '^MimeType=.*application/zip;' "$desktop" || { echo "FAIL: desktop entry"; exit 1; }
grep -qx 'Icon=tessary' "$desktop" || { echo "FAIL: desktop icon"; exit 1; }
icon="$dest/share/icons/hicolor/64x64/apps/tessary.png"
[ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' ')" = "89504e470d0a1a0a" ] || { echo "FAIL: icon"; exit 1; }
echo "install layout: passed"
