#!/usr/bin/env bash
# F9 opens the random draw once; the tray icon's menu "关于(&A)" toggles the
# tool window and opens the about window, and the next F9 raises the draw
# above it; "校历与调课(&C)" opens the calendar window once (a second time it
# brings it forward); "退出(&E)" closes every window but the timer window,
# and the program ends when that one is closed too.
source "$(dirname "$0")/lib.sh"

e2e_start
e2e_wait_sized_window "$E2E_APP_PID" 146 702 30 >/dev/null || e2e_fail "no bar"

draws() { xdotool search --name '^随机抽号$' 2>/dev/null | wc -l; }
# Wine sees a key only while the pointer is over one of its windows.
press_f9() { xdotool mousemove 1830 400 key F9; }
press_f9
e2e_winctl wait "随机抽号" 10000 >/dev/null || e2e_fail "F9 did not open the random draw"

# The tray menu (151 × 87 with its shadow) pops up at the pointer; its three
# items lie one below the other, 24 pixels apart.
tray=$(e2e_poll 10 xdotool search --name "Wine System Tray") || e2e_fail "no tray icon"
tray_menu() {
  xdotool mousemove --window "$tray" 8 8 click 3
  local menu
  menu=$(e2e_wait_sized_window "$E2E_APP_PID" 151 87 10) || e2e_fail "no tray menu"
  e2e_shot "menu_$1"
  read -r menu_x menu_y <<<"$menu"
  xdotool mousemove $((menu_x + 55)) $((menu_y + $2)) click 1
}
tray_menu about 20
e2e_wait_sized_window "$E2E_APP_PID" 260 392 10 >/dev/null || e2e_fail "关于(&A) did not toggle the tool window"
e2e_wait_sized_window "$E2E_APP_PID" 630 380 10 >/dev/null || e2e_fail "关于(&A) did not open the about window"
e2e_shot about

# The second F9 raises the draw above the about window instead of opening
# another draw.
e2e_winctl above "关于本程序" "随机抽号" || e2e_fail "the about window did not open above the draw"
press_f9
e2e_poll 10 e2e_winctl above "随机抽号" "关于本程序" || e2e_fail "the second F9 did not raise the draw"
[ "$(draws)" = 1 ] || e2e_fail "the second F9 opened another draw window"

# "校历与调课(&C)" opens the calendar window; once F9 has raised the draw
# above it, the item brings the same window forward again.
calendars() { xdotool search --name '^校历与调课$' 2>/dev/null | wc -l; }
tray_menu calendar 44
e2e_winctl wait "校历与调课" 10000 >/dev/null || e2e_fail "校历与调课(&C) did not open the calendar window"
e2e_winctl paint "校历与调课" >/dev/null || true
e2e_shot calendar
press_f9
e2e_poll 10 e2e_winctl above "随机抽号" "校历与调课" || e2e_fail "F9 did not raise the draw above the calendar window"
tray_menu calendar_again 44
e2e_poll 10 e2e_winctl above "校历与调课" "随机抽号" || e2e_fail "校历与调课(&C) did not bring the calendar window forward"
[ "$(calendars)" = 1 ] || e2e_fail "校历与调课(&C) opened a second calendar window"
e2e_winctl close "随机抽号" >/dev/null
e2e_winctl gone "随机抽号" 10000 || e2e_fail "the random draw did not close"

# "退出(&E)" closes every window but the timer window, which keeps the
# program running until it is closed itself.
read -r tool_x tool_y < <(e2e_sized_window "$E2E_APP_PID" 260 392) || e2e_fail "the tool window went"
xdotool mousemove $((tool_x + 174)) $((tool_y + 192)) click 1
e2e_winctl wait "计时器" 10000 >/dev/null || e2e_fail "计时器 did not open the timer window"
tray_menu exit 68
e2e_wait_sized_gone "$E2E_APP_PID" 146 702 10 || e2e_fail "退出(&E) left the bar"
e2e_winctl gone "校历与调课" 10000 || e2e_fail "退出(&E) left the calendar window"
e2e_wait_sized_gone "$E2E_APP_PID" 630 380 10 || e2e_fail "退出(&E) left the about window"
timer_keeps_running() { kill -0 "$E2E_APP_PID" 2>/dev/null && e2e_winctl wait "计时器" 0 >/dev/null; }
e2e_holds 2 timer_keeps_running || e2e_fail "退出(&E) closed the timer window or ended the program"
e2e_shot timer_left
e2e_winctl close "计时器" || e2e_fail "could not close the timer window"
e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE"
echo "PASS"
