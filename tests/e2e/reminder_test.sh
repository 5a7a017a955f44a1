#!/usr/bin/env bash
# The class reminder on a Monday with the default start times (period 1 at
# 7:30), the program's clock faked:
#  - from 7:27 row 1 takes the highlight colour and the pop-up shows the
#    subject at the top-right corner of the screen, without taking the
#    keyboard focus; "关闭提示" closes it and it does not come back;
#  - at 7:33 the clean-up closes a pop-up nobody dismissed and row 1 turns
#    back to the skin's text colour;
#  - under the dark skin "星空", whose text colour is white, the subject is
#    white but the caption "关闭提示" stays the button's own black.
source "$(dirname "$0")/lib.sh"

BAR_W=146 BAR_H=702 POPUP_W=405 POPUP_H=161
FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
printf '[Monday]\r\n1=语文\r\n2=数学\r\n3=英语\r\n4=物理\r\n5=化学\r\n6=体育\r\n7=历史\r\n8=自修\r\n' |
  iconv -f UTF-8 -t GBK >"$E2E_RUN/timetable.dat"

start_at() {  # TIME: starts Tabulo with its clock at that Monday time and waits for the bar
  e2e_start LD_PRELOAD=$FAKETIME_LIB "FAKETIME=@2026-12-07 $1"
  bar=$(e2e_wait_sized_window "$E2E_APP_PID" $BAR_W $BAR_H 30) || e2e_fail "no bar"
  read -r bar_x bar_y <<<"$bar"
}
stop_program() {
  kill "$E2E_APP_PID" 2>/dev/null || true
  wait "$E2E_APP_PID" 2>/dev/null || true
  E2E_APP_PID=""
  e2e_winctl gone "助手提示窗口" 10000 || e2e_fail "the pop-up outlived its program"
  e2e_wait_no_program 10 || e2e_fail "Wine still lists the ended program"
}
# Pixels of row 1 of the bar (13,16, 104 x 48) in the highlight colour.
highlighted_pixels() {  # SCREENSHOT
  convert "$E2E_OUT/$1.png" -crop "104x48+$((bar_x + 13))+$((bar_y + 16))" +repage \
    -fuzz 12% -fill black +opaque "rgb(252,110,81)" -fill white -opaque "rgb(252,110,81)" \
    -format "%[fx:round(mean*w*h)]" info:
}
# Takes the screenshot $1 until row 1 shows more than ($2 = more) or fewer
# than ($2 = fewer) $3 highlighted pixels.
row_highlighted() {  # SCREENSHOT more|fewer COUNT
  local red
  e2e_shot "$1"
  red=$(highlighted_pixels "$1")
  if [ "$2" = more ]; then [ "$red" -gt "$3" ]; else [ "$red" -lt "$3" ]; fi
}
popup_absent() { ! e2e_sized_window "$E2E_APP_PID" $POPUP_W $POPUP_H >/dev/null; }

# --- announced, then dismissed ---------------------------------------------
start_at 07:26:50
popup=$(e2e_wait_sized_window "$E2E_APP_PID" $POPUP_W $POPUP_H 30) || e2e_fail "no pop-up by 7:27"
[ "$popup" = "$((1920 - POPUP_W)) 0" ] || e2e_fail "pop-up at $popup, not at the top-right corner"
[ "$(e2e_winctl foreground - | tr -d '\r')" != "助手提示窗口" ] || e2e_fail "the pop-up took the focus"
e2e_poll 10 row_highlighted announced more 40 || e2e_fail "row 1 is not highlighted ($(highlighted_pixels announced) pixels)"
# "关闭提示" (19,38, 69 x 82)
xdotool mousemove $((1920 - POPUP_W + 53)) 79 click 1
e2e_wait_sized_gone "$E2E_APP_PID" $POPUP_W $POPUP_H 10 || e2e_fail "关闭提示 did not close the pop-up"
# The reminder ticks every 5 s: watch through two more ticks inside the
# announcement.
e2e_holds 11 popup_absent || e2e_fail "the dismissed pop-up came back"
e2e_shot dismissed
stop_program

# --- closed by the clean-up at 7:33 --------------------------------------------
start_at 07:32:45
e2e_wait_sized_window "$E2E_APP_PID" $POPUP_W $POPUP_H 20 >/dev/null || e2e_fail "no pop-up at 7:32"
e2e_wait_sized_gone "$E2E_APP_PID" $POPUP_W $POPUP_H 30 || e2e_fail "the clean-up did not close the pop-up"
e2e_poll 10 row_highlighted cleaned_up fewer 5 ||
  e2e_fail "row 1 kept the highlight after the clean-up ($(highlighted_pixels cleaned_up) pixels)"
stop_program

# --- the caption's colour under a white-text skin ------------------------------
printf '[set]\r\nskin=星空\r\n' | iconv -f UTF-8 -t GBK >"$E2E_RUN/setup"
start_at 07:26:50
popup=$(e2e_wait_settled_window "$E2E_APP_PID" $POPUP_W $POPUP_H 30) || e2e_fail "no settled pop-up under 星空"
e2e_shot dark_skin
# Near-white pixels in the caption's strip under the icon (19,98, 69 x 22):
# a white caption puts well over a hundred there, the star picture a few.
white_in_caption=$(convert "$E2E_OUT/dark_skin.png" -crop "69x22+$((1920 - POPUP_W + 19))+98" +repage \
  -fuzz 20% -fill black +opaque white -fill white -opaque white -format "%[fx:round(mean*w*h)]" info:)
[ "$white_in_caption" -lt 30 ] || e2e_fail "关闭提示 is drawn in the skin's white ($white_in_caption white pixels)"
stop_program
echo "PASS"
