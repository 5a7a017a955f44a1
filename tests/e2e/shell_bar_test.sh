#!/usr/bin/env bash
# The start-up window comes first and gives way to the bar at the right edge
# of the 1920 × 1080 screen, which shows today's weekday, subjects and time
# (read through accessibility); "工 具" and a right click on the bar show and
# hide the tool window flush with the bar's left side, and the tool window
# follows the dragged bar; its buttons hide it and open their windows. The
# clock is set to a Monday morning between two periods, with a prepared
# timetable.
source "$(dirname "$0")/lib.sh"

BAR_W=146 BAR_H=702 TOOL_W=260 TOOL_H=392
printf '[Monday]\r\n1=语文\r\n2=数学\r\n3=英语\r\n4=物理\r\n5=化学\r\n6=体育\r\n7=历史\r\n8=自修\r\n' |
  iconv -f UTF-8 -t GBK >"$E2E_RUN/timetable.dat"
# The program's own trace gives the order of its start-up steps; looking
# for the bar right after the start-up window was seen would race with the
# start-up window's 800 ms on a loaded machine.
e2e_start LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 "FAKETIME=@2026-12-07 10:00:00" \
  TABULO_TRACE=trace.txt

e2e_wait_sized_window "$E2E_APP_PID" 318 218 30 >/dev/null || e2e_fail "no start-up window"
e2e_shot startup
bar=$(e2e_wait_sized_window "$E2E_APP_PID" $BAR_W $BAR_H 10) || e2e_fail "no bar"
steps=$(grep -o 'start-up window shown\|start-up timer\|bar created' "$E2E_RUN/trace.txt" | tr '\n' '/')
[ "$steps" = "start-up window shown/start-up timer/bar created/" ] ||
  e2e_fail "the bar was not made after the start-up window and its timer: $steps"
[ "$bar" = "1764 189" ] || e2e_fail "bar at $bar, not at 1764 189"
e2e_wait_sized_gone "$E2E_APP_PID" 318 218 5 || e2e_fail "the start-up window stayed"

# Today (a Monday) and its periods, read the way a screen reader does; the
# clock shows the faked date and hour.
TREE="$E2E_OUT/bar_tree.txt"
e2e_acc list "size:${BAR_W}x${BAR_H}" >"$TREE" || e2e_fail "could not read the bar"
# Eleven labels besides the caption band's empty title.
[ "$(grep -c '^[^|]\+|text|' "$TREE")" = 11 ] || e2e_fail "the bar does not show eleven texts: $(cat "$TREE")"
[ "$(grep '^[^|]\+|text|' "$TREE" | cut -d'|' -f1 | head -8 | tr '\n' ' ')" = "语文 数学 英语 物理 化学 体育 历史 自修 " ] ||
  e2e_fail "the rows are not today's subjects in order"
grep -q '^星期一|text|' "$TREE" || e2e_fail "the weekday is not 星期一"
# The clock's text breaks its line after the date, never inside a number.
grep -q '^2026年12月7日\\n10时0分[0-9]*秒|text|' "$TREE" || e2e_fail "the clock does not show the faked time on two lines"
e2e_shot bar

bar_x=1764 bar_y=189
click_bar() { xdotool mousemove $((bar_x + $1)) $((bar_y + $2)) click "${3:-1}"; }
expect_tool_shown() {
  local at
  at=$(e2e_wait_sized_window "$E2E_APP_PID" $TOOL_W $TOOL_H 10) || e2e_fail "$1: no tool window"
  [ "$at" = "$((bar_x - TOOL_W)) $bar_y" ] || e2e_fail "$1: tool window at $at, not flush with the bar"
}
expect_tool_hidden() { e2e_wait_sized_gone "$E2E_APP_PID" $TOOL_W $TOOL_H 5 || e2e_fail "$1: tool window still shown"; }

# "工 具" three times, then a right click on the bar twice.
click_bar 65 646; expect_tool_shown "first click"
e2e_shot tool_window
click_bar 65 646; expect_tool_hidden "second click"
click_bar 65 646; expect_tool_shown "third click"

# Dragging the bar by its empty lower part takes the visible tool window
# along; each step of the mouse moves the bar by as much.
bar_at() { [ "$(e2e_sized_window "$E2E_APP_PID" $BAR_W $BAR_H)" = "$1 $2" ]; }
xdotool mousemove $((bar_x + 73)) $((bar_y + 690)) mousedown 1
for step in 1 2 3 4; do
  xdotool mousemove $((bar_x + 73 - 25 * step)) $((bar_y + 690 - 10 * step))
  e2e_poll 5 bar_at $((bar_x - 25 * step)) $((bar_y - 10 * step)) ||
    e2e_fail "step $step of the drag left the bar at $(e2e_sized_window "$E2E_APP_PID" $BAR_W $BAR_H)"
