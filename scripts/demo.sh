#!/usr/bin/env bash
# Installs what is missing, builds Tessary and starts it on the demo game
# installation in build/demo. With no display it runs under Xvfb and saves a
# screenshot. Run with --reset to make the demo installation afresh.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/install-deps.sh run
cmake --preset release
cmake --build --preset release -j "$(nproc)" --target tessary

demo="$top/build/demo"
mkdir -p "$demo"
if [ "${1:-}" = "--reset" ] || [ ! -d "$demo/prefix" ]; then
  bash scripts/make-demo-prefix.sh "$demo" >/dev/null
  rm -f "$demo/maplog.txt"
fi
# The demo runs its own copy of the program, so its location cache lives in
# the demo folder.
cp build/release/src/tessary "$demo/tessary"
export WINEPREFIX="$demo/prefix"

if [ -n "${DISPLAY:-}" ]; then
  exec "$demo/tessary"
fi

echo "No display: running under Xvfb for a few seconds and taking a screenshot."
# Xvfb takes a free display number and writes it to descriptor 3 once it
# accepts clients.
number=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$number" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$number"' EXIT
for _ in $(seq 100); do
  [ -s "$number" ] && break
  kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
[ -s "$number" ] || { echo "Xvfb gave no display number" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$number")"
echo "Display $DISPLAY"
"$demo/tessary" &
app=$!
sleep 4
import -window root "$demo/screenshot.png"
kill "$app" 2>/dev/null || true
echo "Screenshot: $demo/screenshot.png"
