// A window bound with the shipped theme: shadow band, shape, caption band
// and the maximised placement.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ui/window/sys_button.h"
#include "ui/skin/window_shape.h"
#include "win/ui/engine_fixture.h"

namespace tabulo::ui::testing {
namespace {

std::vector<std::uint8_t> ShippedTheme() {
  std::ifstream in(std::filesystem::path(TABULO_DIST_DIR) / "User Interface.ext", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class WindowSkinTest : public BoundWindowTest {
 protected:
  void BindThemed(int alpha, CaptionButtons captionButtons = kNoCaptionButtons, DWORD style = WS_POPUP) {
    theme = ShippedTheme();
    ASSERT_FALSE(theme.empty()) << "the build lays the theme out in " << TABULO_DIST_DIR;
    ASSERT_NE(MakeWindow(300, 200, style), nullptr);
    BindOptions options;
    options.theme = theme;
    options.alpha = alpha;
    options.captionButtons = captionButtons;
    options.backgroundColour = 0xFFFFFF;
    ASSERT_TRUE(window.Bind(hwnd, options));
    margins = window.SkinValues().margins;
    ASSERT_GT(margins.left, 2) << "the shipped theme has a shadow band";
  }
  std::vector<std::uint8_t> theme;
  Margins margins;
};

TEST_F(WindowSkinTest, ALayeredWindowDrawsItsShadowInTheBandAroundTheContent) {
  BindThemed(210);
  const Rect content = window.ContentRect();
  EXPECT_EQ(content, (Rect{margins.left, margins.top, 300 - margins.left - margins.right,
                           200 - margins.top - margins.bottom}));
  const std::uint32_t band = CanvasPixel(margins.left / 2, 100);
  EXPECT_GT(band >> 24, 0u);
  EXPECT_LT(band >> 24, 210u);
  EXPECT_EQ(CanvasPixel(150, 100) >> 24, 210u);  // the content has the window's alpha
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(hwnd, region.get()), ERROR);
}

TEST_F(WindowSkinTest, AnOpaqueWindowHasNoShadowAndIsClippedToTheRoundedContent) {
  BindThemed(-1);
  window.ApplyShape();
  EXPECT_EQ(CanvasPixel(margins.left / 2, 100) >> 24, 0u);
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(hwnd, region.get()), ERROR);
  const Rect content = window.ContentRect();
  EXPECT_GT(window.CornerRadius(), 0);
  EXPECT_FALSE(PtInRegion(region.get(), margins.left / 2, 100));
  EXPECT_FALSE(PtInRegion(region.get(), content.x, content.y));  // the rounded corner
  EXPECT_TRUE(PtInRegion(region.get(), content.x + 20, content.y));
  EXPECT_TRUE(PtInRegion(region.get(), 150, 100));
}

TEST_F(WindowSkinTest, CaptionButtonsSitAtTheRightEdgeAndCloseClosesTheWindow) {
  BindThemed(210, CaptionButton::kClose | CaptionButton::kMin | CaptionButton::kTitle);
  const Rect content = window.ContentRect();
  const WindowSkinValues& skin = window.SkinValues();
  std::vector<SysButton*> buttons;
  for (UiControl* c : window.CaptionControls()) {
    if (auto* b = dynamic_cast<SysButton*>(c)) buttons.push_back(b);
  }
  ASSERT_EQ(buttons.size(), 2u);
  const Rect close = buttons[0]->Bounds();
  EXPECT_EQ(buttons[0]->Kind(), CaptionButton::kClose);
  EXPECT_EQ(close.right(), content.right() - skin.captionButtonsOffsetRight);
  EXPECT_EQ(close.y, content.y + skin.captionButtonsTop);
  EXPECT_EQ(buttons[1]->Bounds().right(), close.x);
  // The close picture is drawn where the button is.
  EXPECT_NE(CanvasPixel(close.x + close.width / 2, close.y + close.height / 2), CanvasPixel(150, 150));

  const LPARAM at = At(close.x + 5, close.y + 5);
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(hwnd, WM_LBUTTONUP, 0, at);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hwnd); }));
}

TEST_F(WindowSkinTest, DoubleClickOnTheCaptionTogglesMaximiseWhenTheWindowHasTheButton) {
  BindThemed(210, CaptionButton::kClose | CaptionButton::kMax | CaptionButton::kTitle, WS_POPUP | WS_MAXIMIZEBOX);
  window.Show();
  const Rect content = window.ContentRect();
  const LPARAM caption = At(content.x + 40, content.y + 5);  // on the title: empty caption
  SendMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, caption);
  ASSERT_TRUE(IsZoomed(hwnd));
  RECT r{};
  GetWindowRect(hwnd, &r);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  // Only the content is on the work area; the shadow band lies outside it.
  EXPECT_EQ(r.left, work.left - margins.left - 1);
  EXPECT_EQ(r.top, work.top - margins.top - 1);
  EXPECT_EQ(r.right, work.right + margins.right + 1);
  EXPECT_EQ(r.bottom, work.bottom + margins.bottom + 1);
  EXPECT_EQ(window.ClientSize(), (Size{r.right - r.left, r.bottom - r.top}));
  SendMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, caption);
  EXPECT_FALSE(IsZoomed(hwnd));
  EXPECT_EQ(window.ClientSize(), (Size{300, 200}));
}

TEST_F(WindowSkinTest, DoubleClickOnTheCaptionOfAWindowWithoutMaximiseDoesNothing) {
  BindThemed(210, CaptionButton::kClose | CaptionButton::kTitle);
  const Rect content = window.ContentRect();
  window.SetDragAnywhere(false);  // a press on empty area would start a move loop
  SendMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, At(content.x + 40, content.y + 5));
  EXPECT_FALSE(IsZoomed(hwnd));
}

}  // namespace
}  // namespace tabulo::ui::testing
