#!/usr/bin/env bash
# The administrators' command line, run as a rollout script would: no window
# is made, the exit code and the text on standard output or standard error
# tell what happened.
#  - --import-cses of the CSES example (data/cses_example.yaml, MIT licence
#    beside it) with --week1 writes the timetable; a normal start then shows
#    the imported Monday;
#  - --export-cses works while the bar runs (the single-instance check does
#    not refuse it), and importing the exported file gives the same files;
#  - a missing file fails with 1 and a wrong command line with 2, each with
#    its reason on standard error.
source "$(dirname "$0")/lib.sh"

BAR_W=146 BAR_H=702
cp "$(dirname "$0")/data/cses_example.yaml" "$E2E_RUN/课表.yaml"

# Runs Tabulo.exe in the run directory with the given arguments and waits for
# it; its exit code is left in CODE, its output in $E2E_OUT/NAME.out and .err.
run_command() {  # NAME ARGUMENTS...
  local name=$1
  shift
  CODE=0
  ( cd "$E2E_RUN" && exec env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 timeout 60 wine ./Tabulo.exe "$@" ) \
    >"$E2E_OUT/$name.out" 2>"$E2E_OUT/$name.err" || CODE=$?
}
no_window_of_tabulo() { ! e2e_winctl running Tabulo.exe >/dev/null; }

# --- import, then a normal start --------------------------------------------------
run_command import --import-cses 课表.yaml --week1 2026-12-07
[ "$CODE" = 0 ] || e2e_fail "the import ended with $CODE: $(cat "$E2E_OUT/import.err")"
[ -s "$E2E_OUT/import.out" ] || e2e_fail "the import said nothing on standard output"
[ -f "$E2E_RUN/timetable.dat" ] || e2e_fail "the import wrote no timetable.dat"
e2e_wait_no_program 10 || e2e_fail "the import left the program running"

e2e_start LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 "FAKETIME=@2026-12-07 10:30:00"
e2e_wait_sized_window "$E2E_APP_PID" $BAR_W $BAR_H 30 >/dev/null || e2e_fail "no bar after the import"
e2e_acc list "size:${BAR_W}x${BAR_H}" | grep '^[^|]\+|text|' | cut -d'|' -f1 >"$E2E_OUT/bar.txt" ||
  e2e_fail "could not read the bar"
[ "$(head -3 "$E2E_OUT/bar.txt" | tr '\n' ' ')" = "数学 语文 暂无 " ] ||
  e2e_fail "the bar does not show the imported Monday: $(tr '\n' ' ' <"$E2E_OUT/bar.txt")"
e2e_shot imported

# --- export beside the running bar, and the round trip ------------------------------
cp "$E2E_RUN/timetable.dat" "$E2E_OUT/timetable.imported"
run_command export --export-cses 导出.yaml
[ "$CODE" = 0 ] || e2e_fail "the export beside a running bar ended with $CODE: $(cat "$E2E_OUT/export.err")"
grep -q '^version: 1' "$E2E_RUN/导出.yaml" || e2e_fail "the export is not a version-1 CSES file"
grep -q '"08:00:00"' "$E2E_RUN/导出.yaml" || e2e_fail "the export does not hold Monday's quoted start time"
kill "$E2E_APP_PID"
wait "$E2E_APP_PID" 2>/dev/null || true
E2E_APP_PID=""
e2e_wait_no_program 10 || e2e_fail "Wine still lists the ended bar"

run_command reimport --import-cses 导出.yaml --week1 2026-12-07
[ "$CODE" = 0 ] || e2e_fail "importing the export ended with $CODE: $(cat "$E2E_OUT/reimport.err")"
cmp -s "$E2E_RUN/timetable.dat" "$E2E_OUT/timetable.imported" ||
  e2e_fail "the export imported again gives another timetable.dat"

# --- failures --------------------------------------------------------------------
run_command missing --import-cses 没有这个文件.yaml
[ "$CODE" = 1 ] || e2e_fail "a missing file ended with $CODE, not 1"
[ -s "$E2E_OUT/missing.err" ] || e2e_fail "a missing file gave no reason on standard error"
run_command misused --import-cses
[ "$CODE" = 2 ] || e2e_fail "an import without a file ended with $CODE, not 2"
[ -s "$E2E_OUT/misused.err" ] || e2e_fail "a wrong command line gave no reason on standard error"
e2e_poll 10 no_window_of_tabulo || e2e_fail "a failed command left the program running"
cmp -s "$E2E_RUN/timetable.dat" "$E2E_OUT/timetable.imported" || e2e_fail "a failed command changed timetable.dat"
echo "PASS"
