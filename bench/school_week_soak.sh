#!/usr/bin/env bash
# A school week without a restart: runs the real Tabulo.exe (build/dist) on a
# private Wine desktop through six school days on a faked clock that jumps
# from one announcement to the next, and prints what it held afterwards.
#
#   bench/school_week_soak.sh [CYCLES]      (about 20 minutes; after scripts/build)
#
# Each day every period's reminder must open exactly once with the day's
# subject, stay through two more reminder ticks (or, for every second period,
# be dismissed with "关闭提示" and stay away), and be gone after the clean-up;
# the clock then runs over midnight, so the date changes five times (Monday
# to Saturday). At lunch the tool windows are opened and closed CYCLES times
# (default 5): the tool window, the random draw (button and F9), the timer
# and the about window. The program traces its reminders and, at each new
# day, the engine's handle count (TABULO_TRACE); the script reads the
# process's private memory (RssAnon), its X windows and its open files.
# It fails when a reminder was missed, shown twice or not cleaned up, or when
# a figure of the last day is above the first day's by more than its margin.
set -euo pipefail
TABULO_TEST_OUTPUT="${TABULO_TEST_OUTPUT:-$(cd "$(dirname "$0")/.." && pwd)/build/bench-output}"
export TABULO_TEST_OUTPUT
source "$(dirname "$0")/../tests/e2e/lib.sh"

CYCLES=${1:-5}
ACC="$(dirname "${TABULO_WINCTL:-$TABULO_BUILD/windows/tests/tools/winctl.exe}")/acc.exe"
TRACE="$E2E_OUT/trace.log"
CLOCK="$E2E_OUT/faketime.rc"
BAR_W=146 BAR_H=702 TOOL_W=260 TOOL_H=392 POPUP_W=405 POPUP_H=161
DAYS=(2026-12-07 2026-12-08 2026-12-09 2026-12-10 2026-12-11 2026-12-12)
SECTIONS=(Monday Tuesday Wednesday Thursday Friday Saturday)
WEEKDAYS=(星期一 星期二 星期三 星期四 星期五 星期六)
SUBJECTS=(语文 数学 英语 物理 化学 生物 历史 地理 政治 体育 音乐 美术 信息 自修)
HOURS=(8 8 9 10 13 14 15 16)
MINUTES=(0 55 50 45 30 25 20 15)
RSS_MARGIN_KIB=2048   # private memory may grow this much over the week
FD_MARGIN=4

# The subject of period $2 (1-8) on day $1 (0-5): every day its own order.
subject() { echo "${SUBJECTS[$(( ($1 * 3 + $2 - 1) % ${#SUBJECTS[@]} ))]}"; }

# --- a timetable for six days, with explicit start times ----------------------
{
  for d in 0 1 2 3 4 5; do
    printf '[%s]\r\n' "${SECTIONS[$d]}"
    for p in 1 2 3 4 5 6 7 8; do
      printf '%d=%s\r\nT%d=%d\r\nF%d=%d\r\n' "$p" "$(subject "$d" "$p")" "$p" "${HOURS[$((p - 1))]}" "$p" "${MINUTES[$((p - 1))]}"
    done
  done
} | iconv -f UTF-8 -t GBK >"$E2E_RUN/timetable.dat"

# --- the faked clock: an offset from the real time, read at every call -------
set_clock() {  # "YYYY-MM-DD hh:mm:ss"
  printf '%+d\n' $(($(date -d "$1" +%s) - $(date +%s))) >"$CLOCK.new"
  mv "$CLOCK.new" "$CLOCK"
}
at() { date -d "@$(($(date -d "$1 $2:00" +%s) + $3))" '+%Y-%m-%d %H:%M:%S'; }  # DATE HH:MM SECONDS → time

set_clock "${DAYS[0]} 07:00:00"
: >"$TRACE"
e2e_start LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME_TIMESTAMP_FILE="$CLOCK" \
  FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 TABULO_TRACE="$TRACE"
read -r bar_x bar_y < <(e2e_wait_sized_window "$E2E_APP_PID" $BAR_W $BAR_H 60) || e2e_fail "no bar"
tool_x=$((bar_x - TOOL_W))

popup_shown() { e2e_sized_window "$E2E_APP_PID" $POPUP_W $POPUP_H >/dev/null; }
popup_absent() { ! popup_shown; }
opened_count() { grep -c "reminder open $1\$" "$TRACE" || true; }
weekday_is() { wine "$ACC" list "size:${BAR_W}x${BAR_H}" 2>/dev/null | tr -d '\r' | grep -q "^$1|text|"; }

# --- figures ------------------------------------------------------------------
FIGURES="$E2E_OUT/figures.txt"
: >"$FIGURES"
# The engine's handle count comes from the trace, which the program writes
# when the bar is ready and at each new day (before that day's windows).
figures() {  # DAY-LABEL: one line of what the process holds now
  local rss fds windows engine
  rss=$(awk '/^RssAnon:/ { print $2 }' "/proc/$E2E_APP_PID/status")
  fds=$(find "/proc/$E2E_APP_PID/fd" -mindepth 1 -maxdepth 1 2>/dev/null | wc -l)
  windows=$(xdotool search --pid "$E2E_APP_PID" 2>/dev/null | wc -l)
  engine=$(grep -o 'engine=[0-9]*' "$TRACE" | tail -1 | cut -d= -f2)
  echo "$1 $rss $fds $windows ${engine:-?}" >>"$FIGURES"
}

