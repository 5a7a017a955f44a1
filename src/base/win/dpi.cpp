#include "base/win/dpi.h"

#include "base/win/system_library.h"

namespace tabulo {
namespace {

// Declared here rather than taken from the SDK headers, which hide them
// below _WIN32_WINNT 0x0603/0x0A00.
using SetProcessDpiAwarenessContextFunction = BOOL WINAPI(HANDLE context);
using SetProcessDpiAwarenessFunction = HRESULT WINAPI(int awareness);
using GetDpiForWindowFunction = UINT WINAPI(HWND window);
using GetDpiForMonitorFunction = HRESULT WINAPI(HMONITOR monitor, int type, UINT* dpiX, UINT* dpiY);

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, PROCESS_PER_MONITOR_DPI_AWARE
// and MDT_EFFECTIVE_DPI.
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
constexpr int kProcessPerMonitorAware = 2;
constexpr int kEffectiveDpi = 0;

HMODULE User32() { return GetModuleHandleW(L"user32.dll"); }

}  // namespace

bool DeclareDpiAwareness() {
  if (const auto set = SystemFunction<SetProcessDpiAwarenessContextFunction>(User32(), "SetProcessDpiAwarenessContext")) {
    if (set(kPerMonitorAwareV2)) return true;
  }
  if (const auto set = SystemFunction<SetProcessDpiAwarenessFunction>(SystemLibrary(L"shcore.dll"), "SetProcessDpiAwareness")) {
    if (SUCCEEDED(set(kProcessPerMonitorAware))) return true;
  }
  return SetProcessDPIAware() != FALSE;
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : DpiScale::kBaseDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : DpiScale::kBaseDpi;
}

int MonitorDpi(HMONITOR monitor) {
  const auto get = SystemFunction<GetDpiForMonitorFunction>(SystemLibrary(L"shcore.dll"), "GetDpiForMonitor");
  UINT x = 0, y = 0;
  if (monitor && get && SUCCEEDED(get(monitor, kEffectiveDpi, &x, &y)) && y > 0) return static_cast<int>(y);
  return SystemDpi();
}

int WindowDpi(HWND window) {
  if (!window || !IsWindow(window)) return SystemDpi();
  if (const auto get = SystemFunction<GetDpiForWindowFunction>(User32(), "GetDpiForWindow")) {
    if (const UINT dpi = get(window)) return static_cast<int>(dpi);
  }
  return MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

}  // namespace tabulo
