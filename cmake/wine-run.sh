#!/usr/bin/env bash
# Runs a Windows program under Wine for the cross-built tests:
#   wine-run.sh PROGRAM.exe [ARGUMENTS...]
# The prefix is WINEPREFIX when set, else a private one beside the build
# (TESSARY_WINEPREFIX, or build/wineprefix below the source tree). It is made
# on first use; the lock keeps parallel tests from making it twice.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${WINEPREFIX:-${TESSARY_WINEPREFIX:-$here/../build/wineprefix}}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe=d;mscoree,mshtml=}
export WINEARCH=${WINEARCH:-win64}

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot --init >/dev/null 2>&1
      wineserver -w
    fi
  ) 9>"$WINEPREFIX.lock"
fi
# Keep the wine server up between tests (each start then costs ~0.1 s); it
# leaves 30 s after the last program ends.
wineserver -p30 </dev/null >/dev/null 2>&1 || true
# Wine starts its helper processes (services, devices) from the first
# program; they would inherit our output and keep a caller that waits for
# the end of it (CTest) waiting long after the program has ended. So the
# program writes to files, passed on when it ends.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
status=0
wine "$@" >"$out" 2>"$err" </dev/null || status=$?
cat "$out"
cat "$err" >&2
exit "$status"
