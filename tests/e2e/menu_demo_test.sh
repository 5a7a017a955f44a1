#!/usr/bin/env bash
# Popup menus and a hot key driven with the real mouse and keyboard through
# X: a click chooses an item, resting on an item opens its sub-menu whose
# item is then clicked, arrows and Enter choose an item, F8 reaches the
# window while a menu is open, and a click outside closes the menu without
# a command. Each command arrives before Popup returns, once the menu's
# windows are gone (the demo prints both).
source "$(dirname "$0")/lib.sh"

DEMO="$(dirname "${TABULO_WINCTL:-$TABULO_BUILD/windows/tests/tools/winctl.exe}")/../demo/menu_demo.exe"
[ -f "$DEMO" ] || e2e_fail "no menu_demo.exe at $DEMO"
cp "$DEMO" "$E2E_RUN/"
LOG="$E2E_OUT/app.log"
xdotool mousemove 5 5
( cd "$E2E_RUN" && exec env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 wine ./menu_demo.exe ) >"$LOG" 2>&1 &
E2E_APP_PID=$!

wait_line() {
  local i
  for i in $(seq 200); do
    tr -d '\r' <"$LOG" | grep -q "$1" && return 0
    kill -0 "$E2E_APP_PID" 2>/dev/null || e2e_fail "the demo ended early: $(cat "$LOG")"
    sleep 0.1
  done
  e2e_fail "no '$1' from the demo: $(cat "$LOG")"
}
# Screen centre "X Y" of item $2 of the latest $1 ("top" or "sub") menu.
item() { tr -d '\r' <"$LOG" | grep "^$1 $2 " | tail -1 | awk '{ print $3, $4 }'; }
# The lines the demo printed between "popup N" and "closed N".
round() { tr -d '\r' <"$LOG" | sed -n "/^popup $1\$/,/^closed $1\$/p" | grep -v '^top\|^sub'; }
# Waits until menu round $1 is on screen: the demo has reported its items.
wait_menu_shown() {
  local i
  for i in $(seq 200); do
    [ "$(tr -d '\r' <"$LOG" | grep -c '^top 0 ')" -gt "$1" ] && return 0
    sleep 0.1
  done
  e2e_fail "menu $1 was not shown: $(cat "$LOG")"
}
# Moves the pointer to X Y and waits until X has a window of the demo other
# than the demo's own 420 × 300 window under it (a menu's window is mapped a
# moment after the demo hears that the menu is shown).
point_at_menu() {  # X Y
  xdotool mousemove "$1" "$2"
  e2e_poll 10 pointer_on_menu || e2e_fail "no menu window under the pointer at $1 $2"
}
pointer_on_menu() {
  local X Y SCREEN WINDOW WIDTH HEIGHT
  eval "$(xdotool getmouselocation --shell 2>/dev/null)"
  [ -n "${WINDOW:-}" ] || return 1
  xdotool search --pid "$E2E_APP_PID" 2>/dev/null | grep -qx "$WINDOW" || return 1
  eval "$(xdotool getwindowgeometry --shell "$WINDOW" 2>/dev/null)"
  [ "${WIDTH:-} ${HEIGHT:-}" != "420 300" ]
}
expect_round() {
  local got
  got=$(round "$1" | tr '\n' ' ')
  [ "$got" = "$2" ] || e2e_fail "round $1: '$got', expected '$2'"
}

wait_line '^hotkey registered 1$'

# Round 0: click "退出(&E)", the last visible item.
wait_menu_shown 0
read -r X Y < <(item top 5)
point_at_menu "$X" "$Y"
xdotool click 1
wait_line '^closed 0$'
expect_round 0 "popup 0 command 5 closed 0 "

# Round 1: rest on "More" until its sub-menu opens, then click its first item.
wait_menu_shown 1
read -r X Y < <(item top 4)
point_at_menu "$X" $((Y + 1))
xdotool mousemove "$X" "$Y"
wait_line '^sub 1 '
e2e_shot sub_menu_open
read -r X Y < <(item sub 0)
point_at_menu "$X" "$Y"
xdotool click 1
wait_line '^closed 1$'
expect_round 1 "popup 1 command 21 closed 1 "

# Round 2: Down selects the first item, Down the checked one, Enter chooses
# it. Keys go to the window under the pointer: the owner, here.
wait_menu_shown 2
xdotool mousemove 300 300
xdotool key Down; xdotool key Down; xdotool key Return
wait_line '^closed 2$'
expect_round 2 "popup 2 command 2 closed 2 "

# Round 3: F8 while the menu is open, then a click on the owner window.
wait_menu_shown 3
xdotool mousemove 300 300; xdotool key F8
wait_line '^hotkey 1 0 119$'
xdotool click 1
wait_line '^closed 3$'
expect_round 3 "popup 3 hotkey 1 0 119 closed 3 "

e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE"
echo "menu demo: click, sub-menu, keyboard, hot key and dismissal all as expected"
