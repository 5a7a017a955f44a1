# Helpers for the end-to-end scripts. Source it first; it sets `set -euo pipefail`.
# Each test runs on a private Wine desktop (its own Xvfb and Wine server, see
# scripts/lib/wine-sandbox): a script started on its own re-runs itself in
# one. Each gets its own run directory (a copy of the dist files) under
# build/test-output/<test>/run, and ends only the processes it started.
set -euo pipefail
if [ -z "${TABULO_SANDBOX:-}" ]; then
  exec "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/wine-sandbox" bash "$0" "$@"
fi
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
tabulo_wine_env

E2E_NAME=$(basename "$0" .sh)
E2E_OUT="${TABULO_TEST_OUTPUT:-$TABULO_BUILD/test-output}/$E2E_NAME"
E2E_RUN="$E2E_OUT/run"
E2E_APP_PID=""
rm -rf "$E2E_OUT"
mkdir -p "$E2E_RUN"
cp -r "${TABULO_DIST:-$TABULO_BUILD/dist}/." "$E2E_RUN/"

e2e_cleanup() {
  if [ -n "$E2E_APP_PID" ] && kill -0 "$E2E_APP_PID" 2>/dev/null; then
    kill "$E2E_APP_PID" 2>/dev/null || true
    wait "$E2E_APP_PID" 2>/dev/null || true
  fi
}
trap e2e_cleanup EXIT

e2e_fail() { echo "FAIL: $*" >&2; e2e_shot failure || true; exit 1; }

# Starts Tabulo.exe from the test's run directory; extra "VAR=value" words go
# into its environment (e.g. a faked clock).
e2e_start() {
  ( cd "$E2E_RUN" && exec env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 "$@" wine ./Tabulo.exe ) >"$E2E_OUT/app.log" 2>&1 &
  E2E_APP_PID=$!
}

e2e_winctl() { wine "${TABULO_WINCTL:-$TABULO_BUILD/windows/tests/tools/winctl.exe}" "$@"; }
# Reads a window as a screen reader does (tests/tools/acc.cpp, beside
# winctl), its output without carriage returns.
e2e_acc() { wine "$(dirname "${TABULO_WINCTL:-$TABULO_BUILD/windows/tests/tools/winctl.exe}")/acc.exe" "$@" | tr -d '\r'; }

e2e_shot() { import -window root "$E2E_OUT/$1.png" 2>/dev/null; }

# Waits for the started program to end; fails when it does not within $1
# seconds. Leaves the exit code in E2E_EXIT_CODE (call it directly, not in
# $(...): only this shell can wait for its child).
e2e_wait_exit() {
  local i
  for i in $(seq $(( ${1:-20} * 10 ))); do
    kill -0 "$E2E_APP_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$E2E_APP_PID" 2>/dev/null && e2e_fail "the program did not end"
  E2E_EXIT_CODE=0
  wait "$E2E_APP_PID" || E2E_EXIT_CODE=$?
  E2E_APP_PID=""
}

# Prints "X Y" (the top-left corner on the screen) of a visible window of
# size $2×$3 that belongs to process $1; fails when there is none. For the
# program's caption-less windows, which have no title to find them by.
e2e_sized_window() {
  local id WINDOW X Y WIDTH HEIGHT SCREEN
  for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
    if [ "${WIDTH:-}" = "$2" ] && [ "${HEIGHT:-}" = "$3" ]; then
      echo "$X $Y"
      return 0
    fi
  done
  return 1
}

# Runs the command given after $1 every 0.1 s until it succeeds; fails
# after $1 seconds.
e2e_poll() {
  local seconds=$1 i
  shift
  for i in $(seq $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Runs the command given after $1 every 0.1 s for $1 seconds and fails as
# soon as it fails: for what must keep holding (a window that must not come
# back, a program that must keep running) over a stretch of time that the
# program's own timers set.
e2e_holds() {
  local seconds=$1 i
  shift
  for i in $(seq $((seconds * 10))); do
    "$@" || return 1
    sleep 0.1
  done
}

# Waits up to $1 seconds until no process runs Tabulo.exe any more, as
# Windows sees it: the single-instance check of the next copy looks there,
# and Wine removes a process from its list a moment after it has ended.
e2e_wait_no_program() { e2e_poll "$1" e2e_no_program; }
e2e_no_program() { ! e2e_winctl running Tabulo.exe >/dev/null; }

# Waits up to $4 seconds (10) for e2e_sized_window $1 $2 $3 and prints its
# "X Y".
e2e_wait_sized_window() { e2e_poll "${4:-10}" e2e_sized_window "$1" "$2" "$3"; }

# Waits up to $4 seconds (10) for a window of size $2×$3 of process $1 whose
# picture has stopped changing (three captures in a row agree), and prints
# its "X Y". A window fades in from fully transparent, and a click that
# lands on it before its pixels are there goes to what lies beneath.
e2e_wait_settled_window() {
  local at i same=0 previous="" now
  for i in $(seq $((${4:-10} * 5))); do
    if at=$(e2e_sized_window "$1" "$2" "$3"); then
      now=$(import -window root -crop "$2x$3+${at% *}+${at#* }" rgba:- 2>/dev/null | md5sum)
      if [ "$now" = "$previous" ]; then same=$((same + 1)); else same=0; fi
      previous=$now
      [ "$same" -ge 2 ] && { echo "$at"; return 0; }
    fi
    sleep 0.05
  done
  return 1
}

# Waits up to $4 seconds (10) until process $1 shows no window of size $2×$3.
e2e_wait_sized_gone() { e2e_poll "${4:-10}" e2e_no_sized_window "$1" "$2" "$3"; }
e2e_no_sized_window() { ! e2e_sized_window "$@" >/dev/null; }

# The 32-bit program's run directory (dist32/ beside dist/), and whether this
# machine runs 32-bit Windows programs: Wine needs its 32-bit part, package
# wine32 (README.md tells how to install it), and a prefix made with it,
# which has the 32-bit system DLLs.
E2E_DIST32="$(dirname "${TABULO_DIST:-$TABULO_BUILD/dist}")/dist32"
e2e_have_wine32() { dpkg-query -W -f='${Status}' wine32 2>/dev/null | grep -q 'install ok installed'; }
e2e_prefix_runs_32bit() { [ -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; }