done
xdotool mouseup 1
read -r bar_x bar_y < <(e2e_sized_window "$E2E_APP_PID" $BAR_W $BAR_H) || e2e_fail "the bar went away while dragged"
[ "$bar_x $bar_y" = "1664 149" ] || e2e_fail "the dragged bar is at $bar_x $bar_y"
expect_tool_shown "after the drag"
click_bar 73 690 3; expect_tool_hidden "right click"
click_bar 73 690 3; expect_tool_shown "second right click"

# The hide strip hides it; "随机抽号" hides it and opens the draw.
tool_x=$((bar_x - TOOL_W))
xdotool mousemove $((tool_x + 26)) $((bar_y + 200)) click 1; expect_tool_hidden "hide strip"
click_bar 65 646; expect_tool_shown "shown again"
xdotool mousemove $((tool_x + 174)) $((bar_y + 96)) click 1
e2e_winctl wait "随机抽号" 10000 >/dev/null || e2e_fail "the random draw did not open"
expect_tool_hidden "random draw button"

# "关于" opens the about window; "确定" closes it.
click_bar 65 646; expect_tool_shown "before about"
xdotool mousemove $((tool_x + 174)) $((bar_y + 296)) click 1
about=$(e2e_wait_sized_window "$E2E_APP_PID" 630 380 10) || e2e_fail "the about window did not open"
expect_tool_hidden "about button"
e2e_shot about
read -r about_x about_y <<<"$about"
xdotool mousemove $((about_x + 570)) $((about_y + 331)) click 1
e2e_wait_sized_gone "$E2E_APP_PID" 630 380 5 || e2e_fail "确定 did not close the about window"
e2e_sized_window "$E2E_APP_PID" $BAR_W $BAR_H >/dev/null || e2e_fail "the bar went away"

# The 32-bit program starts the same way: the start-up window, then the bar
# in its place showing today's subjects. The faked clock is a 64-bit library
# that a 32-bit Wine does not load, so every day has the same timetable.
if ! e2e_have_wine32; then
  echo "SKIPPED the 32-bit program: Wine's 32-bit part (wine32) is not installed"
elif ! e2e_prefix_runs_32bit; then
  echo "SKIPPED the 32-bit program: the Wine prefix was made before wine32 was installed (delete build/wine)"
elif [ ! -f "$E2E_DIST32/Tabulo.exe" ]; then
  echo "SKIPPED the 32-bit program: $E2E_DIST32/Tabulo.exe is not built"
else
  kill "$E2E_APP_PID"; wait "$E2E_APP_PID" || true
  e2e_wait_no_program 10 || e2e_fail "the 64-bit program did not end"
  E2E_RUN="$E2E_OUT/run32"
  mkdir -p "$E2E_RUN"
  cp -r "$E2E_DIST32/." "$E2E_RUN/"
  for day in Monday Tuesday Wednesday Thursday Friday Saturday Sunday; do
    printf '[%s]\r\n1=语文\r\n2=数学\r\n3=英语\r\n4=物理\r\n5=化学\r\n6=体育\r\n7=历史\r\n8=自修\r\n' "$day"
  done | iconv -f UTF-8 -t GBK >"$E2E_RUN/timetable.dat"
  e2e_start
  e2e_wait_sized_window "$E2E_APP_PID" 318 218 30 >/dev/null || e2e_fail "32-bit: no start-up window"
  bar=$(e2e_wait_sized_window "$E2E_APP_PID" $BAR_W $BAR_H 10) || e2e_fail "32-bit: no bar"
  [ "$bar" = "1764 189" ] || e2e_fail "32-bit: bar at $bar, not at 1764 189"
  e2e_acc list "size:${BAR_W}x${BAR_H}" >"$E2E_OUT/bar32_tree.txt" || e2e_fail "32-bit: could not read the bar"
  [ "$(grep '^[^|]\+|text|' "$E2E_OUT/bar32_tree.txt" | cut -d'|' -f1 | head -8 | tr '\n' ' ')" = "语文 数学 英语 物理 化学 体育 历史 自修 " ] ||
    e2e_fail "32-bit: the rows are not today's subjects: $(cat "$E2E_OUT/bar32_tree.txt")"
  e2e_shot bar32
fi
echo "PASS"
