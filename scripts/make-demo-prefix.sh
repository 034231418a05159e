#!/usr/bin/env bash
# Makes the demo game installation: a Wine prefix whose fixed drive C: holds
# the game with some maps (some with preview pictures, one written in upper
# case, one without a picture, a few already stored), and a second fixed
# drive D: without the game.
#   make-demo-prefix.sh DEMO_DIR
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
demo=${1:?usage: make-demo-prefix.sh DEMO_DIR}
previews="$top/demo/previews"

rm -rf "$demo/prefix"
prefix="$demo/prefix"
game="$prefix/drive_c/Games/Fennock Marrowby"
maps="$game/Home/Maps"
mkdir -p "$prefix/dosdevices" "$maps/Stored Maps" "$prefix/drive_d/Backups/2025"
ln -s ../drive_c "$prefix/dosdevices/c:"
ln -s ../drive_d "$prefix/dosdevices/d:"

# Drive types come from system.reg; no entries means C: and D: are fixed.
printf 'WINE REGISTRY Version 2\n\n[Software\\\\Wine\\\\Drives]\n\n' > "$prefix/system.reg"

printf 'MZ demo game executable\n' > "$game/Marrowby.exe"
printf 'demo notes\n' > "$prefix/drive_d/Backups/2025/readme.txt"

map() {  # map FOLDER NAME [PREVIEW]
  local folder=$1 name=$2 preview=${3:-}
  printf 'GMX1 %s\n' "$name" > "$folder/$name"
  head -c 4096 /dev/zero | tr '\0' 'm' >> "$folder/$name"
  if [ -n "$preview" ]; then
    cp "$previews/$preview" "$folder/${name%???}bmp"
  fi
}
map "$maps" "Aspen Valley.gmx" aspen_valley.bmp
map "$maps" "Birch Lake.gmx" birch_lake.bmp
map "$maps" "RIDGELINE.GMX" ridgeline.bmp
map "$maps" "Foggy Marsh.gmx"
map "$maps" "Canyon Run.gmx" canyon_run.bmp
map "$maps/Stored Maps" "Old Quarry.gmx" old_quarry.bmp
map "$maps/Stored Maps" "Winter Pines.gmx" winter_pines.bmp
printf 'not a map\n' > "$maps/readme.txt"
echo "$prefix"
