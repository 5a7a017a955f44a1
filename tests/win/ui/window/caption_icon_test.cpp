// The caption band's icon at a display scale: GDI draws it at its canvas's
// pixels, and the window's large image drawn down to that size stands in
// for the small image stretched up.
#include "ui/window/caption_parts.h"

#include <algorithm>

#include "win/ui/engine_fixture.h"

namespace tabulo::ui::testing {
namespace {

using CaptionIconTest = BoundWindowTest;

const UiControl* CaptionIconOf(const UiWindow& window) {
  for (const UiControl* control : window.CaptionControls()) {
    if (dynamic_cast<const CaptionIcon*>(control)) return control;
  }
  return nullptr;
}

// The engine's program icon has a 16 and a 32 pixel image; at 144 DPI the
// 16-unit icon is 24 pixels, drawn from the 32 pixel image, at 96 the
// small image as it is.
TEST_F(CaptionIconTest, IsDrawnFromTheImageThatFitsItsPixelSize) {
  ASSERT_TRUE(Engine().smallIcon && Engine().largeIcon) << "the test program carries the program icon";
  struct Case {
    int dpi;
    HICON expected;
  };
  const Case kCases[] = {{96, Engine().smallIcon.get()}, {144, Engine().largeIcon.get()}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.dpi);
    UiWindow window;
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, kDefaultWindowClass, L"caption icon", WS_POPUP, 100, 100, 300, 200,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    BindOptions options;
    options.dpi = c.dpi;
    options.captionButtons = CaptionButton::kIcon;
    ASSERT_TRUE(window.Bind(hwnd, options));
    const UiControl* icon = CaptionIconOf(window);
    ASSERT_NE(icon, nullptr);
    const Canvas& drawn = icon->GetCanvas();
    const int side = DpiScale(c.dpi).Length(16);
    Canvas expected;
    ASSERT_TRUE(expected.Create(side, side, Gdiplus::TextRenderingHintSystemDefault));
    DrawIconOnCanvas(expected, c.expected, {0, 0, side, side});
    drawn.Flush();
    int differing = 0;
    for (int y = 0; y < std::min(side, drawn.height()); ++y) {
      for (int x = 0; x < std::min(side, drawn.width()); ++x) differing += drawn.Pixel(x, y) != expected.Pixel(x, y);
    }
    EXPECT_EQ(differing, 0);
    DestroyWindow(hwnd);
  }
}

}  // namespace
}  // namespace tabulo::ui::testing
