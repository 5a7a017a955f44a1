#!/usr/bin/env bash
# The controls demo: two labels (glow, outline), an animated image box, a
# button, an image button, a check box, two option buttons and a scroll bar
# on an opaque window bound with the shipped theme. Opaque windows show
# their composed pixels exactly on this screen, so each control is checked
# in screenshots: its area must change when the controls are hidden, the
# image box must play, the button must change picture on hover, clicks must
# tick the check box, move the option selection and move the scroll bar's
# thumb.
source "$(dirname "$0")/lib.sh"

DEMO="$(dirname "${TABULO_WINCTL:-$TABULO_BUILD/windows/tests/tools/winctl.exe}")/../demo/controls_demo.exe"
[ -f "$DEMO" ] || e2e_fail "no controls_demo.exe at $DEMO"
cp "$DEMO" "$E2E_RUN/"
LOG="$E2E_OUT/app.log"
xdotool mousemove 5 5  # away from where the window will be
( cd "$E2E_RUN" && exec env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 wine ./controls_demo.exe ) >"$LOG" 2>&1 &
E2E_APP_PID=$!

# Waits until the demo has printed $2 lines (default 1) matching $1.
wait_line() {
  local i
  for i in $(seq 300); do
    [ "$(grep -c "$1" "$LOG")" -ge "${2:-1}" ] && return 0
    kill -0 "$E2E_APP_PID" 2>/dev/null || e2e_fail "the demo ended early: $(cat "$LOG")"
    sleep 0.1
  done
  e2e_fail "no '$1' from the demo"
}

wait_line '^ready'
e2e_winctl wait "Controls Demo" 20000 >/dev/null || e2e_fail "no window titled Controls Demo"
read -r LEFT TOP _ _ < <(e2e_winctl rect "Controls Demo" | tr -d '\r')
declare -A AREA
while read -r _ NAME X Y W H; do AREA[$NAME]="$X $Y $W $H"; done < <(grep '^control' "$LOG" | tr -d '\r')

# Crops a control's area out of a screenshot into $3.
crop() {
  local x y w h
  read -r x y w h <<<"${AREA[$2]}"
  convert "$E2E_OUT/$1.png" -crop "${w}x${h}+$((LEFT + x))+$((TOP + y))" +repage "$E2E_OUT/$3.png"
}
# Number of pixels that differ between two crops.
differing() { compare -metric AE "$E2E_OUT/$1.png" "$E2E_OUT/$2.png" null: 2>&1 | cut -d' ' -f1 || true; }
# The screen point in the middle of a control.
centre() {
  local x y w h
  read -r x y w h <<<"${AREA[$1]}"
  echo $((LEFT + x + w / 2)) $((TOP + y + h / 2))
}
# Waits until a control's area on screen differs from the crop $2.
wait_change() {
  local i n
  for i in $(seq 50); do
    e2e_shot now
    crop now "$1" now_"$1"
    n=$(differing "$2" now_"$1")
    [ "$n" -gt 0 ] && return 0
    sleep 0.1
  done
  e2e_fail "$1 did not change on screen"
}

e2e_shot shown
xdotool mousemove $((LEFT + 420)) $((TOP + 300)) click 3
wait_line '^hidden'
e2e_shot hidden
for NAME in glow outline animation button imagebutton check radio1 radio2 scroll; do
  crop shown "$NAME" "shown_$NAME"
  crop hidden "$NAME" "hidden_$NAME"
  N=$(differing "shown_$NAME" "hidden_$NAME")
  [ "$N" -gt 40 ] || e2e_fail "$NAME shows nothing: $N pixels differ from the background"
done
xdotool click 3
wait_line '^shown'

# The animated picture moves on by itself.
e2e_shot again
crop again animation first_animation
wait_change animation first_animation

# Hover changes the button's picture; a click reports once.
e2e_shot before_hover
crop before_hover button normal_button
read -r X Y < <(centre button)
xdotool mousemove "$X" "$Y"
wait_change button normal_button
xdotool click 1
wait_line '^clicked button'

# The check box ticks, and its box shows it.
e2e_shot before_tick
crop before_tick check unticked_check
read -r X Y < <(centre check)
xdotool mousemove "$X" "$Y" click 1
wait_line '^clicked check ticked 1'
xdotool mousemove 5 5
wait_change check unticked_check

# Selecting the second option button clears the first.
crop before_tick radio1 ticked_radio1
read -r X Y < <(centre radio2)
xdotool mousemove "$X" "$Y" click 1
wait_line '^clicked radio2'
xdotool mousemove 5 5
wait_change radio1 ticked_radio1

# The scroll bar: its right arrow steps one line, the track after the thumb
# one page, and the thumb moves on screen.
crop before_tick scroll first_scroll
read -r X Y W H <<<"${AREA[scroll]}"
xdotool mousemove $((LEFT + X + W - 5)) $((TOP + Y + H / 2)) click 1
wait_line '^scrolled 1 2'
xdotool mousemove $((LEFT + X + W - 40)) $((TOP + Y + H / 2)) click 1
wait_line '^scrolled 11 4'
xdotool mousemove 5 5
wait_change scroll first_scroll

[ "$(grep -c '^clicked button' "$LOG")" = 1 ] || e2e_fail "expected exactly one button click"
e2e_winctl close "Controls Demo" >/dev/null
e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE"
echo "PASS"
