// A bound window's shape (clipped round when opaque, shaped by its alpha
// when layered), the frame binding strips, its show state and placement.
#include "win/ui/engine_fixture.h"

namespace tabulo::ui::testing {
namespace {

class ShapeTest : public BoundWindowTest {};

TEST_F(ShapeTest, AnOpaqueWindowIsClippedToItsRoundedShapeAndALayeredOneIsNot) {
  BindOptions options;
  options.cornerRadius = 16;
  Bind(options);
  window.Show();
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(hwnd, region.get()), ERROR);
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
  EXPECT_FALSE(PtInRegion(region.get(), 199, 149));
  EXPECT_TRUE(PtInRegion(region.get(), 100, 0));
  EXPECT_TRUE(PtInRegion(region.get(), 100, 75));

  window.SetWindowAlpha(200);
  EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ(GetWindowRgn(hwnd, region.get()), ERROR);  // no region: the alpha does the shaping
  EXPECT_EQ(CanvasPixel(0, 0) >> 24, 0u);
  window.SetWindowAlpha(-1);
  EXPECT_FALSE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);
  ASSERT_NE(GetWindowRgn(hwnd, region.get()), ERROR);
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
}

TEST_F(ShapeTest, BindingStripsTheFrameAndShowStateAndPlacementWork) {
  ASSERT_NE(MakeWindow(300, 200, WS_OVERLAPPEDWINDOW), nullptr);
  BindOptions options;
  options.captionButtons = kCaptionFromStyles;
  ASSERT_TRUE(window.Bind(hwnd, options));
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_DLGFRAME | WS_BORDER | WS_SYSMENU));
  using enum CaptionButton;
  EXPECT_EQ(window.CaptionButtons(), kIcon | kTitle | kClose | kMax | kMin);
  RECT client{}, frame{};
  GetClientRect(hwnd, &client);
  GetWindowRect(hwnd, &frame);
  EXPECT_EQ(client.right, frame.right - frame.left);  // the whole window is client area
  EXPECT_EQ(window.CaptionControls().size(), 5u);

  window.SetPlacement(50, 60, 320, {});
  GetWindowRect(hwnd, &frame);
  EXPECT_EQ(frame.left, 50);
  EXPECT_EQ(frame.right - frame.left, 320);
  EXPECT_EQ(window.ClientSize(), (Size{320, 200}));
  window.SetShowState(WindowShowState::kNormal);
  EXPECT_EQ(window.ShowState(), WindowShowState::kNormal);
  window.SetShowState(WindowShowState::kMaximised);
  EXPECT_EQ(window.ShowState(), WindowShowState::kMaximised);
  window.SetShowState(WindowShowState::kNormal);
  window.SetShowState(WindowShowState::kHidden);
  EXPECT_FALSE(IsWindowVisible(hwnd));
}

}  // namespace
}  // namespace tabulo::ui::testing
