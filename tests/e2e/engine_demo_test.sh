#!/usr/bin/env bash
# The engine demo: a layered window bound with the shipped theme shows its
# background picture, shadow band and caption buttons; its tile changes
# picture on hover and press and reports one click; the close button closes
# it. Opaque pixels are checked on screen, translucent ones (shadow,
# picture under the window alpha) in the composed canvas the demo saves.
source "$(dirname "$0")/lib.sh"

DEMO="$(dirname "${TABULO_WINCTL:-$TABULO_BUILD/windows/tests/tools/winctl.exe}")/../demo/engine_demo.exe"
[ -f "$DEMO" ] || e2e_fail "no engine_demo.exe at $DEMO"
cp "$DEMO" "$E2E_RUN/"
LOG="$E2E_OUT/app.log"
xdotool mousemove 5 5  # away from where the window will be
( cd "$E2E_RUN" && exec env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 wine ./engine_demo.exe ) >"$LOG" 2>&1 &
E2E_APP_PID=$!

# Waits until the demo has printed a line matching $1.
wait_line() {
  local i
  for i in $(seq 300); do
    grep -q "$1" "$LOG" && return 0
    kill -0 "$E2E_APP_PID" 2>/dev/null || e2e_fail "the demo ended early: $(cat "$LOG")"
    sleep 0.1
  done
  e2e_fail "no '$1' from the demo"
}

# "r g b a" of one pixel of a PNG (a = 255 when the image has no alpha).
pixel() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -1 |
    sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+)(,([0-9.]+))?\).*/\1 \2 \3 \5/' |
    awk '{ print $1, $2, $3, ($4 == "" ? 255 : $4) }'
}

wait_line '^ready'
e2e_winctl wait "Engine Demo" 20000 >/dev/null || e2e_fail "no window titled Engine Demo"
# (Windows console output ends its lines with CR LF.)
read -r LEFT TOP _ _ < <(e2e_winctl rect "Engine Demo" | tr -d '\r')
read -r _ TILE_X TILE_Y < <(grep '^tile' "$LOG" | tr -d '\r')
read -r _ CLOSE_X CLOSE_Y < <(grep '^close' "$LOG" | tr -d '\r')

# The composed canvas: shadow band, picture and caption buttons.
CANVAS="$E2E_RUN/engine_demo_shown.png"
read -r _ _ _ A < <(pixel "$CANVAS" 4 150)
[ "$A" -gt 0 ] && [ "$A" -lt 200 ] || e2e_fail "shadow band alpha $A"
read -r R G B A < <(pixel "$CANVAS" 330 90)
[ "$R" -gt 200 ] && [ "$G" -gt 170 ] && [ "$B" -lt 150 ] && [ "$A" -gt 200 ] || e2e_fail "sun of the picture: $R $G $B $A"
read -r R G B A < <(pixel "$CANVAS" 60 250)
[ "$B" -gt "$R" ] && [ "$A" -gt 200 ] || e2e_fail "sky of the picture: $R $G $B $A"
read -r -a BUTTON < <(pixel "$CANVAS" "$CLOSE_X" "$CLOSE_Y")
read -r -a BESIDE < <(pixel "$CANVAS" $((CLOSE_X - 60)) "$CLOSE_Y")
[ "${BUTTON[*]}" != "${BESIDE[*]}" ] || e2e_fail "no close button picture"

# The tile on screen (opaque pixels show exactly) in its three states.
tile_on_screen() {
  e2e_shot "$1"
  pixel "$E2E_OUT/$1.png" $((LEFT + TILE_X)) $((TILE_Y + TOP))
}
NORMAL=$(tile_on_screen normal)
read -r R G B _ < <(pixel "$CANVAS" "$TILE_X" "$TILE_Y")
[ "$NORMAL" = "$R $G $B 255" ] || e2e_fail "tile on screen ($NORMAL) is not the composed tile ($R $G $B)"

xdotool mousemove $((LEFT + TILE_X)) $((TOP + TILE_Y))
wait_line '^state hot'
HOT=$(tile_on_screen hot)
xdotool mousedown 1
wait_line '^state pressed'
PRESSED=$(tile_on_screen pressed)
xdotool mouseup 1
wait_line '^clicked'
[ "$NORMAL" != "$HOT" ] && [ "$HOT" != "$PRESSED" ] && [ "$NORMAL" != "$PRESSED" ] ||
  e2e_fail "the tile did not change picture: normal $NORMAL, hot $HOT, pressed $PRESSED"
[ "$(grep -c '^clicked' "$LOG")" = 1 ] || e2e_fail "expected exactly one click"

xdotool mousemove $((LEFT + CLOSE_X)) $((TOP + CLOSE_Y)) click 1
e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE"
echo "PASS"
