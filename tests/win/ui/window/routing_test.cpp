// Input routing of a bound window: clicks, capture, hover, focus and Tab,
// and the application handlers that can stop the engine's own handling.
#include "win/ui/engine_fixture.h"

namespace tabulo::ui::testing {
namespace {

class RoutingTest : public BoundWindowTest {};

TEST_F(RoutingTest, PressAndReleaseOnAControlClicksOnceAndDraggingOffDoesNot) {
  Bind();
  ColourControl a, b;
  ASSERT_TRUE(a.Create(hwnd, {20, 20, 40, 30}));
  ASSERT_TRUE(b.Create(hwnd, {100, 80, 40, 30}));
  int clicks = 0;
  a.Bind(kMsgClicked, [&](const EventArgs& e) {
    ++clicks;
    EXPECT_EQ(e.x, 10);  // in the control's own coordinates
    EXPECT_EQ(e.y, 10);
    return false;
  });

  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(30, 30));
  EXPECT_EQ(window.CaptureControl(), &a);
  EXPECT_TRUE(a.StateFlags() & kStatePressed);
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(30, 30));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(a.classClicks, 1);
  EXPECT_EQ(window.CaptureControl(), nullptr);

  a.messages.clear();
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(30, 30));
  SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, At(110, 90));  // captured: still goes to a
  EXPECT_EQ(b.Count(kMsgMouseEntered), 0);
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(110, 90));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(a.Count(WM_LBUTTONUP), 1);
  EXPECT_EQ(a.Count(kMsgMouseLeft), 1);
  EXPECT_EQ(b.Count(kMsgMouseEntered), 1);
  EXPECT_FALSE(a.StateFlags() & kStatePressed);
  EXPECT_EQ(window.HotControl(), &b);
}

TEST_F(RoutingTest, HoverMovesBetweenControlsAndTheTopmostChildWins) {
  Bind();
  ColourControl back, front, child;
  ASSERT_TRUE(back.Create(hwnd, {10, 10, 100, 100}));
  ASSERT_TRUE(front.Create(hwnd, {50, 50, 100, 60}));
  ASSERT_TRUE(child.Create(&front, {10, 10, 20, 20}));
  Point local;
  EXPECT_EQ(window.ControlAt({20, 20}), &back);
  EXPECT_EQ(window.ControlAt({55, 55}), &front);
  EXPECT_EQ(window.ControlAt({65, 65}, &local), &child);
  EXPECT_EQ(local, (Point{5, 5}));
  front.SetZOrder(ZOrder::kFirst);  // under back now
  EXPECT_EQ(window.ControlAt({55, 55}), &back);
  EXPECT_EQ(window.ControlAt({120, 100}), &front);
  child.SetVisible(false);
  front.SetZOrder(ZOrder::kLast);
  EXPECT_EQ(window.ControlAt({65, 65}), &front);

  SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(20, 20));
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(60, 60));
  EXPECT_EQ(back.Count(kMsgMouseEntered), 1);
  EXPECT_EQ(back.Count(kMsgMouseLeft), 1);
  EXPECT_EQ(front.Count(kMsgMouseEntered), 1);
  EXPECT_TRUE(front.StateFlags() & kStateHot);
  EXPECT_FALSE(back.StateFlags() & kStateHot);
}

TEST_F(RoutingTest, AlphaHitTestLetsClicksThroughTransparentPixels) {
  Bind();
  ColourControl below;
  ColourControl above(0x00000000u);  // fully transparent
  ASSERT_TRUE(below.Create(hwnd, {10, 10, 50, 50}));
  ASSERT_TRUE(above.Create(hwnd, {10, 10, 50, 50}));
  EXPECT_EQ(window.ControlAt({20, 20}), &above);
  above.SetAlphaHitTest(true);
  EXPECT_EQ(window.ControlAt({20, 20}), &below);
  above.SetColour(0xFF123456u);
  EXPECT_EQ(window.ControlAt({20, 20}), &above);
}

TEST_F(RoutingTest, AHandlerReturningTrueStopsTheClassBehaviourAndRebindingKeepsTheLast) {
  Bind();
  ColourControl a;
  ASSERT_TRUE(a.Create(hwnd, {20, 20, 40, 30}));
  int first = 0, second = 0;
  a.Bind(kMsgClicked, [&](const EventArgs&) { return ++first, false; });
  a.Bind(kMsgClicked, [&](const EventArgs&) { return ++second, true; });
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(30, 30));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(30, 30));
  EXPECT_EQ(first, 0);
  EXPECT_EQ(second, 1);
  EXPECT_EQ(a.classClicks, 0);
}

