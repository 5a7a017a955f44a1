#!/usr/bin/env bash
# The start-up window shows without taking activation (it takes no input),
# and the bar, shown after it, is the active window. Never activated, the
# start-up window goes at once; an activated one would stall the program on
# its way out while Wine waits for a window manager.
source "$(dirname "$0")/lib.sh"

e2e_start
e2e_wait_sized_window "$E2E_APP_PID" 318 218 30 >/dev/null || e2e_fail "no start-up window"
startup_shown() { e2e_sized_window "$E2E_APP_PID" 318 218 >/dev/null; }
active_size() { e2e_winctl active - 2>/dev/null | tr -d '\r'; }
# Watch the whole time the start-up window is up, its fade-in included: the
# watch ends when it is gone or the moment it is the active window, and it is
# bounded, so a start-up window that never goes fails instead of hanging.
startup_active() { [ "$(active_size)" = "318 218" ]; }
startup_gone_or_active() { ! startup_shown || startup_active; }
e2e_poll 10 startup_gone_or_active || e2e_fail "the start-up window stayed up"
startup_active && e2e_fail "the start-up window took activation"
e2e_wait_sized_window "$E2E_APP_PID" 146 702 10 >/dev/null || e2e_fail "no bar"
bar_active() { [ "$(active_size)" = "146 702" ]; }
e2e_poll 10 bar_active || e2e_fail "the bar is not the active window: $(active_size)"
echo "PASS"
