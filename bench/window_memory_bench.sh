#!/usr/bin/env bash
# Private memory and idle CPU of Tabulo beside the floor program, on a
# private Wine desktop. Wine reports neither for another process, so the
# figures come from Linux: RssAnon in /proc/PID/status (the process's own
# anonymous pages, what Windows calls private bytes) and utime + stime in
# /proc/PID/stat of the wine process, which is the Windows process itself.
#
#   bench/window_memory_bench.sh [IDLE_SECONDS]   (after scripts/build; IDLE_SECONDS defaults to 20)
#
# 1. The floor (bench/floor/floor_win.cpp) alone: RssAnon once its window
#    is up, and its CPU time over IDLE_SECONDS.
# 2. Tabulo: RssAnon with the bar alone, its CPU time over IDLE_SECONDS,
#    then each window opened in turn from the tool window and left open
#    (the tool window itself, the timetable editor, the timer, the batch file
#    writer, the settings, the random draw, the about window) with RssAnon
#    after each; and again once all of them are closed.
# A figure is read once it has settled (two readings a second apart within
# 64 KiB). The table is also kept in <build>/bench-output/window_memory_bench/figures.txt.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
export TABULO_TEST_OUTPUT="${TABULO_TEST_OUTPUT:-${TABULO_BUILD_DIR:-$ROOT/build}/bench-output}"
source "$ROOT/tests/e2e/lib.sh"

IDLE=${1:-20}
BAR_W=146 BAR_H=702 TOOL_W=260 TOOL_H=392
TICKS=$(getconf CLK_TCK)
FIGURES="$E2E_OUT/figures.txt"
cp "$TABULO_BUILD/windows/bench/floor_win.exe" "$E2E_RUN/"

rss_kib() { awk '/^RssAnon:/ { print $2 }' "/proc/$1/status"; }
cpu_ms() { awk -v t="$TICKS" '{ print int(($14 + $15) * 1000 / t) }' "/proc/$1/stat"; }
# RssAnon of process $1 once it has settled.
settled_rss_kib() {
  local previous now i
  previous=$(rss_kib "$1")
  for i in $(seq 10); do
    sleep 1
    now=$(rss_kib "$1")
    [ $((now > previous ? now - previous : previous - now)) -le 64 ] && break
    previous=$now
  done
  echo "$now"
}
# CPU milliseconds process $1 uses over IDLE seconds.
idle_cpu_ms() {
  local before
  before=$(cpu_ms "$1")
  sleep "$IDLE"
  echo $(($(cpu_ms "$1") - before))
}
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
row() {  # WHAT KIB
  printf '%8s MiB %8s MiB   %s\n' "$(mib "$2")" "$(mib $(($2 - floor_kib)))" "$1" | tee -a "$FIGURES"
}

# --- the floor ------------------------------------------------------------------
( cd "$E2E_RUN" && exec env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 wine ./floor_win.exe ) >"$E2E_OUT/floor.log" 2>&1 &
floor_pid=$!
e2e_wait_sized_window "$floor_pid" $BAR_W $BAR_H 30 >/dev/null || e2e_fail "the floor's window did not show"
floor_kib=$(settled_rss_kib "$floor_pid")
floor_cpu=$(idle_cpu_ms "$floor_pid")
kill "$floor_pid"
wait "$floor_pid" 2>/dev/null || true

# --- Tabulo ---------------------------------------------------------------------
TRACE="$E2E_OUT/trace.log"
e2e_start TABULO_TRACE="$TRACE"
read -r bar_x bar_y < <(e2e_wait_sized_window "$E2E_APP_PID" $BAR_W $BAR_H 60) || e2e_fail "no bar"
e2e_poll 20 grep -q "bar ready" "$TRACE" || e2e_fail "the bar did not finish starting"
tool_x=$((bar_x - TOOL_W))

: >"$FIGURES"
echo "private memory (RssAnon); the windows opened stay open" | tee -a "$FIGURES"
printf '%12s %12s   %s\n' RssAnon "− floor" "" | tee -a "$FIGURES"
row "floor: one layered GDI+ window with a clock" "$floor_kib"
row "bar alone" "$(settled_rss_kib "$E2E_APP_PID")"
bar_cpu=$(idle_cpu_ms "$E2E_APP_PID")

click_tool() { xdotool mousemove $((bar_x + 65)) $((bar_y + 646)) click 1; }
click_tool
e2e_wait_settled_window "$E2E_APP_PID" $TOOL_W $TOOL_H 10 >/dev/null || e2e_fail "no tool window"
row "+ tool window" "$(settled_rss_kib "$E2E_APP_PID")"
click_tool
e2e_wait_sized_gone "$E2E_APP_PID" $TOOL_W $TOOL_H 10 || e2e_fail "the tool window stayed"
TITLES=()
open_from_tool() {  # X Y of the button in the tool window, then the window's title
  click_tool
  e2e_wait_settled_window "$E2E_APP_PID" $TOOL_W $TOOL_H 10 >/dev/null || e2e_fail "no tool window for $3"
  xdotool mousemove $((tool_x + $1)) $((bar_y + $2)) click 1
  e2e_winctl wait "$3" 15000 >/dev/null || e2e_fail "$3 did not open"
  e2e_wait_sized_gone "$E2E_APP_PID" $TOOL_W $TOOL_H 10 || e2e_fail "the tool window stayed after $3"
  TITLES+=("$3")
  row "+ $3" "$(settled_rss_kib "$E2E_APP_PID")"
}
open_from_tool 88 96 "设置课程表"
open_from_tool 174 192 "计时器"
open_from_tool 88 192 "批量文件写入器"
open_from_tool 88 296 "程序设置"
open_from_tool 174 96 "随机抽号"
open_from_tool 174 296 "关于本程序"
e2e_shot all_open
for title in "${TITLES[@]}"; do
  e2e_winctl close "$title" >/dev/null
  e2e_winctl gone "$title" 15000 || e2e_fail "$title did not close"
done
row "bar again, every other window closed" "$(settled_rss_kib "$E2E_APP_PID")"

echo "idle CPU over $IDLE s: floor $floor_cpu ms, bar alone $bar_cpu ms" | tee -a "$FIGURES"
