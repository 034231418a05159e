#!/usr/bin/env bash
# The program's arguments and a missing display: texts and exit statuses,
# never a window and never an abort.
set -euo pipefail
exe=${1:?usage: command_line_test.sh TESSARY_EXECUTABLE}
tmp=$(mktemp -d /tmp/tessary-cli.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

# run EXPECTED_STATUS ARGS...: runs the program, keeping its two outputs.
run() {
  local expected=$1 status=0; shift
  "$@" >"$tmp/out" 2>"$tmp/err" || status=$?
  [ "$status" -eq "$expected" ] || fail "$* ended with $status, not $expected: $(cat "$tmp/err")"
}

run 0 "${nodisplay[@]}" "$exe" --version
[ "$(cat "$tmp/out")" = "Tessary 1.00" ] || fail "--version printed: $(cat "$tmp/out")"
for option in --help -h; do
  run 0 "${nodisplay[@]}" "$exe" "$option"
  grep -q 'WINEPREFIX' "$tmp/out" && grep -q 'maplog.txt' "$tmp/out" || fail "$option printed: $(cat "$tmp/out")"
  [ ! -s "$tmp/err" ] || fail "$option wrote to standard error"
done
for arguments in --bogus "--version extra" -platform; do
  # shellcheck disable=SC2086
  run 2 "${nodisplay[@]}" "$exe" $arguments
  [ ! -s "$tmp/out" ] && grep -q '^Usage: tessary' "$tmp/err" || fail "'$arguments' gave no usage on standard error"
done

# No display at all, and a display with no server behind it.
run 1 "${nodisplay[@]}" "$exe"
[ "$(wc -l <"$tmp/err")" -eq 1 ] && grep -q 'no display' "$tmp/err" || fail "no display: $(cat "$tmp/err")"
n=900
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
run 1 env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$n" "$exe"
[ "$(cat "$tmp/err")" = "tessary: cannot open a window on the display \":$n\"" ] || fail "dead display: $(cat "$tmp/err")"
echo "command line: passed"
