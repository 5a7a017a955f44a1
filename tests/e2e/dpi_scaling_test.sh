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
# their re-layout on a change of scale. DpiTest checks the desktop's scale
# is the one given here.
WIN_TESTS="$(dirname "${TABULO_WINCTL:-$TABULO_BUILD/windows/tests/tools/winctl.exe}")/../win/tabulo_win_tests.exe"
TABULO_EXPECTED_DPI=$DPI wine "$WIN_TESTS" --gtest_filter='FormWindowScaleTest.*:DpiTest.*' \
  >"$E2E_OUT/native_forms.log" 2>&1 ||
  e2e_fail "native forms at $DPI DPI: $(grep -E 'Failure|Expected|Which is|FAILED' "$E2E_OUT/native_forms.log" | head -20)"
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
echo "ok: $DPI DPI"
