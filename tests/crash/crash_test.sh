#!/usr/bin/env bash
# The map window's own transfer code (in a child process, the driver) is
# killed with SIGKILL (sent by a timer in the driver, for a precise random
# moment after the map was picked; TESSARY_CRASH_SIGNAL=TERM sends SIGTERM)
# while it moves large maps in both directions, with and without a map of
# the same name at the destination, first with "Stored Maps" on another file
# system (copies), then on the same one (renames). After every kill, every
# map and picture that ever existed is whole somewhere (either maps folder,
# the trash or "Replaced Maps"); after the next start both folders hold
# exactly what they held before the transfer or what they hold after it, and
# no temporary or half-written file is left in either folder or shown in
# either list. Prints how many kills fell where, and what the next start did.
#   crash_test.sh TRANSFER_DRIVER
driver=${1:?usage: crash_test.sh TRANSFER_DRIVER}
set -euo pipefail
map_mb=${TESSARY_CRASH_MAP_MB:-16}
kills_wanted=${TESSARY_CRASH_KILLS:-200}
signal=${TESSARY_CRASH_SIGNAL:-KILL}
case "$signal" in KILL) killed_status=137 ;; TERM) killed_status=143 ;; *) echo "signal KILL or TERM" >&2; exit 2 ;; esac

T=$(mktemp -d /tmp/tessary-crash.XXXXXX)
other=$(mktemp -d /dev/shm/tessary-crash.XXXXXX 2>/dev/null || mktemp -d "$T/other.XXXXXX")
[ -n "${TESSARY_CRASH_KEEP:-}" ] || trap 'rm -rf "$T" "$other"' EXIT
export HOME=$T/home
unset XDG_DATA_HOME
mkdir -p "$HOME"
trash=$HOME/.local/share/Trash/files

fail() {
  echo "FAIL: $*" >&2
  ls -laR "$T" "$other" >&2 || true
  exit 1
}

declare -A originals  # checksum -> what it was
declare -A sums       # device:inode:size:mtime -> checksum
sum_of() {  # sum_of PATH: its checksum in $sum (kept by file and state)
  local key line
  key=$(stat -c '%d:%i:%s:%.9Y' -- "$1")
  if [ -z "${sums[$key]:-}" ]; then
    line=$(md5sum < "$1")
    sums[$key]=${line%% *}
  fi
  sum=${sums[$key]}
}
remember() { sum_of "$1"; originals[$sum]=$2; }

# Everything checked against what ever existed.
check_kept() {  # check_kept GAME STORED
  declare -A present=()
  local files=() f key name line
  for f in "$1"/* "$2"/* "$2/Replaced Maps"/* "$trash"/*; do [ -f "$f" ] && files+=("$f"); done
  # One stat for all; only new or changed files are read again.
  while IFS= read -r line; do
    key=${line%% *}
    name=${line#* }
    if [ -z "${sums[$key]:-}" ]; then
      f=$(md5sum < "$name")
      sums[$key]=${f%% *}
    fi
    present[${sums[$key]}]=1
  done < <(stat -c '%d:%i:%s:%.9Y %n' -- "${files[@]}")
  local s
  for s in "${!originals[@]}"; do
    [ -n "${present[$s]:-}" ] || fail "${originals[$s]} is nowhere after kill $kills ($where)"
  done
}
check_next_start() {  # check_next_start GAME STORED: lists to $T/lists
  "$driver" "$1" load > "$T/lists" || fail "the next start failed"
  local leftovers
  leftovers=$(find "$1" "$2/" -maxdepth 1 -name '.tessary-*' | wc -l)
  [ "$leftovers" -eq 0 ] || fail "$leftovers temporary files left after the next start"
  local side name folder
  grep -E '^(game|stored) ' "$T/lists" > "$T/names" || true
  while read -r side name; do
    [ "$side" = game ] && folder=$1 || folder=$2
    sum_of "$folder/$name"
    [ -n "${originals[$sum]:-}" ] || fail "\"$name\" in the $side list is not a whole map"
  done < "$T/names"
}

# state GAME STORED: every visible file directly in either folder, with its
# checksum, one a line, sorted.
state() {
  local side folder f
  for side in game stored; do
    [ "$side" = game ] && folder=$1 || folder=$2
    for f in "$folder"/*; do
      [ -f "$f" ] && [ ! -L "$f" ] || continue
      sum_of "$f"
      printf '%s/%s %s\n' "$side" "${f##*/}" "$sum"
    done
  done | LC_ALL=C sort
}

