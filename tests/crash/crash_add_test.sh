#!/usr/bin/env bash
# Adding dropped maps (a large loose map with its picture, and a zip archive
# of another) is killed at random moments (SIGKILL, or TESSARY_CRASH_SIGNAL=
# TERM) in the driver, half the time over an older map of the same name.
# After every kill the dropped files are unchanged and the older map is
# whole somewhere (the maps folder, the trash or "Replaced Maps"); after the
# next start each map in the game's folder is the old one or the new one,
# whole and with its own picture, and nothing of the add (a staging folder,
# a journal, a temporary file) is left.
#   crash_add_test.sh TRANSFER_DRIVER
driver=${1:?usage: crash_add_test.sh TRANSFER_DRIVER}
set -euo pipefail
kills_wanted=${TESSARY_CRASH_KILLS:-60}
signal=${TESSARY_CRASH_SIGNAL:-KILL}
case "$signal" in KILL) killed_status=137 ;; TERM) killed_status=143 ;; *) echo "signal KILL or TERM" >&2; exit 2 ;; esac

T=$(mktemp -d /tmp/tessary-crash-add.XXXXXX)
[ -n "${TESSARY_CRASH_KEEP:-}" ] || trap 'rm -rf "$T"' EXIT
export HOME=$T/home
unset XDG_DATA_HOME
mkdir -p "$HOME"
trash=$HOME/.local/share/Trash/files
game=$T/Game/Home/Maps
stored=$game/Stored\ Maps
downloads=$T/downloads
mkdir -p "$downloads"

fail() {
  echo "FAIL: $* (kill $kills, $(cat "$T/last" 2>/dev/null))" >&2
  ls -laR "$T" >&2 || true
  exit 1
}
sum() { md5sum < "$1" | cut -d' ' -f1; }

head -c $((16 * 1024 * 1024)) /dev/urandom > "$downloads/Lake.gmx"
{ printf 'BM'; head -c 300000 /dev/urandom; } > "$downloads/Lake.bmp"
mkdir -p "$T/zip/Hill"
head -c $((8 * 1024 * 1024)) /dev/urandom > "$T/zip/Hill/Hill.gmx"
{ printf 'BM'; head -c 300000 /dev/urandom; } > "$T/zip/Hill/Hill.bmp"
(cd "$T/zip" && zip -q -r "$downloads/Hill.zip" Hill)
declare -A new=(
  [Lake.gmx]=$(sum "$downloads/Lake.gmx") [Lake.bmp]=$(sum "$downloads/Lake.bmp")
  [Hill.gmx]=$(sum "$T/zip/Hill/Hill.gmx") [Hill.bmp]=$(sum "$T/zip/Hill/Hill.bmp"))
dropped=$(cd "$downloads" && md5sum -- *)

# Is the older map (by checksum) anywhere?
kept() {
  local f
  for f in "$game"/* "$stored/Replaced Maps"/* "$trash"/*; do
    [ -f "$f" ] && [ "$(sum "$f")" = "$1" ] && return 0
  done
  return 1
}

declare -A fell
kills=0 tries=0 bound=50000000
while [ "$kills" -lt "$kills_wanted" ] && [ "$tries" -lt $((kills_wanted * 5)) ]; do
  tries=$((tries + 1))
  rm -rf "$T/Game" "$trash"
  mkdir -p "$stored"
  old_map= old_picture=
  if [ $((RANDOM % 2)) -eq 0 ]; then
    printf 'older map %s\n' "$tries" > "$game/Lake.gmx"
    printf 'BM older picture %s\n' "$tries" > "$game/Lake.bmp"
    old_map=$(sum "$game/Lake.gmx") old_picture=$(sum "$game/Lake.bmp")
  fi
  delay=$(( (RANDOM * 32768 + RANDOM) % (bound + 1) ))
  echo "add (replacing: ${old_map:+yes}), kill after $delay ns" > "$T/last"
  rc=$( (TESSARY_KILL_SIGNAL=$signal TESSARY_KILL_AFTER_NS=$delay \
          "$driver" "$game" add "$downloads/Lake.gmx" "$downloads/Hill.zip" > "$T/out" 2>&1; echo $?) 2> /dev/null)
  if [ "$rc" -eq "$killed_status" ]; then
    kills=$((kills + 1))
    bound=$((bound * 9 / 8))
  else
    [ "$rc" -eq 0 ] || fail "the add ended with status $rc: $(cat "$T/out")"
    grep -q '^2 maps were added' "$T/out" || fail "the add did not add both maps: $(cat "$T/out")"
    bound=$((bound * 3 / 4))
  fi
  [ "$(cd "$downloads" && md5sum -- *)" = "$dropped" ] || fail "a dropped file changed"
  [ -z "$old_map" ] || kept "$old_map" || fail "the older map is nowhere"
  [ -z "$old_picture" ] || kept "$old_picture" || fail "the older picture is nowhere"
  "$driver" "$game" load > "$T/lists" || fail "the next start failed"
  [ -z "$(find "$game" "$stored/" -maxdepth 1 -name '.tessary-*')" ] || fail "leftovers after the next start"
  grep -q '^recovered incompletely' "$T/lists" && fail "the next start could not deal with the cut-off add"
  [ -z "$old_map" ] || kept "$old_map" || fail "the older map is nowhere after the next start"
  outcome=
  for map in Lake Hill; do
    if [ -f "$game/$map.gmx" ] && [ "$(sum "$game/$map.gmx")" = "${new[$map.gmx]}" ]; then
      [ "$(sum "$game/$map.bmp")" = "${new[$map.bmp]}" ] || fail "$map.gmx was added without its picture"
      outcome+=" $map added"
    elif [ "$map" = Lake ] && [ -n "$old_map" ]; then
      [ "$(sum "$game/Lake.gmx")" = "$old_map" ] && [ "$(sum "$game/Lake.bmp")" = "$old_picture" ] ||
        fail "the older Lake is not back whole"
    else
      [ ! -e "$game/$map.gmx" ] && [ ! -e "$game/$map.bmp" ] || fail "$map is half-added"
    fi
  done
  [ "$(find "$game" -maxdepth 1 -type f | wc -l)" -le 4 ] || fail "stray files in the game's maps folder"
  did=$(sed -n 's/^recovered //p' "$T/lists" | head -n 1)
  where="${did:-no journal} ->${outcome:- nothing added}"
  fell[$where]=$(( ${fell[$where]:-0} + 1 ))
done
[ "$kills" -ge "$kills_wanted" ] || fail "only $kills kills in $tries adds"
echo "crash add test: $kills kills (SIG$signal) in $tries adds; after the next start:"
for where in "${!fell[@]}"; do printf '  %4d  %s\n' "${fell[$where]}" "$where"; done | sort -k2
echo "crash add test: passed"
