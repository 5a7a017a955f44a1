// How long one hover repaint takes (the control repaints its canvas, the
// window recomposes that area and presents it) on a window with 1, 10 and
// 100 controls. Only the hovered control's area is recomposed, so the cost
// should not grow with controls elsewhere on the window. Runs under Wine:
//   wine engine_hover_win_bench.exe
#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "ui/control/ui_control.h"
#include "ui/engine/engine_state.h"
#include "ui/window/ui_window.h"

namespace {

using namespace tabulo::ui;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kRounds = 2000;

// Paints one colour, another while hot.
class Tile : public UiControl {
 protected:
  LRESULT ClassHandleMessage(UINT message, WPARAM, LPARAM) override {
    if (message == WM_PAINT || message == kMsgMouseEntered || message == kMsgMouseLeft) {
      if (BeginPaint()) {
        MutableCanvas().ClearRect(LocalRect(), StateFlags() & kStateHot ? 0xFFF0A028u : 0xFF2878C8u);
        EndPaint();
      }
    }
    return 0;
  }
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Figures {
  double hoverMicroseconds;
  double composeMicroseconds;
};

Figures Measure(int controls, int alpha) {
  HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, kDefaultWindowClass, L"hover bench", WS_POPUP, 0, 0, kWidth, kHeight,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  UiWindow window;
  BindOptions options;
  options.captionButtons = kNoCaptionButtons;
  options.alpha = alpha;
  options.backgroundColour = 0xE0E0E0;
  (void)window.Bind(hwnd, options);
  std::vector<std::unique_ptr<Tile>> tiles;
  for (int i = 0; i < controls; ++i) {
    auto tile = std::make_unique<Tile>();
    ControlOptions o;
    (void)tile->Create(hwnd, {(i % 10) * 80 + 5, (i / 10) * 60 + 5, 70, 50}, o);
    tiles.push_back(std::move(tile));
  }
  window.Show();

  // Alternate between the first tile and empty space: every move repaints it.
  const LPARAM onTile = MAKELPARAM(20, 20);
  const LPARAM offTile = MAKELPARAM(20, 58);
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kRounds; ++i) SendMessageW(hwnd, WM_MOUSEMOVE, 0, i % 2 ? offTile : onTile);
  QueryPerformanceCounter(&end);
  const double hover = Seconds(start, end) / kRounds * 1e6;

  QueryPerformanceCounter(&start);
  for (int i = 0; i < kRounds; ++i) window.Compose({5, 5, 70, 50}, false);
  QueryPerformanceCounter(&end);
  const double compose = Seconds(start, end) / kRounds * 1e6;

  DestroyWindow(hwnd);
  return {hover, compose};
}

}  // namespace

int main() {
  EngineStart();
  EngineInitialise({});
  std::printf("hover repaint of one 70x50 control on an 800x600 window (%d rounds each)\n", kRounds);
  std::printf("%-8s %9s %22s %24s\n", "window", "controls", "hover repaint (us)", "compose only (us)");
  for (const int alpha : {230, -1}) {
    for (const int controls : {1, 10, 100}) {
      const Figures f = Measure(controls, alpha);
      std::printf("%-8s %9d %22.1f %24.2f\n", alpha == -1 ? "opaque" : "layered", controls, f.hoverMicroseconds,
                  f.composeMicroseconds);
    }
  }
  return 0;
}
