#!/usr/bin/env bash
# Start-up times of Tabulo beside the floor program, on a private Wine
# desktop: runs bar_start_win_bench.exe (see its top comment) in a copy of
# the run directory, with floor_win.exe beside it; then what hiding a window
# costs on that desktop by the way it was shown (window_hide_win_bench.exe),
# Wine's own share of the wait before the bar shows.
#
#   bench/bar_start_bench.sh [RUNS]      (after scripts/build; RUNS defaults to 7, about 6 s a run)
#
# With TABULO_COMPARE naming another build's Tabulo.exe (the one before a
# change, say), that program runs in turn with this build's in every run,
# under the name Tabulo-compare.exe, and the steps of both are printed side
# by side: on a machine others are using, only runs side by side compare.
#
# The figures are also kept in <build>/bench-output/bar_start_bench/figures.txt.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
export TABULO_TEST_OUTPUT="${TABULO_TEST_OUTPUT:-${TABULO_BUILD_DIR:-$ROOT/build}/bench-output}"
source "$ROOT/tests/e2e/lib.sh"

BENCH_BIN="$TABULO_BUILD/windows/bench"
cp "$BENCH_BIN/bar_start_win_bench.exe" "$BENCH_BIN/floor_win.exe" "$BENCH_BIN/window_hide_win_bench.exe" "$E2E_RUN/"
COMPARE=()
if [ -n "${TABULO_COMPARE:-}" ]; then
  cp "$TABULO_COMPARE" "$E2E_RUN/Tabulo-compare.exe"
  COMPARE=(--compare Tabulo-compare.exe)
fi
cd "$E2E_RUN"
{
  wine ./bar_start_win_bench.exe --runs "${1:-7}" "${COMPARE[@]}"
  echo
  wine ./window_hide_win_bench.exe
} 2>/dev/null | tr -d '\r' | tee "$E2E_OUT/figures.txt"
