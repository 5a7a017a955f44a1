#!/usr/bin/env bash
# The school calendar on the bar, the program's clock faked to a Monday just
# before period 1 (7:30 by default, announced from 7:27):
#  - a holiday that day shows "假日" and "暂无" in every row, and no pop-up
#    comes at the first period;
#  - in a 3-week rotation whose week 1 began the week before, the bar shows
#    week 2's Monday and says so in the weekday label, inside its width;
#  - in a 2-week rotation, consecutive Tuesdays show the even week's and the
#    odd week's subjects, the label naming the week;
#  - a Saturday swapped to Friday runs Friday's subjects;
#  - a damaged calendar.dat is reported in one message box while the bar
#    runs on the plain timetable.
source "$(dirname "$0")/lib.sh"

BAR_W=146 BAR_H=702 POPUP_W=405 POPUP_H=161
FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
printf '[Monday]\r\n1=语文\r\n2=数学\r\n3=英语\r\n4=物理\r\n5=化学\r\n6=体育\r\n7=历史\r\n8=自修\r\n[Tuesday]\r\n1=英语\r\n2=语文\r\n[Friday]\r\n1=生物\r\n2=地理\r\n' |
  iconv -f UTF-8 -t GBK >"$E2E_RUN/timetable.dat"

start_at() {  # TIME [DATE]: starts Tabulo with its clock at that time (of Monday 2026-12-07) and waits for the bar
  e2e_start LD_PRELOAD=$FAKETIME_LIB "FAKETIME=@${2:-2026-12-07} $1"
  e2e_wait_sized_window "$E2E_APP_PID" $BAR_W $BAR_H 30 >/dev/null || e2e_fail "no bar"
}
stop_program() {
  kill "$E2E_APP_PID" 2>/dev/null || true
  wait "$E2E_APP_PID" 2>/dev/null || true
  E2E_APP_PID=""
  e2e_wait_no_program 10 || e2e_fail "Wine still lists the ended program"
}
bar_texts() {  # NAME: the bar's texts, read as a screen reader does, into $E2E_OUT/NAME.txt
  e2e_acc list "size:${BAR_W}x${BAR_H}" | grep '^[^|]\+|text|' | cut -d'|' -f1 >"$E2E_OUT/$1.txt" ||
    e2e_fail "could not read the bar"
}
popup_absent() { ! e2e_sized_window "$E2E_APP_PID" $POPUP_W $POPUP_H >/dev/null; }

# --- a holiday ---------------------------------------------------------------
printf '[Calendar]\r\nCycleWeeks=1\r\n[Change1]\r\nDate=2026-12-07\r\nKind=Holiday\r\nNote=校运会\r\n' |
  iconv -f UTF-8 -t GBK >"$E2E_RUN/calendar.dat"
start_at 07:26:50
bar_texts holiday
[ "$(head -8 "$E2E_OUT/holiday.txt" | tr '\n' ' ')" = "暂无 暂无 暂无 暂无 暂无 暂无 暂无 暂无 " ] ||
  e2e_fail "the holiday's rows are not all 暂无: $(tr '\n' ' ' <"$E2E_OUT/holiday.txt")"
grep -qx '假日' "$E2E_OUT/holiday.txt" || e2e_fail "the weekday label does not say 假日"
# 7:27 announces period 1 on a school day; the reminder ticks every 5 s.
e2e_holds 20 popup_absent || e2e_fail "a pop-up came on a holiday"
e2e_shot holiday
stop_program

# --- a rotation ----------------------------------------------------------------
printf '[Calendar]\r\nCycleWeeks=3\r\nWeek1=2026-11-30\r\n[Week2.Monday]\r\n1=体育\r\n' |
  iconv -f UTF-8 -t GBK >"$E2E_RUN/calendar.dat"
start_at 10:00:00
bar_texts rotation
[ "$(head -2 "$E2E_OUT/rotation.txt" | tr '\n' ' ')" = "体育 数学 " ] ||
  e2e_fail "week 2's Monday is not shown: $(tr '\n' ' ' <"$E2E_OUT/rotation.txt")"
grep -qx '星期一 · 第2周' "$E2E_OUT/rotation.txt" || e2e_fail "the weekday label does not name week 2"
e2e_shot rotation
stop_program

# --- odd and even weeks ---------------------------------------------------------
# Week 1 began on Monday 2026-11-30: 12-08 is in week 2 (双周), 12-15 in week 1.
printf '[Calendar]\r\nCycleWeeks=2\r\nWeek1=2026-11-30\r\n[Week2.Tuesday]\r\n1=美术\r\n2=音乐\r\n' |
  iconv -f UTF-8 -t GBK >"$E2E_RUN/calendar.dat"
for day in "2026-12-08 双周 美术 音乐" "2026-12-15 单周 英语 语文"; do
  read -r date week first second <<<"$day"
  start_at 10:00:00 "$date"
  bar_texts "tuesday-$date"
  [ "$(head -2 "$E2E_OUT/tuesday-$date.txt" | tr '\n' ' ')" = "$first $second " ] ||
    e2e_fail "$date does not show the $week's Tuesday: $(tr '\n' ' ' <"$E2E_OUT/tuesday-$date.txt")"
  grep -qx "星期二 · $week" "$E2E_OUT/tuesday-$date.txt" || e2e_fail "the weekday label of $date does not say $week"
  e2e_shot "tuesday-$date"
  stop_program
done

# --- a Saturday running Friday's timetable ---------------------------------------
printf '[Calendar]\r\nCycleWeeks=1\r\n[Change1]\r\nDate=2026-12-12\r\nKind=Swap\r\nDay=5\r\n' |
  iconv -f UTF-8 -t GBK >"$E2E_RUN/calendar.dat"
start_at 10:00:00 2026-12-12
bar_texts swap
[ "$(head -3 "$E2E_OUT/swap.txt" | tr '\n' ' ')" = "生物 地理 暂无 " ] ||
  e2e_fail "the swapped Saturday does not run Friday's subjects: $(tr '\n' ' ' <"$E2E_OUT/swap.txt")"
grep -q '调休' "$E2E_OUT/swap.txt" || e2e_fail "the weekday label does not say 调休"
e2e_shot swap
stop_program

# --- a damaged calendar --------------------------------------------------------
printf '[Calendar]\r\nCycleWeeks=9\r\n' >"$E2E_RUN/calendar.dat"
start_at 10:00:00
e2e_winctl wait "信息：" 15000 >/dev/null || e2e_fail "no message about the damaged calendar"
e2e_shot damaged
bar_texts damaged
[ "$(head -8 "$E2E_OUT/damaged.txt" | tr '\n' ' ')" = "语文 数学 英语 物理 化学 体育 历史 自修 " ] ||
  e2e_fail "a damaged calendar changed the rows: $(tr '\n' ' ' <"$E2E_OUT/damaged.txt")"
grep -qx '星期一' "$E2E_OUT/damaged.txt" || e2e_fail "the weekday is not 星期一 under a damaged calendar"
stop_program
echo "PASS"
