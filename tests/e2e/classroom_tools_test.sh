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
  e2e_wait_sized_window "$E2E_APP_PID" $TOOL_W $TOOL_H 10 >/dev/null || e2e_fail "no tool window"
  xdotool mousemove $((tool_x + $1)) $((bar_y + $2)) click 1
}
click_in() {  # $1 window title, $2 $3 client point
  local x y
  read -r x y <<<"$(e2e_winctl origin "$1" | tr -d '\r')"
  xdotool mousemove $((x + $2)) $((y + $3)) click 1
}
# Saves the part x y w h of a window's client area as $E2E_OUT/$2.png.
region() {  # $1 title, $2 name, $3 $4 $5 $6 x y w h
  local x y
  xdotool mousemove 5 1075  # no hover picture in the region
  sleep 0.5
  read -r x y <<<"$(e2e_winctl origin "$1" | tr -d '\r')"
  import -window root -crop "$5x$6+$((x + $3))+$((y + $4))" "$E2E_OUT/$2.png"
}
# Number of pixels that differ between two saved regions.
differing() { compare -metric AE "$E2E_OUT/$1.png" "$E2E_OUT/$2.png" null: 2>&1 || true; }

# --- timer: seconds "+" gives 10, start, the count ends and "开始" returns.
open_tool 174 192
e2e_winctl wait "计时器" 10000 >/dev/null || e2e_fail "the timer did not open"
sleep 1
e2e_shot timer_open
click_in "计时器" 301 58
region "计时器" start_idle 144 192 88 26
region "计时器" seconds_set 256 72 88 88
click_in "计时器" 188 205
sleep 3
e2e_shot timer_running
region "计时器" start_running 144 192 88 26
[ "$(differing start_idle start_running)" != 0 ] || e2e_fail "the start button did not change to 暂停"
sleep 10
e2e_shot timer_ended
region "计时器" start_ended 144 192 88 26
region "计时器" seconds_ended 256 72 88 88
[ "$(differing start_idle start_ended)" = 0 ] || e2e_fail "the countdown did not end: the button does not read 开始"
[ "$(differing seconds_set seconds_ended)" = 0 ] || e2e_fail "the seconds field was not restored"
e2e_winctl close "计时器" >/dev/null
e2e_winctl gone "计时器" 15000 >/dev/null || e2e_fail "the timer did not close"

# --- random draw: start and stop record a number.
open_tool 174 96
e2e_winctl wait "随机抽号" 10000 >/dev/null || e2e_fail "the random draw did not open"
sleep 1
region "随机抽号" results_empty 264 120 176 144
click_in "随机抽号" 132 288
sleep 1
click_in "随机抽号" 132 288
sleep 1
e2e_shot draw_stopped
region "随机抽号" results_drawn 264 120 176 144
[ "$(differing results_empty results_drawn)" != 0 ] || e2e_fail "no number was recorded"
# A right click on the big number offers the exclusion prompt; 48 goes to `set`.
click_in "随机抽号" 136 160
xdotool click 3
sleep 1
e2e_shot exclusion_menu
xdotool key Down Return
e2e_winctl wait "请输入：" 10000 >/dev/null || e2e_fail "no exclusion prompt"
xdotool type 48
xdotool key Return
e2e_winctl gone "请输入：" 5000 >/dev/null || e2e_fail "the exclusion prompt stayed"
grep -q '^Except=48' "$E2E_RUN/set" || e2e_fail "Except=48 was not written: $(cat "$E2E_RUN/set" 2>/dev/null)"
e2e_winctl close "随机抽号" >/dev/null
e2e_winctl gone "随机抽号" 5000 >/dev/null || e2e_fail "the random draw did not close"
xdotool mousemove $((bar_x + 73)) $((bar_y + 300)) click 1  # the keyboard goes to the program
sleep 0.5
xdotool key F9
e2e_winctl wait "随机抽号" 10000 >/dev/null || e2e_fail "F9 did not open the random draw"
e2e_winctl close "随机抽号" >/dev/null
e2e_winctl gone "随机抽号" 5000 >/dev/null || e2e_fail "the random draw did not close after F9"

# --- batch file writer: add a file through the dialog, write it to a folder.
mkdir -p "$E2E_RUN/source" "$E2E_RUN/target"
printf 'lesson plan' >"$E2E_RUN/source/plan.txt"
win_run=$(wine winepath -w "$E2E_RUN" 2>/dev/null | tr -d '\r')
open_tool 88 192
e2e_winctl wait "批量文件写入器" 10000 >/dev/null || e2e_fail "the writer did not open"
sleep 1
click_in "批量文件写入器" 160 388
e2e_winctl wait "请选择文件" 10000 >/dev/null || e2e_fail "no open-file dialog"
sleep 1
xdotool type --delay 20 "$win_run\\source\\plan.txt"
xdotool key Return
e2e_winctl gone "请选择文件" 5000 >/dev/null || e2e_fail "the open-file dialog stayed"
sleep 1
e2e_shot writer_listed
click_in "批量文件写入器" 444 388
# Wine's folder browser starts on the desktop; its OK writes there.
desktop=$(wine winepath -u "$(wine cmd /c echo %USERPROFILE%\\Desktop 2>/dev/null | tr -d '\r')" 2>/dev/null | tr -d '\r')
rm -f "$desktop/plan.txt"
sleep 2
e2e_shot folder_browser
xdotool key Return
e2e_winctl wait "写入完成" 10000 >/dev/null || e2e_fail "no result message"
e2e_shot write_result
result=$(e2e_winctl text "写入完成" 65535 | tr -d '\r')
xdotool key Escape
e2e_winctl gone "写入完成" 5000 >/dev/null || e2e_fail "the result message stayed"
case "$result" in *"成功:1个"*"失败:0个"*) ;; *) e2e_fail "result message: $result" ;; esac
[ "$(cat "$desktop/plan.txt" 2>/dev/null)" = "lesson plan" ] || e2e_fail "plan.txt was not written to $desktop"
rm -f "$desktop/plan.txt"
e2e_winctl close "批量文件写入器" >/dev/null
e2e_winctl gone "批量文件写入器" 5000 >/dev/null || e2e_fail "the writer did not close"
echo "PASS"
