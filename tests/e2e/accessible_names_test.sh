#!/usr/bin/env bash
# Every object a screen reader finds in the program's engine-drawn windows
# has a name, unless it is invisible: the bar (with today's reminder pop-up
# open), the tool window, the random draw, the timer, the batch writer, the
# about window, each read from another process through
# IAccessible (tests/tools/acc.cpp). The trees are kept in the test output.
# (The tray menu's items are read in accessibility_test.sh; the native
# windows' controls are named by the system from their texts and labels.)
source "$(dirname "$0")/lib.sh"


BAR_W=146 BAR_H=702 TOOL_W=260 TOOL_H=392
printf '[Monday]\r\n1=语文\r\n2=数学\r\n3=英语\r\n4=物理\r\n5=化学\r\n6=体育\r\n7=历史\r\n8=自修\r\n' |
  iconv -f UTF-8 -t GBK >"$E2E_RUN/timetable.dat"
# 7:27 on a Monday: period 1 starts at 7:30, so the reminder pops up at once.
e2e_start LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 "FAKETIME=@2026-12-07 07:27:00"
e2e_wait_sized_window "$E2E_APP_PID" $BAR_W $BAR_H 30 >/dev/null || e2e_fail "no bar"

UNNAMED="$E2E_OUT/unnamed.txt"
: >"$UNNAMED"
# Lists a window's tree into NAME.txt and records every visible object
# without a name (a line "|role|state|place" whose state is not invisible).
read_tree() {  # NAME WINDOW
  local tree="$E2E_OUT/$1.txt"
  e2e_acc list "$2" >"$tree" || e2e_fail "could not read the tree of $1"
  [ -s "$tree" ] || e2e_fail "the tree of $1 is empty"
  grep '^|' "$tree" | grep -v '|[^|]*invisible[^|]*|' | sed "s/^/$1: /" >>"$UNNAMED" || true
}

read_tree bar "size:${BAR_W}x${BAR_H}"
e2e_wait_sized_window "$E2E_APP_PID" 405 161 20 >/dev/null || e2e_fail "no reminder pop-up"
read_tree reminder "size:405x161"

# Each tool opens from the tool window's button of its caption.
show_tool_window() {
  e2e_sized_window "$E2E_APP_PID" $TOOL_W $TOOL_H >/dev/null && return
  e2e_acc do "size:${BAR_W}x${BAR_H}" "工 具" || e2e_fail "could not press 工 具"
  e2e_wait_sized_window "$E2E_APP_PID" $TOOL_W $TOOL_H 10 >/dev/null || e2e_fail "no tool window"
}
show_tool_window
read_tree tool "size:${TOOL_W}x${TOOL_H}"
open_tool() {  # CAPTION WIDTH HEIGHT NAME
  show_tool_window
  e2e_acc do "size:${TOOL_W}x${TOOL_H}" "$1" || e2e_fail "could not press $1"
  e2e_wait_sized_window "$E2E_APP_PID" "$2" "$3" 15 >/dev/null || e2e_fail "$1 did not open"
  read_tree "$4" "size:$2x$3"
}
open_tool 随机抽号 502 359 draw
open_tool 计时器 410 304 timer
open_tool 文件写入器 559 451 writer
open_tool 关于 630 380 about


if [ -s "$UNNAMED" ]; then
  cat "$UNNAMED"
  e2e_fail "$(wc -l <"$UNNAMED") visible objects have no name (listed in $UNNAMED)"
fi
echo "PASS"
