#!/usr/bin/env bash
# A second copy of the program shows its start-up window, then says
# "请不要重复运行Tabulo!" and ends; the first copy keeps running. A copy
# under another file name is not taken for a second copy.
source "$(dirname "$0")/lib.sh"

e2e_start
e2e_wait_sized_window "$E2E_APP_PID" 146 702 30 >/dev/null || e2e_fail "no bar"
first=$E2E_APP_PID

( cd "$E2E_RUN" && exec env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 wine ./Tabulo.exe ) >"$E2E_OUT/second.log" 2>&1 &
second=$!
e2e_wait_sized_window "$second" 318 218 30 >/dev/null || e2e_fail "the second copy showed no start-up window"
e2e_winctl wait "信息：" 10000 >/dev/null || e2e_fail "no message for the second copy"
e2e_shot message
text=$(e2e_winctl text "信息：" 65535 | tr -d '\r')
[ "$text" = "请不要重复运行Tabulo!" ] || e2e_fail "message says '$text'"
e2e_winctl close "信息：" || e2e_fail "could not dismiss the message"

second_ended() { ! kill -0 "$second" 2>/dev/null; }
e2e_poll 10 second_ended || { kill "$second"; wait "$second" || true; e2e_fail "the second copy did not end"; }
wait "$second" || e2e_fail "the second copy ended with code $?"
kill -0 "$first" 2>/dev/null || e2e_fail "the first copy ended too"
e2e_sized_window "$first" 146 702 >/dev/null || e2e_fail "the first copy's bar went away"

cp "$E2E_RUN/Tabulo.exe" "$E2E_RUN/Tabulo2.exe"
( cd "$E2E_RUN" && exec env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 wine ./Tabulo2.exe ) >"$E2E_OUT/renamed.log" 2>&1 &
renamed=$!
e2e_wait_sized_window "$renamed" 146 702 30 >/dev/null || { kill "$renamed"; wait "$renamed" || true; e2e_fail "the renamed copy shows no bar"; }
e2e_winctl wait "信息：" 500 >/dev/null && { kill "$renamed"; wait "$renamed" || true; e2e_fail "the renamed copy was refused"; }
kill "$renamed"
wait "$renamed" || true
echo "PASS"
