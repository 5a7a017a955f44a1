#!/usr/bin/env bash
# The import checker itself: a program built here that imports a Windows 8
# function and shcore.dll is refused with both faults named, one that imports
# a DLL the program should load only when first needed is refused, and a
# program that imports only old functions of Windows 7's DLLs passes.
# usage: check_imports_test.sh CHECKER LIST PROBE_SOURCE WORK_DIR
set -euo pipefail
checker=$1 list=$2 probe=$3 work=$4
mkdir -p "$work"
x86_64-w64-mingw32-gcc-posix -O1 "$probe" -lshcore -o "$work/newer_imports.exe"
printf 'int main(void) { return 0; }\n' >"$work/old_imports.c"
x86_64-w64-mingw32-gcc-posix -O1 "$work/old_imports.c" -o "$work/old_imports.exe"
printf '#include <windows.h>\n#include <commctrl.h>\nint main(void) { InitCommonControls(); return 0; }\n' >"$work/eager_imports.c"
x86_64-w64-mingw32-gcc-posix -O1 "$work/eager_imports.c" -lcomctl32 -o "$work/eager_imports.exe"

fail() { echo "FAIL: $*" >&2; exit 1; }

if report=$(python3 "$checker" "$list" "$work/newer_imports.exe"); then
  fail "a program importing Windows 8 functions passed: $report"
fi
echo "$report"
grep -q 'imports shcore.dll, which Windows 7 does not have' <<<"$report" || fail "shcore.dll not named"
grep -q 'imports GetSystemTimePreciseAsFileTime from kernel32.dll, which needs Windows 8' <<<"$report" ||
  fail "GetSystemTimePreciseAsFileTime not named"
[ "$(grep -c ': imports ' <<<"$report")" = 2 ] || fail "faults beyond the two: $report"

if report=$(python3 "$checker" "$list" "$work/eager_imports.exe"); then
  fail "a program importing comctl32.dll passed: $report"
fi
echo "$report"
grep -q 'imports comctl32.dll, which it should load when first needed' <<<"$report" || fail "comctl32.dll not named"

report=$(python3 "$checker" "$list" "$work/old_imports.exe") || fail "a program with old imports was refused: $report"
echo "$report"
