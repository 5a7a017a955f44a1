#!/usr/bin/env bash
# The program at three display scales: 96 DPI on 1920 × 1080, 144 DPI on
# 2880 × 1620 and 192 DPI on 3840 × 2160, each on a desktop of its own with
# its own prefix, where the scale is set before any program starts.
#
# What Wine 8 does with HKCU\Control Panel\Desktop\LogPixels (measured at 144
# on 2880 × 1620 with a probe program without a manifest, then after
# SetProcessDpiAwarenessContext): it is read when a process starts; the
# process is per-monitor aware from its start (the awareness of its thread
# context is 2), so SetProcessDpiAwarenessContext and shcore's
# SetProcessDpiAwareness refuse, and SetProcessDPIAware succeeds without
# changing it; GetDeviceCaps(LOGPIXELSY) of the screen and of a memory DC,
# GetDpiForSystem and GetDpiForWindow all give 144 whether or not the
# process declared itself aware; SM_CXSCREEN, the work area and window
# rectangles are in real pixels, and nothing is stretched. So under Wine a
# window that does not scale itself shows at its 96-DPI pixel size, small,
# and one that does shows as it will on Windows once declared aware.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

if [ $# -eq 0 ]; then
  output="${TABULO_TEST_OUTPUT:-${TABULO_BUILD_DIR:-$here/../../build}/test-output}/dpi_scaling"
  for scale in "96 1920x1080" "144 2880x1620" "192 3840x2160"; do
    set -- $scale
    TABULO_SCREEN="${2}x24" TABULO_TEST_OUTPUT="$output/$1" "$here/../../scripts/lib/wine-sandbox" bash "$0" "$1"
  done
  exit 0
fi

DPI=$1
source "$here/lib.sh"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DPI" /f >/dev/null 2>&1 ||
  e2e_fail "could not set LogPixels"

# The native forms: their client size, controls and font at the scale, and
# their re-layout on a change of scale; the engine's windows drawn at a
# scale, here on a desktop of that scale. DpiTest checks the desktop's
# scale is the one given here.
WIN_TESTS="$(dirname "${TABULO_WINCTL:-$TABULO_BUILD/windows/tests/tools/winctl.exe}")/../win/tabulo_win_tests.exe"
TABULO_EXPECTED_DPI=$DPI wine "$WIN_TESTS" --gtest_filter='FormWindowScaleTest.*:DpiTest.*:WindowScaleTest.*' \
  >"$E2E_OUT/native_forms.log" 2>&1 ||
  e2e_fail "windows at $DPI DPI: $(grep -E 'Failure|Expected|Which is|FAILED' "$E2E_OUT/native_forms.log" | head -20)"
grep -Eq '^\[  PASSED  \] [1-9][0-9]* tests' "$E2E_OUT/native_forms.log" || e2e_fail "the native form tests did not run"

# The settings window and the timetable editor as a user sees them at this
# scale (settings.png, editor.png), opened the way e2e.native_windows opens them.
TOOLS="$(dirname "${TABULO_WINCTL:-$TABULO_BUILD/windows/tests/tools/winctl.exe}")"
for shown in "settings 程序设置" "editor 设置课程表"; do
  set -- $shown
  ( cd "$E2E_RUN" && exec env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 wine "$TOOLS/../demo/native_windows_demo.exe" "$1" ) \
    >"$E2E_OUT/$1.log" 2>&1 &
  E2E_APP_PID=$!
  e2e_winctl wait "$2" 30000 >/dev/null || e2e_fail "no window $2"
  e2e_winctl paint "$2" >/dev/null || true
  e2e_shot "$1"
  e2e_winctl close "$2" >/dev/null
  e2e_wait_exit 20
done

# The windows the engine draws. Their forms are in 96-DPI units; a length
# of u units is round(u × DPI / 96) pixels, halves away from zero.
len() { echo $(( (2 * $1 * DPI + 96) / 192 )); }
read -r SCREEN_W SCREEN_H < <(xdotool getdisplaygeometry)
# "X,Y WxH" of each visible window of the program, for a failure's message.
shown_windows() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$E2E_APP_PID" 2>/dev/null); do
    xdotool getwindowgeometry --shell "$id" | awk -F= '{v[$1]=$2} END {printf "%s,%s %sx%s; ", v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]}'
  done
}
# A Monday timetable and a clock three minutes before period 1 (7:30), so
# the reminder pop-up comes too.
printf '[Monday]\r\n1=语文\r\n2=数学\r\n3=英语\r\n4=物理\r\n5=化学\r\n6=体育\r\n7=历史\r\n8=自修\r\n' |
  iconv -f UTF-8 -t GBK >"$E2E_RUN/timetable.dat"
