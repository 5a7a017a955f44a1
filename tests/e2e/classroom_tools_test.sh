#!/usr/bin/env bash
# The tool window opens the three classroom tools, and F9 the random draw.
# The timer counts a ten-second countdown (seconds "+" once) down to the end
# and shows the fields again; the random draw records a number on start and stop and
# takes an excluded number from the big number's right-click menu; the
# batch file writer lists a file added through the open-file dialog and
# writes it into a folder chosen in the folder browser, reporting one
# success. Screenshots show each step.
source "$(dirname "$0")/lib.sh"

BAR_W=146 BAR_H=702 TOOL_W=260 TOOL_H=392
e2e_start
bar=$(e2e_wait_sized_window "$E2E_APP_PID" $BAR_W $BAR_H 40) || e2e_fail "no bar"
read -r bar_x bar_y <<<"$bar"
tool_x=$((bar_x - TOOL_W))
open_tool() {  # $1 $2: the tool button's centre in the tool window
  xdotool mousemove $((bar_x + 65)) $((bar_y + 646)) click 1
  e2e_wait_settled_window "$E2E_APP_PID" $TOOL_W $TOOL_H 10 >/dev/null || e2e_fail "no tool window"
  xdotool mousemove $((tool_x + $1)) $((bar_y + $2)) click 1
}
click_in() {  # $1 window title, $2 $3 client point
  local x y
  read -r x y <<<"$(e2e_winctl origin "$1" | tr -d '\r')"
  xdotool mousemove $((x + $2)) $((y + $3)) click 1
}
# Saves the part x y w h of a window's client area as $E2E_OUT/$2.png, with
# the pointer away so that no hover picture is in it.
region() {  # $1 title, $2 name, $3 $4 $5 $6 x y w h
  local x y
  xdotool mousemove 5 1075
  read -r x y <<<"$(e2e_winctl origin "$1" | tr -d '\r')"
  import -window root -crop "$5x$6+$((x + $3))+$((y + $4))" "$E2E_OUT/$2.png"
}
# Number of pixels that differ between two saved regions.
differing() { compare -metric AE "$E2E_OUT/$1.png" "$E2E_OUT/$2.png" null: 2>&1 || true; }
# Saves a region once it has stopped changing (two captures in a row agree):
# a window fades in, and a hover picture fades out, over a few frames.
settled_region() {  # like region
  local i
  region "$@"
  for i in $(seq 50); do
    cp "$E2E_OUT/$2.png" "$E2E_OUT/$2.previous.png"
    region "$@"
    [ "$(differing "$2.previous" "$2")" = 0 ] && return 0
  done
  e2e_fail "$2 did not settle"
}
# Captures a region again and again, up to $1 seconds, until it is the same
# as ($2 = same) or differs from ($2 = differs) the saved region $3.
wait_region() {  # SECONDS same|differs REFERENCE then the arguments of region
  local seconds=$1 want=$2 reference=$3 i n
  shift 3
  for i in $(seq $((seconds * 4))); do
    region "$@"
    n=$(differing "$reference" "$2")
    if [ "$want" = same ]; then [ "$n" = 0 ] && return 0; else [ "$n" != 0 ] && return 0; fi
  done
  return 1
}
# Moves the pointer onto a window (its client point 20,20) and waits until it
# is Wine's foreground window, so that typed keys reach it.
focus_window() {  # TITLE
  local x y
  read -r x y <<<"$(e2e_winctl origin "$1" | tr -d '\r')" || e2e_fail "no window '$1'"
  xdotool mousemove $((x + 20)) $((y + 20))
  e2e_poll 10 foreground_is "$1" || e2e_fail "'$1' is not in front: $(e2e_winctl foreground - | tr -d '\r')"
}
foreground_is() { [ "$(e2e_winctl foreground - | tr -d '\r')" = "$1" ]; }
visible_windows() { xdotool search --onlyvisible --pid "$E2E_APP_PID" 2>/dev/null | wc -l; }
more_windows_than() { [ "$(visible_windows)" -gt "$1" ]; }

# --- timer: seconds "+" gives 10, start, the count ends and "开始" returns.
open_tool 174 192
e2e_winctl wait "计时器" 10000 >/dev/null || e2e_fail "the timer did not open"
settled_region "计时器" start_idle 144 192 88 26
settled_region "计时器" seconds_zero 256 72 88 88
e2e_shot timer_open
click_in "计时器" 301 58
wait_region 5 differs seconds_zero "计时器" seconds_set 256 72 88 88 || e2e_fail "seconds + did not change the field"
settled_region "计时器" seconds_set 256 72 88 88
click_in "计时器" 188 205
wait_region 5 differs start_idle "计时器" start_running 144 192 88 26 || e2e_fail "the start button did not change to 暂停"
e2e_shot timer_running
wait_region 30 same start_idle "计时器" start_ended 144 192 88 26 || e2e_fail "the countdown did not end: the button does not read 开始"
e2e_shot timer_ended
wait_region 5 same seconds_set "计时器" seconds_ended 256 72 88 88 || e2e_fail "the seconds field was not restored"
e2e_winctl close "计时器" >/dev/null
e2e_winctl gone "计时器" 15000 >/dev/null || e2e_fail "the timer did not close"

