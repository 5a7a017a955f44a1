// A program that imports what Windows 7 lacks: a kernel32 function of
// Windows 8 and shcore.dll of Windows 8.1. The checker's own test expects it
// to be refused with exactly those two faults.
#define _WIN32_WINNT 0x0A00
#include <windows.h>
#include <shellscalingapi.h>

int main(void) {
  FILETIME now;
  GetSystemTimePreciseAsFileTime(&now);
  UINT dpiX = 0, dpiY = 0;
  GetDpiForMonitor(MonitorFromPoint((POINT){0, 0}, MONITOR_DEFAULTTOPRIMARY), MDT_EFFECTIVE_DPI, &dpiX, &dpiY);
  return (int)(now.dwLowDateTime + dpiX + dpiY);
}
