// The ScrollBar control in a themed window: the codes of its event for
// presses, repeats, drags and the wheel, what it draws, quiet setters for a
// host that mirrors another scroller, and hiding while there is nothing to
// scroll.
#include "ui/controls/scroll_bar.h"

#include "win/ui/themed_window_fixture.h"

namespace tabulo::ui::testing {
namespace {

struct Scroll {
  int position;
  ScrollCode code;
  friend bool operator==(const Scroll&, const Scroll&) = default;
};

void PrintTo(const Scroll& s, std::ostream* os) { *os << "(" << s.position << ", " << static_cast<int>(s.code) << ")"; }

// A horizontal bar of 200 x 10 at (20, 20): the theme's arrows are 10 wide,
// so the track runs from 10 to 190 (local); with maximum 100 and page 20
// (R = 80) the thumb is 36 long and moves 1.8 pixels per position.
constexpr Rect kBarRect{20, 20, 200, 10};

class ScrollBarTest : public ThemedWindowTest {
 protected:
  void MakeBar(ScrollBarSettings settings = {}) {
    BindThemed();
    if (settings.pageSize < 0) settings.pageSize = 20;
    ScrollBarOptions options;
    options.settings = settings;
    ASSERT_TRUE(bar.Create(hwnd, kBarRect, options));
    bar.BindScrolled([this](ScrollBar&, int position, ScrollCode code) { events.push_back({position, code}); });
  }
  // Mouse input in the bar's own coordinates, routed by the window.
  void Move(int x, bool held = false) {
    SendMessageW(hwnd, WM_MOUSEMOVE, held ? MK_LBUTTON : 0, At(kBarRect.x + x, kBarRect.y + 5));
  }
  void Press(int x) {
    Move(x);
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(kBarRect.x + x, kBarRect.y + 5));
  }
  void Release(int x) { SendMessageW(hwnd, WM_LBUTTONUP, 0, At(kBarRect.x + x, kBarRect.y + 5)); }
  void Wheel(int delta) { SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0); }
  // True when the bar's repeat timer was still armed (it is killed here).
  bool RepeatTimerArmed() { return KillTimer(hwnd, reinterpret_cast<UINT_PTR>(&bar)) != FALSE; }
  int ThumbCentre() const {
    const RectF& thumb = bar.Logic()->thumbRect();
    return static_cast<int>(thumb.x + thumb.width / 2);
  }

  ScrollBar bar;
  std::vector<Scroll> events;
};

TEST_F(ScrollBarTest, TakesItsGeometryFromTheTheme) {
  MakeBar();
  const ScrollBarLogic& logic = *bar.Logic();
  EXPECT_EQ(logic.firstArrowRect(), (RectF{0, 0, 10, 10}));
  EXPECT_EQ(logic.secondArrowRect(), (RectF{190, 0, 10, 10}));
  EXPECT_EQ(logic.trackRect(), (RectF{10, 0, 180, 10}));
  EXPECT_EQ(logic.thumbLength(), 36);
  EXPECT_EQ(logic.minThumbLength(), 20);  // 2 x the thumb grid's x (5) + 10
  EXPECT_EQ(bar.Range(), 80);
  EXPECT_EQ(bar.Position(), 0);
}

TEST_F(ScrollBarTest, PagesDragsAndWheelsWithTheirCodes) {
  MakeBar();
  Press(150);  // the track after the thumb
  Release(150);
  Press(12);  // the track before the thumb (now at 28..64)
  Release(12);
  EXPECT_EQ(events, (std::vector<Scroll>{{10, ScrollCode::PageForward}, {0, ScrollCode::PageBack}}));

  events.clear();
  Press(28);               // the thumb (10..46), grabbed 18 pixels in
  Move(64, true);          // leading edge to 46: (46 - 10) x 80 / 144 = 20
  Move(64, true);          // no movement, no event
  Release(64);
  EXPECT_EQ(events, (std::vector<Scroll>{{0, ScrollCode::ThumbMoved},
                                         {20, ScrollCode::ThumbMoved},
                                         {20, ScrollCode::ThumbReleased}}));
  EXPECT_FALSE(RepeatTimerArmed()) << "a drag arms no repeat";

  events.clear();
  Wheel(-120);  // towards the user: one line on; the pressed bar has the focus
  Wheel(120);
  Wheel(120);
  EXPECT_EQ(events, (std::vector<Scroll>{{21, ScrollCode::ThumbMoved},
                                         {20, ScrollCode::ThumbMoved},
                                         {19, ScrollCode::ThumbMoved}}));
}

TEST_F(ScrollBarTest, ArrowsAtTheEndsOfTheRange) {
  MakeBar();
  Press(5);  // first arrow at the minimum: nothing at all
  EXPECT_TRUE(events.empty());
  EXPECT_FALSE(RepeatTimerArmed());
  Release(5);

  bar.SetPosition(80);
  ASSERT_TRUE(events.empty()) << "a position inside the range raises nothing";
  Press(195);  // second arrow at R: code 2 all the same, and the repeat runs
  EXPECT_EQ(events, (std::vector<Scroll>{{80, ScrollCode::LineForward}}));
  ASSERT_TRUE(PumpUntil([&] { return events.size() == 2; }));
  EXPECT_EQ(events[1], (Scroll{80, ScrollCode::LineForward}));
  EXPECT_FALSE(RepeatTimerArmed()) << "the first tick at R stops the repeat";
  Release(195);
}

