#pragma once
// Shared pieces of the engine's Windows tests: a real top-level window bound
// to the engine, a control that paints one colour and records what reaches
// it, and a message pump that waits for a condition.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "support/message_pump.h"
#include "ui/control/ui_control.h"
#include "ui/engine/engine_state.h"
#include "ui/window/ui_window.h"

namespace tabulo::ui::testing {

using ::tabulo::test::PumpUntil;

inline LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// Fills its canvas with one colour; records every message it receives, the
// messages its class behaviour handled, and how often that ran for a click.
class ColourControl : public UiControl {
 public:
  explicit ColourControl(std::uint32_t argb = 0xFF00FF00u) : colour_(argb) {}

  bool Create(ControlParent parent, const Rect& rect, ControlOptions options = {}) {
    return UiControl::Create(parent, rect, options);
  }
  void SetColour(std::uint32_t argb) {
    colour_ = argb;
    Invalidate();
  }
  [[nodiscard]] int Count(UINT message) const {
    int n = 0;
    for (UINT m : messages) n += m == message;
    return n;
  }
  std::optional<RectF> ContentRect() const override {
    return RectF{2, 2, static_cast<float>(Width() - 4), static_cast<float>(Height() - 4)};
  }

  std::vector<UINT> messages;
  std::vector<UINT> classMessages;
  int classClicks = 0;

 protected:
  LRESULT PreHandleMessage(UINT message, WPARAM, LPARAM) override {
    if (message != WM_NCHITTEST && message != WM_SETCURSOR) messages.push_back(message);
    return 0;
  }
  LRESULT ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_NCHITTEST && message != WM_SETCURSOR) classMessages.push_back(message);
    if (message == kMsgClicked) ++classClicks;
    if (message == WM_PAINT || message == kMsgRepaint) {
      if (BeginPaint()) {
        MutableCanvas().ClearRect(CanvasPixels(LocalRect()), colour_);
        EndPaint();
      }
      return 0;
    }
    return UiControl::ClassHandleMessage(message, wParam, lParam);
  }

 private:
  std::uint32_t colour_;
};

// A popup window of the engine's default class, bound on construction and
// destroyed with the fixture.
class BoundWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EngineStart();
    if (!Engine().initialised) EngineInitialise({});
  }
  void TearDown() override {
    if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
  }

  HWND MakeWindow(int width = 200, int height = 150, DWORD style = WS_POPUP) {
    hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, kDefaultWindowClass, L"engine test", style, 100, 100, width, height,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    return hwnd;
  }

  // Binds a window with a plain background colour and no caption band.
  void Bind(BindOptions options = {}, int width = 200, int height = 150) {
    ASSERT_NE(MakeWindow(width, height), nullptr);
    if (!options.captionButtons) options.captionButtons = kNoCaptionButtons;
    if (!options.backgroundColour) options.backgroundColour = 0x0000FF;  // red
    ASSERT_TRUE(window.Bind(hwnd, options));
  }

  // A window of `units` client size, made at its pixel size for the DPI
  // and bound at that DPI.
  void BindScaled(int dpi, Size units, BindOptions options = {}) {
    const DpiScale scale(dpi);
    options.dpi = dpi;
    Bind(options, scale.Length(units.width), scale.Length(units.height));
  }

  std::uint32_t CanvasPixel(int x, int y) const {
    window.WindowCanvas().Flush();
    return window.WindowCanvas().Pixel(x, y);
  }

  HWND hwnd = nullptr;
  UiWindow window;
};

}  // namespace tabulo::ui::testing
