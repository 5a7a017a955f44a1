// Window-level behaviour: events delivered to the application, resizing
// with anchored controls, resize zones, tooltips, capture loss on
// deactivation, show and close effects, composition held until the window
// is shown, and owned windows.
#include <windows.h>
#include <commctrl.h>

#include "win/ui/engine_fixture.h"

namespace tabulo::ui::testing {
namespace {

class WindowEventsTest : public BoundWindowTest {};

TEST_F(WindowEventsTest, MoveAndShowEventsReachTheApplication) {
  Bind();
  std::vector<std::pair<UINT, Point>> events;
  for (const UINT message : {UINT{WM_MOVE}, UINT{WM_SHOWWINDOW}, UINT{kMsgHidden}}) {
    window.Bind(message, [&](const EventArgs& e) {
      events.push_back({e.message, {e.x, e.y}});
      EXPECT_EQ(e.sender, &window);
      return false;
    });
  }
  window.SetPlacement(30, 40, {}, {});
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  ShowWindow(hwnd, SW_HIDE);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0], (std::pair<UINT, Point>{WM_MOVE, {30, 40}}));
  EXPECT_EQ(events[1].first, static_cast<UINT>(WM_SHOWWINDOW));
  EXPECT_EQ(events[2].first, kMsgHidden);
}

TEST_F(WindowEventsTest, AnchoredControlsFollowTheWindowsSize) {
  Bind();
  ColourControl stretched, corner;
  ASSERT_TRUE(stretched.Create(hwnd, {10, 10, 180, 20}));
  ASSERT_TRUE(corner.Create(hwnd, {150, 110, 40, 30}));
  stretched.SetAnchors({true, true, true, {}});
  corner.SetAnchors({{}, {}, true, true});
  window.SetPlacement({}, {}, 260, 190);
  EXPECT_EQ(window.ClientSize(), (Size{260, 190}));
  EXPECT_EQ(stretched.Bounds(), (Rect{10, 10, 240, 20}));
  EXPECT_EQ(corner.Bounds(), (Rect{210, 150, 40, 30}));
  EXPECT_EQ(CanvasPixel(220, 160), 0xFF00FF00u);  // painted in its new place
}

TEST_F(WindowEventsTest, TheResizeZoneTakesTheMouseFromTheControlsUnderIt) {
  Bind();
  ColourControl edge;
  ASSERT_TRUE(edge.Create(hwnd, {0, 40, 50, 50}));
  window.ApplyShape();  // presented: the zones are live
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(20, 60));
  EXPECT_EQ(window.HotControl(), &edge);
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(1, 60));  // the 3-pixel band of an opaque window
  EXPECT_EQ(window.HotControl(), nullptr);
  EXPECT_EQ(edge.Count(kMsgMouseLeft), 1);
  window.SetSizeBox(false);
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(1, 60));
  EXPECT_EQ(window.HotControl(), &edge);
}

TEST_F(WindowEventsTest, HoveringAControlWithATipPutsItsTextIntoTheTooltip) {
  Bind();
  ColourControl tipped;
  ASSERT_TRUE(tipped.Create(hwnd, {10, 10, 50, 30}));
  tipped.SetTooltipText("提示文字");
  ASSERT_NE(window.TooltipWindow(), nullptr);
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(20, 20));
  wchar_t text[64] = {};
  TOOLINFOW info{};
  info.cbSize = sizeof info;
  info.hwnd = hwnd;
  info.uId = reinterpret_cast<UINT_PTR>(hwnd);
  info.lpszText = text;
  SendMessageW(window.TooltipWindow(), TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(text, L"提示文字");
}

TEST_F(WindowEventsTest, LosingActivationEndsAPressOnAControl) {
  Bind();
  ColourControl pressed;
  ASSERT_TRUE(pressed.Create(hwnd, {10, 10, 50, 30}));
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  ASSERT_EQ(window.CaptureControl(), &pressed);
  SendMessageW(hwnd, WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_EQ(window.CaptureControl(), nullptr);
  EXPECT_EQ(pressed.Count(WM_LBUTTONUP), 1);
  EXPECT_FALSE(pressed.StateFlags() & kStatePressed);
  EXPECT_EQ(pressed.classClicks, 0);
}

TEST_F(WindowEventsTest, FadeEffectsShowAndCloseTheWindow) {
  BindOptions options;
  options.alpha = 200;
  Bind(options);
  bool shown = false;
  WindowEffect fade{ShowEffect::kFade, 60, 15, 1, [&] { shown = true; }};
  window.Show(&fade);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_TRUE(window.Shown());

  bool closed = false;
  window.SetCloseEffect(WindowEffect{ShowEffect::kFade, 60, 15, 1, [&] { closed = true; }});
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(WindowEventsTest, ControlsMadeUnderACompositionHoldAreComposedWhenTheWindowIsShown) {
  BindOptions options;
  options.alpha = 255;
  Bind(options);
  constexpr std::uint32_t kBlue = 0xFF0000FFu, kGreen = 0xFF00FF00u;
  const std::uint32_t background = CanvasPixel(15, 15);
  ColourControl held(kBlue);
  {
    const WindowCompositor::Hold hold = window.HoldComposition();
    ASSERT_TRUE(held.Create(hwnd, {10, 10, 20, 20}));
    held.SetColour(kGreen);
    EXPECT_EQ(CanvasPixel(15, 15), background);  // painted, not composed
  }
  // Without a hold a control is composed as it changes.
  ColourControl unheld(kBlue);
  ASSERT_TRUE(unheld.Create(hwnd, {50, 10, 20, 20}));
  EXPECT_EQ(CanvasPixel(55, 15), kBlue);
  EXPECT_EQ(CanvasPixel(15, 15), background);

  WindowEffect show;
  show.effect = ShowEffect::kAtOnce;
  show.activate = false;
  window.Show(&show);
  EXPECT_EQ(CanvasPixel(15, 15), kGreen);
}

TEST_F(WindowEventsTest, AnOwnedWindowSharesItsOwnersPackageAndLooks) {
  BindOptions options;
  options.alpha = 180;
  options.cornerRadius = 5;
  Bind(options);
  const HWND ownedHwnd = CreateWindowExW(0, kDefaultWindowClass, L"", WS_POPUP, 0, 0, 80, 60, nullptr, nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
  UiWindow owned;
  BindOptions ownedOptions;
  ownedOptions.owner = hwnd;
  ownedOptions.setOwner = true;
  ownedOptions.captionButtons = kNoCaptionButtons;
  ASSERT_TRUE(owned.Bind(ownedHwnd, ownedOptions));
  EXPECT_EQ(owned.Package(), window.Package());
  EXPECT_EQ(owned.WindowAlpha(), 180);
  EXPECT_EQ(owned.CornerRadius(), 5);
  DestroyWindow(ownedHwnd);
  EXPECT_EQ(window.WindowAlpha(), 180);
}

}  // namespace
}  // namespace tabulo::ui::testing
