#pragma once
// Where the pure geometry types meet RECT and POINT, and the rectangles
// Windows reports as RECTs.
#include <windows.h>

#include "base/geometry/rect.h"

namespace tabulo {

[[nodiscard]] inline RECT ToRECT(const Rect& r) { return RECT{r.x, r.y, r.right(), r.bottom()}; }
[[nodiscard]] inline Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}; }
[[nodiscard]] inline POINT ToPOINT(const Point& p) { return POINT{p.x, p.y}; }
[[nodiscard]] inline Point FromPOINT(const POINT& p) { return Point{p.x, p.y}; }

// In screen coordinates; empty when the handle is not a window.
[[nodiscard]] inline Rect WindowRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return FromRECT(r);
}

// The whole of a monitor in screen pixels; for the primary monitor that is
// 0, 0, SM_CXSCREEN × SM_CYSCREEN.
[[nodiscard]] inline Rect MonitorRect(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return FromRECT(info.rcMonitor);
}
// The monitor showing the most of `window`, or the nearest one.
[[nodiscard]] inline Rect MonitorRectOf(HWND window) {
  return MonitorRect(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

// The part of the primary screen windows may cover (without the taskbar).
[[nodiscard]] inline Rect WorkArea() {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return FromRECT(r);
}

}  // namespace tabulo