# --- tool windows at lunch ----------------------------------------------------
click_bar_tool() { xdotool mousemove $((bar_x + 65)) $((bar_y + 646)) click 1; }
open_from_tool() {  # X Y of the button in the tool window, then the title
  click_bar_tool
  e2e_wait_settled_window "$E2E_APP_PID" $TOOL_W $TOOL_H 10 >/dev/null || e2e_fail "no tool window"
  xdotool mousemove $((tool_x + $1)) $((bar_y + $2)) click 1
  e2e_winctl wait "$3" 15000 >/dev/null || e2e_fail "$3 did not open"
  e2e_winctl close "$3" >/dev/null
  e2e_winctl gone "$3" 15000 || e2e_fail "$3 did not close"
}
tool_windows() {
  local i
  for i in $(seq "$CYCLES"); do
    click_bar_tool
    e2e_wait_sized_window "$E2E_APP_PID" $TOOL_W $TOOL_H 10 >/dev/null || e2e_fail "no tool window"
    click_bar_tool
    e2e_wait_sized_gone "$E2E_APP_PID" $TOOL_W $TOOL_H 10 || e2e_fail "the tool window stayed"
    open_from_tool 174 96 "随机抽号"
    open_from_tool 174 192 "计时器"
    open_from_tool 174 296 "关于本程序"
    xdotool mousemove $((bar_x + 73)) $((bar_y + 300)) key F9
    e2e_winctl wait "随机抽号" 15000 >/dev/null || e2e_fail "F9 did not open the draw"
    e2e_winctl close "随机抽号" >/dev/null
    e2e_winctl gone "随机抽号" 15000 || e2e_fail "the draw did not close"
  done
}

# --- the week -----------------------------------------------------------------
started=$SECONDS
for d in 0 1 2 3 4 5; do
  date=${DAYS[$d]}
  e2e_poll 15 weekday_is "${WEEKDAYS[$d]}" || e2e_fail "$date: the bar does not show ${WEEKDAYS[$d]}"
  for p in 1 2 3 4 5 6 7 8; do
    hhmm=$(printf '%02d:%02d' "${HOURS[$((p - 1))]}" "${MINUTES[$((p - 1))]}")
    subject=$(subject "$d" "$p")
    before=$(opened_count "$subject")
    set_clock "$(at "$date" "$hhmm" -170)"
    e2e_poll 15 popup_shown || e2e_fail "$date period $p ($subject): no reminder"
    if [ $((p % 2)) = 0 ]; then
      read -r px py < <(e2e_sized_window "$E2E_APP_PID" $POPUP_W $POPUP_H)
      xdotool mousemove $((px + 53)) $((py + 79)) click 1   # 关闭提示
      e2e_poll 10 popup_absent || e2e_fail "$date period $p: 关闭提示 did not close the reminder"
      e2e_holds 11 popup_absent || e2e_fail "$date period $p: the dismissed reminder came back"
    else
      e2e_holds 11 popup_shown || e2e_fail "$date period $p: the reminder went before its time"
    fi
    [ "$(opened_count "$subject")" = $((before + 1)) ] ||
      e2e_fail "$date period $p ($subject): opened $(($(opened_count "$subject") - before)) times"
    set_clock "$(at "$date" "$hhmm" 190)"
    e2e_poll 15 popup_absent || e2e_fail "$date period $p: the clean-up left the reminder"
    # A real break holds many reminder ticks; the one after the clean-up
    # readies the reminder for the next period. Watch through it.
    e2e_holds 6 popup_absent || e2e_fail "$date period $p: the reminder came back after the clean-up"
    if [ "$p" = 4 ]; then
      set_clock "$(at "$date" 12:00 0)"
      tool_windows
    fi
  done
  figures "$date"
  # Over midnight to the next day; the bar reloads and traces the new day.
  [ "$d" -lt 5 ] && set_clock "$(at "$date" 23:59 55)"
done
elapsed=$((SECONDS - started))

# --- report -------------------------------------------------------------------
echo "school week soak: 6 days, 48 reminders, $((CYCLES * 5 * 6)) tool windows opened and closed, ${elapsed} s"
printf '%-12s %12s %10s %10s %16s\n' "day (end)" "RssAnon KiB" "open files" "X windows" "engine handles*"
while read -r day rss fds windows engine; do
  printf '%-12s %12s %10s %10s %16s\n' "$day" "$rss" "$fds" "$windows" "$engine"
done <"$FIGURES"
read -r _ rss0 fds0 win0 _ < <(head -1 "$FIGURES")
read -r _ rss5 fds5 win5 _ < <(tail -1 "$FIGURES")
echo "* as traced at the start of that day (bar ready on the first day)"
echo "reminders opened: $(grep -c 'reminder open ' "$TRACE"), days traced: $(grep -c 'new day ' "$TRACE")"
[ "$(grep -c 'reminder open ' "$TRACE")" = 48 ] || e2e_fail "expected 48 reminders"
[ "$(grep -c 'new day ' "$TRACE")" = 5 ] || e2e_fail "expected five date changes"
[ "$rss5" -le $((rss0 + RSS_MARGIN_KIB)) ] || e2e_fail "private memory grew from $rss0 to $rss5 KiB"
[ "$fds5" -le $((fds0 + FD_MARGIN)) ] || e2e_fail "open files grew from $fds0 to $fds5"
[ "$win5" -le "$win0" ] || e2e_fail "X windows grew from $win0 to $win5"
# Each new day starts with the same engine handles, however many windows
# the days before opened and closed.
[ "$(grep -o 'new day .*engine=[0-9]*' "$TRACE" | grep -o 'engine=[0-9]*' | sort -u | wc -l)" = 1 ] ||
  e2e_fail "the engine's handles at the start of each day differ: $(grep 'new day' "$TRACE")"
echo "PASS"