big() {  # big PATH MB WHAT
  head -c $(($2 * 1024 * 1024)) /dev/urandom > "$1"
  remember "$1" "$3"
}

# pick SIDE FOLDER: a random map of that list, a large one when there is one
# (the small older maps a test puts in the way would move before any kill).
pick() {
  local names
  names=$(grep "^$1 " "$T/lists" | cut -d' ' -f2-)
  local large
  large=$(while IFS= read -r n; do [ -n "$n" ] && [ "$(stat -c %s -- "$2/$n")" -ge 1048576 ] && echo "$n"; done <<<"$names" || true)
  if [ -n "$large" ]; then shuf -n 1 <<<"$large"; else shuf -n 1 <<<"$names"; fi
}

declare -A fell
kills=0
transfers=0
serial=0

phase() {  # phase NAME GAME STORED KILLS
  local label=$1 game=$2 stored=$3 wanted=$4
  local n
  originals=()
  for n in 1 2 3; do
    big "$game/Map $n.gmx" "$map_mb" "map $n ($label)"
    printf 'BM' > "$game/Map $n.bmp"; head -c 200000 /dev/urandom >> "$game/Map $n.bmp"
    remember "$game/Map $n.bmp" "picture $n ($label)"
  done
  # How long a transfer takes, uninterrupted, in each direction.
  local times=() longest
  for direction in store install store install store install; do
    times+=("$("$driver" "$game" "$direction" "Map 1.gmx" | sed -n 's/^transfer_ns //p')")
  done
  # The fifth of six: long enough to reach the end of most transfers.
  longest=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 5p)
  # Renames take well under a millisecond; setting a replaced map aside
  # takes longer than the measured transfers, which replace nothing.
  [ "$longest" -ge 1000000 ] || longest=1000000
  echo "$label: a transfer takes up to $((longest / 1000000)) ms"
  [ -f "$game/Map 1.gmx" ] || fail "the uninterrupted transfers did not bring Map 1 back"
  local done_kills=0 tries=0
  # The kill comes at a random moment before this bound. A quiet machine
  # renames far faster than the floor above, so the bound shrinks after each
  # transfer that finished first and grows after each kill: about half the
  # transfers are cut off, however fast the disk.
  local bound=$((longest * 5 / 4))
  while [ "$done_kills" -lt "$wanted" ] && [ "$tries" -lt $((wanted * 5)) ]; do
    tries=$((tries + 1))
    "$driver" "$game" load > "$T/lists"
    local from to direction name
    if [ $((RANDOM % 2)) -eq 0 ] && grep -q '^game ' "$T/lists" || ! grep -q '^stored ' "$T/lists"; then
      direction=store; from=$game; to=$stored
      name=$(pick game "$game")
    else
      direction=install; from=$stored; to=$game
      name=$(pick stored "$stored")
    fi
    [ -n "$name" ] || fail "no map left to move"
    local picture="${name%???}bmp"
    # Half the time a map of that name waits at the destination.
    if [ ! -e "$to/$name" ] && [ $((RANDOM % 2)) -eq 0 ]; then
      serial=$((serial + 1))
      printf 'older %s %s\n' "$name" "$serial" > "$to/$name"
      remember "$to/$name" "an older $name ($serial)"
      # Never over a file already there (one a kill left behind).
      if [ ! -e "$to/$picture" ] && [ $((RANDOM % 2)) -eq 0 ]; then
        printf 'BM older picture %s\n' "$serial" > "$to/$picture"
        remember "$to/$picture" "an older picture of $name ($serial)"
      fi
    fi
    local replaced=no source_sum
    [ -e "$to/$name" ] && replaced=yes
    sum_of "$from/$name"
    source_sum=$sum
    # The folders before the transfer, and as the transfer leaves them.
    local from_side to_side before after picture_sum=
    [ "$direction" = store ] && { from_side=game; to_side=stored; } || { from_side=stored; to_side=game; }
    before=$(state "$game" "$stored")
    [ -f "$from/$picture" ] && { sum_of "$from/$picture"; picture_sum=$sum; }
    after=$(
      while IFS= read -r line; do
        case "${line% *}" in
          "$from_side/$name" | "$from_side/$picture" | "$to_side/$name") continue ;;
          "$to_side/$picture") [ -n "$picture_sum" ] || [ "$replaced" = yes ] && continue ;;
        esac
        printf '%s\n' "$line"
      done <<<"$before"
      printf '%s/%s %s\n' "$to_side" "$name" "$source_sum"
      [ -z "$picture_sum" ] || printf '%s/%s %s\n' "$to_side" "$picture" "$picture_sum"
    )
    after=$(LC_ALL=C sort <<<"$after")
    local delay=$(( (RANDOM * 32768 + RANDOM) % (bound + 1) ))
    echo "$direction \"$name\" (replacing: $replaced), kill after $delay ns" > "$T/last"
    local rc
    # In a subshell, whose word on the killed driver goes nowhere.
    rc=$( (TESSARY_KILL_SIGNAL=$signal TESSARY_KILL_AFTER_NS=$delay "$driver" "$game" "$direction" "$name" \
            > /dev/null 2>&1; echo $?) 2> /dev/null)
    transfers=$((transfers + 1))
    if [ "$rc" -ne "$killed_status" ]; then
      where="finished before the kill"
      bound=$((bound * 3 / 4))
      [ "$bound" -ge 1000 ] || bound=1000
    else
      kills=$((kills + 1))
      done_kills=$((done_kills + 1))
      bound=$((bound * 9 / 8))
      if [ -n "$(find "$game" "$stored/" -maxdepth 1 -name '.tessary-??????')" ]; then
        where="in a copy (temporary file present)"
      elif [ -n "$(find "$game" "$stored/" -maxdepth 1 -name '.tessary-staged-*')" ]; then
        where="after a copy, before it took its name"
      elif [ -z "$(find "$stored/" -maxdepth 1 -name '.tessary-journal-*')" ]; then
        where="before its journal or after its end"
      elif [ -f "$from/$name" ] && [ -f "$to/$name" ] && sum_of "$to/$name" && [ "$sum" = "$source_sum" ]; then
        where="after a copy, before deleting its source"
      elif [ -f "$from/$name" ] && [ "$replaced" = yes ] && [ ! -e "$to/$name" ]; then
        where="after setting the replaced map aside"
      elif [ -f "$from/$name" ]; then
        where="before anything moved"
      elif [ -f "$from/$picture" ]; then
        where="between the map and its picture"
      else
        where="after the map and picture moved"
      fi
      where="$label: $where"
    fi
    check_kept "$game" "$stored"
    check_next_start "$game" "$stored"
    check_kept "$game" "$stored"
    # Before or after, never a mix.
    local now outcome
    now=$(state "$game" "$stored")
    if [ "$now" = "$before" ]; then outcome=before
    elif [ "$now" = "$after" ]; then outcome=after
    else
      diff <(echo "$before") <(echo "$now") >&2 || true
      fail "after kill $kills ($where) and the next start, the folders are neither as before nor as after $(cat "$T/last")"
    fi
    local did
    did=$(sed -n 's/^recovered //p' "$T/lists" | head -n 1)
    [ "$did" != incompletely ] || fail "the next start could not deal with the cut-off transfer ($where)"
    where="$where -> next start: ${did:-found no journal}, folders as $outcome"
    fell[$where]=$(( ${fell[$where]:-0} + 1 ))
  done
  [ "$done_kills" -ge "$wanted" ] || fail "only $done_kills kills in $tries transfers ($label)"
}

cross=$T/Cross/Home/Maps
mkdir -p "$cross"
ln -s "$other" "$cross/Stored Maps"
[ "$(stat -c %d "$T")" != "$(stat -c %d "$other")" ] || echo "note: no second file system; copies are renames"
phase "other disk" "$cross" "$other" $((kills_wanted / 2))
rm -rf "$other"/* "$cross"
same=$T/Same/Home/Maps
mkdir -p "$same/Stored Maps"
phase "same disk" "$same" "$same/Stored Maps" $((kills_wanted - kills_wanted / 2))

echo "crash test: $kills kills (SIG$signal) in $transfers transfers (maps of $map_mb MiB); where they fell:"
for where in "${!fell[@]}"; do printf '  %4d  %s\n' "${fell[$where]}" "$where"; done | sort -k2
echo "crash test: passed"
