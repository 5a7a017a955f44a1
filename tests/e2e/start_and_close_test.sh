#!/usr/bin/env bash
# The program starts, shows its window, and ends cleanly with exit code 0 when
# that window is closed.
source "$(dirname "$0")/lib.sh"
e2e_start
e2e_winctl wait "Tabulo" 30000 >/dev/null || e2e_fail "no window titled Tabulo"
e2e_shot started
e2e_winctl close "Tabulo" || e2e_fail "could not post WM_CLOSE"
e2e_wait_exit 20
[ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "exit code $E2E_EXIT_CODE"
echo "PASS"
