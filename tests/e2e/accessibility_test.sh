#!/usr/bin/env bash
# The bar read and pressed the way a screen reader does it, from another
# process through IAccessible (tests/tools/acc.cpp): today's subjects and
# the weekday come out as static texts, "工 具" as a push button at its
# place on the screen, and its default action toggles the tool window like
# a click; the tool window's picture buttons are read by their captions;
# the tray menu reads as a menu whose items are chosen by their default action.
# The clock is set to a Monday with a prepared timetable.
source "$(dirname "$0")/lib.sh"


BAR_W=146 BAR_H=702 TOOL_W=260 TOOL_H=392
printf '[Monday]\r\n1=语文\r\n2=数学\r\n3=英语\r\n4=物理\r\n5=化学\r\n6=体育\r\n7=历史\r\n8=自修\r\n' |
  iconv -f UTF-8 -t GBK >"$E2E_RUN/timetable.dat"
e2e_start LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 "FAKETIME=@2026-12-07 10:00:00"
read -r bar_x bar_y < <(e2e_wait_sized_window "$E2E_APP_PID" $BAR_W $BAR_H 30) || e2e_fail "no bar"

TREE="$E2E_OUT/bar_tree.txt"
e2e_acc list "size:${BAR_W}x${BAR_H}" >"$TREE" || e2e_fail "could not read the bar's accessible tree"
cat "$TREE"
head -1 "$TREE" | grep -q '|client|' || e2e_fail "the tree does not start with the client area"
for subject in 语文 数学 英语 物理 化学 体育 历史 自修; do
  grep -q "^$subject|text|" "$TREE" || e2e_fail "no static text $subject"
done
grep -q '^-------|text|' "$TREE" || e2e_fail "no separator text"

# The button lies inside the bar, in screen coordinates.
IFS='|' read -r _ role state place < <(grep '^工 具|' "$TREE") || e2e_fail "no 工 具 in the tree"
[ "$role" = button ] || e2e_fail "工 具 has role $role"
case "$state" in *invisible*|*unavailable*) e2e_fail "工 具 is $state" ;; esac
read -r x y w h <<<"$place"
[ "$x" -ge "$bar_x" ] && [ "$y" -ge "$bar_y" ] && [ $((x + w)) -le $((bar_x + BAR_W)) ] &&
  [ $((y + h)) -le $((bar_y + BAR_H)) ] && [ "$w" -gt 0 ] && [ "$h" -gt 0 ] ||
  e2e_fail "工 具 at $place, outside the bar at $bar_x $bar_y"

# Its default action runs the program's click handler: the tool window
# shows, and hides on the second press.
e2e_acc do "size:${BAR_W}x${BAR_H}" "工 具" || e2e_fail "default action of 工 具 failed"
e2e_wait_sized_window "$E2E_APP_PID" $TOOL_W $TOOL_H 10 >/dev/null || e2e_fail "the default action did not show the tool window"
e2e_shot tool_by_accessibility
# The tool window's picture buttons are read by their captions.
TOOL_TREE="$E2E_OUT/tool_tree.txt"
e2e_acc list "size:${TOOL_W}x${TOOL_H}" >"$TOOL_TREE" || e2e_fail "could not read the tool window's tree"
for caption in 设置课表 随机抽号 文件写入器 计时器 设置 关于; do
  grep -q "^$caption|button|" "$TOOL_TREE" || e2e_fail "no button $caption in the tool window: $(cat "$TOOL_TREE")"
done
# The hide strip's vertical caption stays on one line of the listing.
grep -qE '^单(\\r)?\\n击(\\r)?\\n此' "$TOOL_TREE" || e2e_fail "the hide strip's caption is not on one line"
e2e_acc do "size:${BAR_W}x${BAR_H}" "工 具" || e2e_fail "second default action failed"
e2e_wait_sized_gone "$E2E_APP_PID" $TOOL_W $TOOL_H 10 || e2e_fail "the second default action did not hide the tool window"

e2e_acc do "size:${BAR_W}x${BAR_H}" "no such name" && e2e_fail "a missing name was reported as done"

# The tray menu reads as a menu of three items named without their
# access-key marks, 校历与调课 before 退出, the key as each item's shortcut;
# choosing 关于 by its default action opens the about window as a click does.
MENU_W=151 MENU_H=87
tray=$(e2e_poll 10 xdotool search --name "Wine System Tray") || e2e_fail "no tray icon"
xdotool mousemove --window "$tray" 8 8 click 3
e2e_wait_sized_window "$E2E_APP_PID" $MENU_W $MENU_H 10 >/dev/null || e2e_fail "no tray menu"
MENU_TREE="$E2E_OUT/tray_menu_tree.txt"
e2e_acc list "size:${MENU_W}x${MENU_H}" >"$MENU_TREE" || e2e_fail "could not read the tray menu's tree"
cat "$MENU_TREE"
head -1 "$MENU_TREE" | grep -q '|menupopup|' || e2e_fail "the tray menu is not a menu"
items=$(grep '|menuitem|' "$MENU_TREE" | cut -d'|' -f1 | tr '\n' ' ')
[ "$items" = "关于 校历与调课 退出 " ] || e2e_fail "the tray menu reads as '$items', not 关于, 校历与调课, 退出"
[ "$(e2e_acc keys "size:${MENU_W}x${MENU_H}" 关于)" = "A|执行" ] || e2e_fail "关于 has not the key A and the action 执行"
[ "$(e2e_acc keys "size:${MENU_W}x${MENU_H}" 校历与调课)" = "C|执行" ] || e2e_fail "校历与调课 has not the key C and the action 执行"
[ "$(e2e_acc keys "size:${MENU_W}x${MENU_H}" 退出)" = "E|执行" ] || e2e_fail "退出 has not the key E and the action 执行"
e2e_acc do "size:${MENU_W}x${MENU_H}" 关于 || e2e_fail "default action of 关于 failed"
e2e_wait_sized_gone "$E2E_APP_PID" $MENU_W $MENU_H 10 || e2e_fail "the tray menu stayed open"
e2e_wait_sized_window "$E2E_APP_PID" 630 380 10 >/dev/null || e2e_fail "关于 did not open the about window"
echo "PASS"
