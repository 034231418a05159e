#!/usr/bin/env bash
# Draws the README's picture of the map window: builds Tessary, starts it on a
# fresh demo game installation under a private Xvfb, chooses "Aspen Valley" so
# its preview shows, and saves the map window alone (the desktop around its
# outline transparent) as a small PNG. Run it again whenever the window's
# look changes.
#   readme-screenshot.sh [OUT.png]   (default docs/mapwindow.png)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$top/docs/mapwindow.png}")
cd "$top"

bash scripts/install-deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target tessary

work=$(mktemp -d)
pids=()
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# A white desktop, so what lies outside the window's outline is known.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset -wr 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb gave no display number" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

bash scripts/make-demo-prefix.sh "$work/demo" >/dev/null
cp build/release/src/tessary "$work/demo/tessary"
WINEPREFIX="$work/demo/prefix" "$work/demo/tessary" &
app=$!
pids+=("$app")

# The map window is the program's 627 x 402 window named "Tessary".
window=
for _ in $(seq 100); do
  for id in $(xdotool search --all --onlyvisible --pid "$app" --name '^Tessary$' 2>/dev/null); do
    xdotool getwindowgeometry "$id" | grep -q 'Geometry: 627x402' && window=$id
  done
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the map window did not appear" >&2; exit 1; }
sleep 2

# Away from the program's other window, so only the desktop lies around it.
x=640 y=600
xdotool windowmove "$window" "$x" "$y"
sleep 0.5
xdotool mousemove $((x + 80)) $((y + 84)) click 1
sleep 0.3
xdotool mousemove 1279 0
sleep 1
import -window root "$work/screen.png"

mkdir -p "$(dirname "$out")"
/usr/bin/convert "$work/screen.png" -crop "627x402+$x+$y" +repage \
  -bordercolor white -border 1 -fill none -draw 'color 0,0 floodfill' -shave 1x1 \
  -strip +dither -colors 255 -define png:compression-level=9 "PNG8:$out"
echo "Picture: $out ($(stat -c %s "$out") bytes)"
