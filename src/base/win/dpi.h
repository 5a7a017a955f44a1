#pragma once
// The DPI Windows gives the program's windows, and the process's promise to
// scale them itself. Everything newer than Windows 7 is looked up at run
// time (system_library.h), so the program still starts there and falls back
// to the system DPI, the one scale Windows 7 has.
//
// A process that has not declared itself aware is told 96 by Windows (which
// then stretches its windows); under Wine 8 every process is told the
// configured DPI (HKCU\Control Panel\Desktop\LogPixels) and nothing is
// stretched, aware or not.
#include <windows.h>

#include "base/geometry/dpi_scale.h"

namespace tabulo {

// Declares the process per-monitor aware (v2) where the system knows it,
// else per-monitor (Windows 8.1), else system aware (Windows 7). False when
// none took, for instance because the manifest already declared it.
bool DeclareDpiAwareness();

// The DPI of the system: of the primary screen at start-up.
[[nodiscard]] int SystemDpi();
// The DPI of the monitor showing `window` as the window sees it; the system
// DPI where monitors have none of their own or the window is gone.
[[nodiscard]] int WindowDpi(HWND window);
// The DPI of a monitor; the system DPI where monitors have none of their own.
[[nodiscard]] int MonitorDpi(HMONITOR monitor);

[[nodiscard]] inline DpiScale WindowScale(HWND window) { return DpiScale(WindowDpi(window)); }

}  // namespace tabulo
