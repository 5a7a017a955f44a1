#pragma once
// A window of the engine's default class bound at a chosen DPI, beside a
// test's own: the engine's tests draw at a display scale in the ordinary
// 96-DPI prefix this way. It has no caption band and is destroyed with the
// object; it is not shown.
#include <windows.h>

#include <optional>

#include "ui/window/ui_window.h"

namespace tabulo::ui::testing {

class WindowAtDpi {
 public:
  explicit WindowAtDpi(int dpi, std::optional<Rgb> backgroundColour = std::nullopt) {
    hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kDefaultWindowClass, L"window at a dpi", WS_POPUP, 100, 100, 450, 300,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    BindOptions options;
    options.dpi = dpi;
    options.captionButtons = kNoCaptionButtons;
    options.backgroundColour = backgroundColour;
    bound_ = hwnd_ && window_.Bind(hwnd_, options);
  }
  WindowAtDpi(const WindowAtDpi&) = delete;
  WindowAtDpi& operator=(const WindowAtDpi&) = delete;
  ~WindowAtDpi() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }

  [[nodiscard]] bool Bound() const { return bound_; }
  [[nodiscard]] HWND Handle() const { return hwnd_; }
  UiWindow& Window() { return window_; }

 private:
  HWND hwnd_ = nullptr;
  UiWindow window_;
  bool bound_ = false;
};

}  // namespace tabulo::ui::testing