class TabTest : public BoundWindowTest {
 protected:
  void Tab() { SendMessageW(hwnd, WM_KEYDOWN, VK_TAB, 0); }
};

TEST_F(TabTest, TabSkipsHiddenDisabledAndNonTabStopControlsAndWraps) {
  Bind();
  ColourControl a, hidden, disabled, noStop, noFocus, b;
  ControlOptions notFocusable;
  notFocusable.mayTakeFocus = false;
  ASSERT_TRUE(a.Create(hwnd, {0, 0, 10, 10}));
  ASSERT_TRUE(hidden.Create(hwnd, {10, 0, 10, 10}));
  ASSERT_TRUE(disabled.Create(hwnd, {20, 0, 10, 10}));
  ASSERT_TRUE(noStop.Create(hwnd, {30, 0, 10, 10}));
  ASSERT_TRUE(noFocus.Create(hwnd, {40, 0, 10, 10}, notFocusable));
  ASSERT_TRUE(b.Create(hwnd, {50, 0, 10, 10}));
  hidden.SetVisible(false);
  disabled.SetDisabled(true);
  noStop.SetTabStop(false);

  Tab();
  EXPECT_EQ(window.FocusedControl(), &a);
  Tab();
  EXPECT_EQ(window.FocusedControl(), &b);
  EXPECT_TRUE(b.HasFocus());
  EXPECT_FALSE(a.HasFocus());
  EXPECT_EQ(a.Count(WM_KILLFOCUS), 1);
  Tab();
  EXPECT_EQ(window.FocusedControl(), &a);
}

TEST_F(TabTest, TabOrderFollowsTabStopIndex) {
  Bind();
  ColourControl first, second, third;
  ASSERT_TRUE(first.Create(hwnd, {0, 0, 10, 10}));
  ASSERT_TRUE(second.Create(hwnd, {10, 0, 10, 10}));
  ASSERT_TRUE(third.Create(hwnd, {20, 0, 10, 10}));
  first.SetTabStopIndex(5);
  second.SetTabStopIndex(1);
  Tab();
  EXPECT_EQ(window.FocusedControl(), &third);  // index 0
  Tab();
  EXPECT_EQ(window.FocusedControl(), &second);
  Tab();
  EXPECT_EQ(window.FocusedControl(), &first);
}

TEST_F(TabTest, OneFocusableControlKeepsFocusAndNoneDoesNothing) {
  Bind();
  ColourControl label;
  ControlOptions notFocusable;
  notFocusable.mayTakeFocus = false;
  ASSERT_TRUE(label.Create(hwnd, {0, 0, 10, 10}, notFocusable));
  Tab();
  EXPECT_EQ(window.FocusedControl(), nullptr);

  ColourControl only;
  ASSERT_TRUE(only.Create(hwnd, {20, 0, 10, 10}));
  Tab();
  Tab();
  EXPECT_EQ(window.FocusedControl(), &only);
  EXPECT_TRUE(only.HasFocus());
  EXPECT_EQ(only.Count(WM_KILLFOCUS), 0);
}

TEST_F(TabTest, EnterAndSpaceClickTheFocusedControlAndEscClosesWhenAsked) {
  BindOptions options;
  options.escCloses = true;
  Bind(options);
  ColourControl a;
  ASSERT_TRUE(a.Create(hwnd, {0, 0, 10, 10}));
  Tab();
  SendMessageW(hwnd, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageW(hwnd, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(a.classClicks, 2);
  SendMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hwnd); }));
}

TEST_F(TabTest, FocusRectangleOnlyAfterKeyboardFocus) {
  Bind();
  ColourControl a(0xFFFFFFFFu), b(0xFFFFFFFFu);
  ASSERT_TRUE(a.Create(hwnd, {10, 10, 60, 40}));
  ASSERT_TRUE(b.Create(hwnd, {100, 10, 60, 40}));
  // The frame runs along the content rectangle (2 px inside the control).
  const auto frameShows = [&](const ColourControl& c) {
    const Rect r = c.AbsoluteRect();
    int marked = 0;
    for (int x = r.x + 2; x < r.right() - 2; ++x) marked += CanvasPixel(x, r.y + 2) != 0xFFFFFFFFu;
    return marked > 0;
  };
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(20, 20));
  EXPECT_EQ(window.FocusedControl(), &a);
  EXPECT_FALSE(frameShows(a));

  SendMessageW(hwnd, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(window.TabFocusControl(), &b);
  EXPECT_TRUE(frameShows(b));

  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(20, 20));
  EXPECT_EQ(window.FocusedControl(), &a);
  EXPECT_FALSE(frameShows(a));
  EXPECT_FALSE(frameShows(b));
}

}  // namespace
}  // namespace tabulo::ui::testing