e2e_start LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 "FAKETIME=@2026-12-07 07:26:50"

# The bar: 10 units in from the right edge (the gap scaled with the width),
# centred from top to bottom.
BAR_W=$(len 146) BAR_H=$(len 702)
# (Shown at once; its clock ticks, so its picture never settles.)
bar=$(e2e_wait_sized_window "$E2E_APP_PID" "$BAR_W" "$BAR_H" 30) || e2e_fail "no bar of ${BAR_W}x$BAR_H: $(shown_windows)"
read -r bar_x bar_y <<<"$bar"
[ "$bar" = "$((SCREEN_W - $(len 156))) $(((SCREEN_H - BAR_H) / 2))" ] || e2e_fail "the bar is at $bar"
e2e_shot bar

# The reminder pop-up in the top right corner of the bar's screen.
POPUP_W=$(len 405) POPUP_H=$(len 161)
popup=$(e2e_wait_settled_window "$E2E_APP_PID" "$POPUP_W" "$POPUP_H" 30) || e2e_fail "no pop-up of ${POPUP_W}x$POPUP_H: $(shown_windows)"
[ "$popup" = "$((SCREEN_W - POPUP_W)) 0" ] || e2e_fail "the pop-up is at $popup"
e2e_shot reminder

# "工 具" (65, 646 on the bar) shows the tool window flush with the bar.
TOOL_W=$(len 260) TOOL_H=$(len 392)
xdotool mousemove $((bar_x + $(len 65))) $((bar_y + $(len 646))) click 1
tool=$(e2e_wait_settled_window "$E2E_APP_PID" "$TOOL_W" "$TOOL_H" 10) || e2e_fail "no tool window of ${TOOL_W}x$TOOL_H: $(shown_windows)"
[ "$tool" = "$((bar_x - TOOL_W)) $bar_y" ] || e2e_fail "the tool window is at $tool, not flush with the bar"
e2e_shot tool_window

# F9 (Wine takes a key only while the pointer is over one of its windows)
# opens the draw, centred on the screen.
DRAW_W=$(len 502) DRAW_H=$(len 359)
xdotool mousemove $((bar_x + $(len 73))) $((bar_y + $(len 300))) key F9
draw=$(e2e_wait_settled_window "$E2E_APP_PID" "$DRAW_W" "$DRAW_H" 10) || e2e_fail "no draw window of ${DRAW_W}x$DRAW_H: $(shown_windows)"
[ "$draw" = "$(((SCREEN_W - DRAW_W) / 2)) $(((SCREEN_H - DRAW_H) / 2))" ] || e2e_fail "the draw window is at $draw"
e2e_shot draw

# The big number's ink grows with the scale: a window drawn at its 96-DPI
# size, small in the middle of a larger one, keeps the ink of the 96 run.
# Its place is read as a screen reader reads it.
read -r ink_x ink_y ink_w ink_h < <(e2e_acc list "随机抽号" | grep '^Rn|text|' | cut -d'|' -f4) ||
  e2e_fail "no big number in the draw window"
ink=$(convert "$E2E_OUT/draw.png" -crop "${ink_w}x${ink_h}+${ink_x}+${ink_y}" +repage -colorspace gray \
  -threshold 40% -negate -trim -format '%w %h' info:)
echo "$ink" >"$E2E_OUT/ink.txt"
if [ "$DPI" != 96 ]; then
  read -r w96 h96 <"$E2E_OUT/../../96/$(basename "$E2E_OUT")/ink.txt" || e2e_fail "no ink figure of the 96 DPI run"
  read -r w h <<<"$ink"
  near() { local want=$(( ($2 * DPI + 48) / 96 )); [ $(( $1 - want )) -le 2 ] && [ $(( want - $1 )) -le 2 ]; }
  near "$w" "$w96" && near "$h" "$h96" || e2e_fail "the big number's ink is ${w}x$h, not $DPI/96 of ${w96}x$h96"
fi
echo "ok: $DPI DPI"