TEST_F(ScrollBarTest, HoldingTheTrackPagesUntilPastThePressPointWithoutSnapping) {
  MakeBar();
  Press(120);  // target: (120 - 36 - 10) x 80 / 144 = 41
  ASSERT_TRUE(PumpUntil([&] { return !events.empty() && events.back().position >= 41; }));
  EXPECT_EQ(events, (std::vector<Scroll>{{10, ScrollCode::PageForward},
                                         {20, ScrollCode::PageForward},
                                         {30, ScrollCode::PageForward},
                                         {40, ScrollCode::PageForward},
                                         {50, ScrollCode::PageForward}}));
  EXPECT_FALSE(RepeatTimerArmed());
  Release(120);
}

TEST_F(ScrollBarTest, WithoutNotifyWhileDraggingOnlyThePressAndTheReleaseReport) {
  ScrollBarSettings settings;
  settings.notifyWhileDragging = false;
  MakeBar(settings);
  Press(28);
  Move(100, true);
  Move(120, true);
  Release(120);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0], (Scroll{0, ScrollCode::ThumbMoved}));
  EXPECT_EQ(events[1].code, ScrollCode::ThumbReleased);
  EXPECT_EQ(events[1].position, bar.Position());
  EXPECT_GT(bar.Position(), 20);
}

TEST_F(ScrollBarTest, SettersCorrectIntoRangeAndStayQuietWhenAsked) {
  MakeBar();
  bar.SetPosition(95);
  EXPECT_EQ(events, (std::vector<Scroll>{{80, ScrollCode::Corrected}}));
  events.clear();
  bar.SetPosition(60);
  bar.SetMaximum(50, true, false);  // R = 30
  bar.SetPosition(-5, true, false);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(bar.Position(), 0);
  bar.SetPosition(25, false, false);
  EXPECT_EQ(bar.Position(), 25);
  EXPECT_TRUE(events.empty());
}

TEST_F(ScrollBarTest, StyleSixteenHidesTheBarWhileNothingScrollsAndShowsItAgain) {
  ScrollBarSettings settings;
  settings.style = kScrollAutoHide;
  MakeBar(settings);
  bar.SetPosition(30);
  bar.SetPageSize(100);  // nothing to scroll
  EXPECT_FALSE(bar.Visible());
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(events, (std::vector<Scroll>{{0, ScrollCode::Corrected}}));
  bar.SetMaximum(300);
  EXPECT_TRUE(bar.Visible());
}

// Premultiplied alpha of a pixel of the bar's own canvas.
int AlphaAt(const ScrollBar& bar, int x, int y) {
  bar.GetCanvas().Flush();
  return static_cast<int>(bar.GetCanvas().Pixel(x, y) >> 24);
}

TEST_F(ScrollBarTest, StyleThirteenDrawsOnlyTheThumbUntilTheMouseComes) {
  ScrollBarSettings settings;
  settings.style = kScrollTrackOnHover | kScrollFirstArrowOnHover | kScrollSecondArrowOnHover;
  MakeBar(settings);
  bar.SetPosition(40);
  const int thumb = ThumbCentre(), track = 12, arrow = 195;
  EXPECT_GT(AlphaAt(bar, thumb, 5), 0);
  EXPECT_EQ(AlphaAt(bar, track, 5), 0);
  EXPECT_EQ(AlphaAt(bar, arrow, 5), 0);

  Move(thumb);
  EXPECT_GT(AlphaAt(bar, track, 5), 0);
  EXPECT_GT(AlphaAt(bar, arrow, 5), 0);

  SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(250, 150));  // off the bar
  EXPECT_EQ(AlphaAt(bar, track, 5), 0);
  EXPECT_GT(AlphaAt(bar, thumb, 5), 0);
}

TEST_F(ScrollBarTest, AVerticalBarWorksAlongY) {
  BindThemed();
  ScrollBarOptions options;
  options.settings.horizontal = false;
  options.settings.maximum = 0;  // the Edit's bars start with nothing to scroll
  ASSERT_TRUE(bar.Create(hwnd, {20, 20, 10, 120}, options));
  EXPECT_EQ(bar.PageSize(), 120) << "the page defaults to the bar's height";
  EXPECT_EQ(bar.Logic()->trackRect(), (RectF{0, 10, 10, 100}));
  bar.SetMaximum(240);
  bar.SetPageSize(120);
  bar.BindScrolled([this](ScrollBar&, int position, ScrollCode code) { events.push_back({position, code}); });
  SendMessageW(hwnd, WM_MOUSEMOVE, 0, At(25, 135));  // the down arrow
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(25, 135));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(25, 135));
  EXPECT_EQ(events, (std::vector<Scroll>{{1, ScrollCode::LineForward}}));
}

}  // namespace
}  // namespace tabulo::ui::testing
