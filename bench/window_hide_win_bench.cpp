// What hiding and destroying a top-level window costs the calling thread,
// by how the window was shown. Under Wine's X11 driver a window that was
// ever activated (or that has a caption or a system menu) is "managed":
// hiding it waits until a window manager confirms the withdrawal, up to 2 s,
// and a display without a window manager (Xvfb) never confirms. A window
// shown without activation and without those styles is unmapped at once.
// On Windows every row costs about the same.
// Run under Wine on the display to measure (bench/bar_start_bench.sh's
// private desktop has no window manager, like the tests):
//   wine window_hide_win_bench.exe [RUNS, 3]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double NowMs() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

struct Case {
  const char* what;
  DWORD style;
  DWORD exStyle;
  int show;        // SW_SHOWNORMAL activates, SW_SHOWNOACTIVATE does not
  bool destroy;    // DestroyWindow instead of ShowWindow(SW_HIDE)
};

constexpr DWORD kLayeredTool = WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
const Case kCases[] = {
    {"popup, activated, hidden", WS_POPUP, kLayeredTool, SW_SHOWNORMAL, false},
    {"popup, activated, destroyed", WS_POPUP, kLayeredTool, SW_SHOWNORMAL, true},
    {"popup, not activated, hidden", WS_POPUP, kLayeredTool, SW_SHOWNOACTIVATE, false},
    {"popup, not activated, destroyed", WS_POPUP, kLayeredTool, SW_SHOWNOACTIVATE, true},
    {"popup + system menu, not activated, hidden", WS_POPUP | WS_SYSMENU, kLayeredTool, SW_SHOWNOACTIVATE, false},
    {"captioned, activated, destroyed", WS_OVERLAPPEDWINDOW, 0, SW_SHOWNORMAL, true},
};

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(window, message, wparam, lparam);
}

// Milliseconds the hide or destroy of one freshly shown window takes.
double HideCost(const Case& c) {
  HWND window = CreateWindowExW(c.exStyle, L"HideBenchWindow", L"hide bench", c.style, 100, 100, 200, 150, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  if (c.exStyle & WS_EX_LAYERED) SetLayeredWindowAttributes(window, 0, 255, LWA_ALPHA);
  ShowWindow(window, c.show);
  UpdateWindow(window);
  Pump();
  Sleep(100);  // let the X server map it
  Pump();
  const double started = NowMs();
  if (c.destroy) {
    DestroyWindow(window);
  } else {
    ShowWindow(window, SW_HIDE);
  }
  const double cost = NowMs() - started;
  if (!c.destroy) DestroyWindow(window);
  Pump();
  return cost;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Proc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"HideBenchWindow";
  RegisterClassW(&windowClass);
  std::printf("hiding or destroying a shown top-level window, ms (median of %d)\n", runs);
  for (const Case& c : kCases) {
    std::vector<double> costs;
    for (int i = 0; i < runs; ++i) costs.push_back(HideCost(c));
    std::sort(costs.begin(), costs.end());
    std::printf("  %-44s %7.0f\n", c.what, costs[costs.size() / 2]);
    std::fflush(stdout);
  }
  return 0;
}
