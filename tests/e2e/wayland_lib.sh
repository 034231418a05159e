# Shared pieces of the Wayland end-to-end tests: a weston compositor of the
# test's own (headless, or as a window on the test's Xvfb display, where
# xdotool's mouse reaches its clients), screenshots and finding the frame.
# Source after xvfb_lib.sh.

WESTON_SHOTS=$E2E_TMP/weston-shots
mkdir -p "$WESTON_SHOTS"
# A plain magenta desktop, no panel, nothing that moves.
cat >"$E2E_TMP/weston.ini" <<'INI'
[core]
idle-time=0
[shell]
background-color=0xffff00ff
panel-position=none
locking=false
animation=none
startup-animation=none
close-animation=none
focus-animation=none
INI

# start_weston BACKEND: starts weston (headless-backend.so or x11-backend.so,
# the latter on $DISPLAY) on a 1280 x 1024 output and points Qt at it.
start_weston() {
  local socket=tessary-e2e-$$
  weston --config="$E2E_TMP/weston.ini" --backend="$1" --width=1280 --height=1024 --socket="$socket" \
    --use-pixman --debug >"$E2E_TMP/weston.log" 2>&1 &
  WESTON_PID=$!
  E2E_PIDS+=("$WESTON_PID")
  for _ in $(seq 100); do
    # The shell's desktop is up once a screenshot shows its background.
    if [ -S "$XDG_RUNTIME_DIR/$socket" ] && WAYLAND_DISPLAY=$socket wl_shot 2>/dev/null &&
       [ "$(/usr/bin/convert "$E2E_TMP/shot.png" -format '%[pixel:p{1279,1023}]' info:)" = "srgb(255,0,255)" ]; then
      export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
      return 0
    fi
    sleep 0.1
  done
  cat "$E2E_TMP/weston.log" >&2
  fail "weston did not start"
}

# stop_weston: ends the compositor start_weston started.
stop_weston() {
  kill "$WESTON_PID" 2>/dev/null || true
  wait "$WESTON_PID" 2>/dev/null || true
}

# wl_shot: the compositor's screen into $E2E_TMP/shot.png.
wl_shot() {
  rm -f "$WESTON_SHOTS"/*.png
  (cd "$WESTON_SHOTS" && weston-screenshooter) >/dev/null 2>&1 || return 1
  local file
  file=$(ls "$WESTON_SHOTS"/*.png 2>/dev/null | head -n 1)
  [ -n "$file" ] && mv "$file" "$E2E_TMP/shot.png"
}

# keep_shot NAME: keeps the last shot in $TESSARY_SHOTS when that is set.
keep_shot() {
  if [ -n "${TESSARY_SHOTS:-}" ]; then mkdir -p "$TESSARY_SHOTS"; cp "$E2E_TMP/shot.png" "$TESSARY_SHOTS/$1.png"; fi
}

# shot_pixel X Y: a pixel of the last shot, in screen coordinates.
shot_pixel() {
  /usr/bin/convert "$E2E_TMP/shot.png" -format "%[pixel:p{$1,$2}]" info:
}

# drawn_box: "WIDTH HEIGHT X Y" of what covers the magenta desktop in the last
# shot: the columns and rows where more than 40 pixels are not the desktop's,
# so that the pointer, wherever weston draws it, is not counted.
drawn_box() {
  local mask=(/usr/bin/convert "$E2E_TMP/shot.png" -alpha off -fill white +opaque '#ff00ff' -fill black -opaque '#ff00ff')
  local cols rows
  cols=$("${mask[@]}" -scale 1280x1! -threshold 3.9% -bordercolor black -border 1 -trim -format '%w %[fx:page.x-1]' info: 2>/dev/null) || return 1
  rows=$("${mask[@]}" -scale 1x1024! -threshold 3.1% -bordercolor black -border 1 -trim -format '%h %[fx:page.y-1]' info: 2>/dev/null) || return 1
  echo "${cols% *} ${rows% *} ${cols#* } ${rows#* }"
}

# find_frame_client WIDTH HEIGHT: sets cx and cy to the top-left corner of
# the frame's client area of that size, the only window on the desktop, whose
# title bar and borders Qt draws itself (the same width at the left, right
# and bottom). Fails unless the frame is all there.
find_frame_client() {
  local w h x y side
  read -r w h x y < <(drawn_box) || return 1
  side=$(((w - $1) / 2))
  [ "$side" -ge 0 ] && [ $((h - $2 - side)) -ge 0 ] || return 1
  cx=$((x + side))
  cy=$((y + h - $2 - side))
}