# --- random draw: start and stop record a number.
open_tool 174 96
e2e_winctl wait "随机抽号" 10000 >/dev/null || e2e_fail "the random draw did not open"
settled_region "随机抽号" results_empty 264 120 176 144
click_in "随机抽号" 132 288
# The button turns into "停止!" at once but takes clicks only after a
# moment (a double click must not stop the draw at once): wait until a
# screen reader reads it as available.
stop_ready() { e2e_acc list "随机抽号" | grep '^停止!|button|' | grep -vq unavailable; }
e2e_poll 10 stop_ready || e2e_fail "开始! did not turn into an available 停止!"
e2e_shot draw_running
click_in "随机抽号" 132 288
wait_region 5 differs results_empty "随机抽号" results_drawn 264 120 176 144 || e2e_fail "no number was recorded"
e2e_shot draw_stopped
# A right click on the big number offers the exclusion prompt; 48 goes to `set`.
click_in "随机抽号" 136 160
windows=$(visible_windows)
xdotool click 3
e2e_poll 10 more_windows_than "$windows" || e2e_fail "no menu on the big number"
e2e_shot exclusion_menu
xdotool key Down Return
e2e_winctl wait "请输入：" 10000 >/dev/null || e2e_fail "no exclusion prompt"
focus_window "请输入："
xdotool type 48
xdotool key Return
e2e_winctl gone "请输入：" 5000 >/dev/null || e2e_fail "the exclusion prompt stayed"
grep -q '^Except=48' "$E2E_RUN/set" || e2e_fail "Except=48 was not written: $(cat "$E2E_RUN/set" 2>/dev/null)"
e2e_winctl close "随机抽号" >/dev/null
e2e_winctl gone "随机抽号" 5000 >/dev/null || e2e_fail "the random draw did not close"
# Wine takes a key only while the pointer is over one of its windows.
xdotool mousemove $((bar_x + 73)) $((bar_y + 300)) key F9
e2e_winctl wait "随机抽号" 10000 >/dev/null || e2e_fail "F9 did not open the random draw"
e2e_winctl close "随机抽号" >/dev/null
e2e_winctl gone "随机抽号" 5000 >/dev/null || e2e_fail "the random draw did not close after F9"

# --- batch file writer: add a file through the dialog, write it to a folder.
mkdir -p "$E2E_RUN/source" "$E2E_RUN/target"
printf 'lesson plan' >"$E2E_RUN/source/plan.txt"
win_run=$(wine winepath -w "$E2E_RUN" 2>/dev/null | tr -d '\r')
open_tool 88 192
e2e_winctl wait "批量文件写入器" 10000 >/dev/null || e2e_fail "the writer did not open"
settled_region "批量文件写入器" add_button 128 376 64 24
click_in "批量文件写入器" 160 388
e2e_winctl wait "请选择文件" 10000 >/dev/null || e2e_fail "no open-file dialog"
focus_window "请选择文件"
xdotool type --delay 20 "$win_run\\source\\plan.txt"
xdotool key Return
e2e_winctl gone "请选择文件" 5000 >/dev/null || e2e_fail "the open-file dialog stayed"
listed() { [ "$(e2e_winctl items "批量文件写入器" | tr -d '\r')" = 1 ]; }
e2e_poll 10 listed || e2e_fail "plan.txt was not listed"
e2e_shot writer_listed
# Wine's folder browser starts on the desktop; its OK writes there.
desktop=$(wine winepath -u "$(wine cmd /c echo %USERPROFILE%\\Desktop 2>/dev/null | tr -d '\r')" 2>/dev/null | tr -d '\r')
rm -f "$desktop/plan.txt"
click_in "批量文件写入器" 444 388
browser_in_front() {
  local title
  title=$(e2e_winctl foreground - | tr -d '\r')
  [ -n "$title" ] && [ "$title" != "批量文件写入器" ] && echo "$title"
}
browser=$(e2e_poll 10 browser_in_front) || e2e_fail "no folder browser"
focus_window "$browser"
e2e_shot folder_browser
xdotool key Return
e2e_winctl wait "写入完成" 10000 >/dev/null || e2e_fail "no result message"
e2e_shot write_result
result=$(e2e_winctl text "写入完成" 65535 | tr -d '\r')
focus_window "写入完成"
xdotool key Escape
e2e_winctl gone "写入完成" 5000 >/dev/null || e2e_fail "the result message stayed"
case "$result" in *"成功:1个"*"失败:0个"*) ;; *) e2e_fail "result message: $result" ;; esac
[ "$(cat "$desktop/plan.txt" 2>/dev/null)" = "lesson plan" ] || e2e_fail "plan.txt was not written to $desktop"
rm -f "$desktop/plan.txt"
e2e_winctl close "批量文件写入器" >/dev/null
e2e_winctl gone "批量文件写入器" 5000 >/dev/null || e2e_fail "the writer did not close"
echo "PASS"
