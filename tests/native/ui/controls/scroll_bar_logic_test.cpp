#include "ui/controls/scroll_bar_logic.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tabulo::ui {
namespace {

using Event = std::pair<int, ScrollCode>;

class RecordingView : public ScrollBarView {
 public:
  bool IsVisible() const override { return visible; }
  void SetVisible(bool v) override { visible = v; }
  void DrawPieces(const std::vector<ScrollBarPiece>& p) override {
    pieces = p;
    ++draws;
  }
  void SetFadeFrames(int frames) override { fade = frames; }
  void StartRepeatTimer(int ms) override { timerMs = ms; }
  void StopRepeatTimer() override { timerMs = 0; }
  void Scrolled(int position, ScrollCode code) override { events.emplace_back(position, code); }
  void Invalidate() override { ++invalidations; }

  std::vector<std::string> PictureNames() const {
    std::vector<std::string> names;
    for (const ScrollBarPiece& p : pieces) names.push_back(p.picture);
    return names;
  }

  bool visible = true;
  std::vector<ScrollBarPiece> pieces;
  int draws = 0;
  int fade = -1;
  int timerMs = 0;
  std::vector<Event> events;
  int invalidations = 0;
};

// A horizontal bar 200 x 10 with 10-pixel arrows and a thumb grid giving a
// 16-pixel minimum thumb: track (10, 0, 180, 10); with maximum 100 and
// pageSize 20, R = 80 and the thumb is 36 pixels long.
const ScrollBarSkinMetrics kMetrics{{10, 10}, {10, 10}, {3, 3, 4, 4}};

ScrollBarSettings Settings(bool horizontal = true) {
  ScrollBarSettings s;
  s.pageSize = 20;
  s.horizontal = horizontal;
  return s;
}

class ScrollBarTest : public testing::Test {
 protected:
  RecordingView view;
  ScrollBarLogic bar{view, Settings(), {200, 10}, kMetrics};

  void Press(Point p) {
    bar.OnMouseMove(p, false);
    bar.OnButtonDown(p);
  }
};

TEST(ScrollBarGeometry, LayoutAndConversionsInBothOrientations) {
  for (bool horizontal : {true, false}) {
    SCOPED_TRACE(horizontal ? "horizontal" : "vertical");
    RecordingView view;
    const Size size = horizontal ? Size{200, 10} : Size{10, 200};
    ScrollBarLogic bar(view, Settings(horizontal), size, kMetrics);
    const auto along = [&](float start, float length) {
      return horizontal ? RectF{start, 0, length, 10} : RectF{0, start, 10, length};
    };
    EXPECT_EQ(bar.Range(), 80);
    EXPECT_EQ(bar.minThumbLength(), 16);
    EXPECT_EQ(bar.firstArrowRect(), along(0, 10));
    EXPECT_EQ(bar.secondArrowRect(), along(190, 10));
    EXPECT_EQ(bar.trackRect(), along(10, 180));
    EXPECT_EQ(bar.thumbLength(), 36);  // 20 * 180 / 100
    EXPECT_EQ(bar.thumbRect(), along(10, 36));

    bar.SetPosition(40);
    EXPECT_EQ(bar.PixelFromPosition(), 82);  // 10 + 40 * 144 / 80
    bar.PlaceThumb();
    EXPECT_EQ(bar.thumbRect(), along(82, 36));
    EXPECT_EQ(bar.PositionFromPixel(82), 40);
    EXPECT_EQ(bar.PositionFromPixel(83), 40);  // truncated
    EXPECT_EQ(bar.PositionFromPixel(10), 0);
    EXPECT_EQ(bar.PositionFromPixel(-50), 0);
    EXPECT_EQ(bar.PositionFromPixel(154), 80);
    EXPECT_EQ(bar.PositionFromPixel(500), 80);  // past the end of the thumb's run

    const auto at = [&](int along, int across) { return horizontal ? Point{along, across} : Point{across, along}; };
    EXPECT_EQ(bar.HitTest(at(0, 0)), kScrollFirstArrow);
    EXPECT_EQ(bar.HitTest(at(9, 9)), kScrollFirstArrow);
    EXPECT_EQ(bar.HitTest(at(10, 5)), kScrollTrack);
    EXPECT_EQ(bar.HitTest(at(82, 5)), kScrollThumb);
    EXPECT_EQ(bar.HitTest(at(117, 5)), kScrollThumb);
    EXPECT_EQ(bar.HitTest(at(118, 5)), kScrollTrack);
    EXPECT_EQ(bar.HitTest(at(199, 5)), kScrollSecondArrow);
    EXPECT_EQ(bar.HitTest(at(200, 5)), kScrollNoPart);
    EXPECT_EQ(bar.HitTest(at(50, 10)), kScrollNoPart);
  }
}

TEST(ScrollBarGeometry, PartsWithoutArrowsGiveTheTrackTheWholeLength) {
  RecordingView view;
  ScrollBarSettings s = Settings();
  s.parts = kScrollHasTrack | kScrollHasSecondArrow;
  ScrollBarLogic bar(view, s, {200, 10}, kMetrics);
  EXPECT_EQ(bar.firstArrowRect(), RectF{});
  EXPECT_EQ(bar.trackRect(), (RectF{0, 0, 190, 10}));
  EXPECT_EQ(bar.HitTest({0, 0}), kScrollThumb);

  bar.SetParts(kScrollHasFirstArrow);
  EXPECT_EQ(view.invalidations, 1);
  EXPECT_EQ(bar.firstArrowRect(), (RectF{0, 0, 10, 10}));
  EXPECT_EQ(bar.trackRect(), RectF{});
  EXPECT_EQ(bar.HitTest({50, 5}), kScrollNoPart);
}

TEST(ScrollBarGeometry, DegenerateBarsDoNotFault) {
  RecordingView view;
  // Track 10 px, thumb at least 16: no room to move, yet scrollable.
  ScrollBarLogic tight(view, Settings(), {30, 10}, kMetrics);
  ASSERT_TRUE(tight.Scrollable());
  EXPECT_EQ(tight.trackRect(), (RectF{10, 0, 10, 10}));
  EXPECT_EQ(tight.thumbRect(), (RectF{10, 0, 16, 10}));
  tight.SetPosition(50);
  EXPECT_EQ(tight.PixelFromPosition(), 10);
  EXPECT_EQ(tight.PositionFromPixel(25), 0);
  tight.OnMouseMove({12, 5}, false);
  tight.OnButtonDown({12, 5});
  tight.OnMouseMove({29, 5}, true);
  EXPECT_GE(tight.position(), 0);
  EXPECT_LE(tight.position(), 80);

  ScrollBarSettings empty = Settings();
  empty.maximum = 0;  // maximum = minimum
  ScrollBarLogic none(view, empty, {200, 10}, kMetrics);
  EXPECT_EQ(none.thumbLength(), 16);
  EXPECT_FALSE(none.Scrollable());
  EXPECT_EQ(none.PixelFromPosition(), 10);
  EXPECT_EQ(none.PositionFromPixel(100), 0);
}

TEST_F(ScrollBarTest, PositionIsKeptWithinTheRange) {
  bar.SetPosition(95);
  EXPECT_EQ(bar.position(), 80);
  bar.SetPosition(-5);
  EXPECT_EQ(bar.position(), 0);
  bar.SetPosition(50);
  EXPECT_EQ(bar.position(), 50);
  EXPECT_EQ(view.events, (std::vector<Event>{{80, ScrollCode::Corrected}, {0, ScrollCode::Corrected}}));
  EXPECT_EQ(view.invalidations, 3);

  // A page larger than the range: one notice for the move, at the minimum.
  view.events.clear();
  bar.SetPageSize(120, false);
  EXPECT_EQ(bar.position(), 0);
  EXPECT_EQ(view.events, (std::vector<Event>{{0, ScrollCode::Corrected}}));
  EXPECT_EQ(view.invalidations, 3);

  // A hidden bar corrects silently.
  view.events.clear();
  bar.SetPageSize(20);
  bar.SetPosition(60);
  view.visible = false;
  bar.SetMaximum(50);
  EXPECT_EQ(bar.position(), 30);
  EXPECT_TRUE(view.events.empty());
}

TEST_F(ScrollBarTest, ArrowsStopAtTheEnds) {
  Press({5, 5});  // first arrow at the minimum: nothing at all
  EXPECT_TRUE(view.events.empty());
  EXPECT_EQ(view.timerMs, 0);
  EXPECT_EQ(view.draws, 1);  // only the hover repaint
  bar.OnButtonUp();

  bar.SetPosition(80);
  view.events.clear();
  Press({195, 5});  // second arrow at R: reported anyway
  EXPECT_EQ(view.timerMs, kScrollRepeatMs);
  bar.OnRepeatTimer();
  EXPECT_EQ(view.timerMs, 0);
  EXPECT_EQ(view.events, (std::vector<Event>{{80, ScrollCode::LineForward}, {80, ScrollCode::LineForward}}));

  view.events.clear();
  bar.SetPosition(2);
  Press({5, 5});
  bar.OnRepeatTimer();
  EXPECT_EQ(view.timerMs, 0);
  EXPECT_EQ(view.events, (std::vector<Event>{{1, ScrollCode::LineBack}, {0, ScrollCode::LineBack}}));
}

TEST_F(ScrollBarTest, HoldingTheTrackPagesUntilThePressPointIsPassed) {
  Press({150, 5});  // after the thumb (10..46); the target is the position under 150 - 36
  for (int i = 0; i < 10 && view.timerMs != 0; ++i) bar.OnRepeatTimer();
  EXPECT_EQ(view.events, (std::vector<Event>{{10, ScrollCode::PageForward},
                                             {20, ScrollCode::PageForward},
                                             {30, ScrollCode::PageForward},
                                             {40, ScrollCode::PageForward},
                                             {50, ScrollCode::PageForward},
                                             {60, ScrollCode::PageForward}}));  // target 57, not snapped
  bar.OnButtonUp();

  view.events.clear();
  bar.SetPosition(75);
  Press({20, 5});  // before the thumb; target 5
  for (int i = 0; i < 10 && view.timerMs != 0; ++i) bar.OnRepeatTimer();
  ASSERT_FALSE(view.events.empty());
  EXPECT_EQ(view.events.back(), (Event{5, ScrollCode::PageBack}));
  EXPECT_EQ(view.events.size(), 7u);  // 65, 55, ... 5

  // Paging forward stops at R however far away the target is.
  view.events.clear();
  bar.SetPosition(65);
  Press({185, 5});
  bar.OnRepeatTimer();
  EXPECT_EQ(view.timerMs, 0);
  EXPECT_EQ(view.events, (std::vector<Event>{{75, ScrollCode::PageForward}, {80, ScrollCode::PageForward}}));
}

TEST_F(ScrollBarTest, PressOnNoPartRepeatsNothing) {
  RecordingView v;
  ScrollBarSettings s = Settings();
  s.parts = kScrollHasFirstArrow;
  ScrollBarLogic armless(v, s, {200, 10}, kMetrics);
  armless.OnMouseMove({100, 5}, false);
  armless.OnButtonDown({100, 5});
  EXPECT_EQ(v.timerMs, kScrollRepeatMs);
  armless.OnRepeatTimer();
  EXPECT_EQ(v.timerMs, 0);
  EXPECT_EQ(v.events, (std::vector<Event>{{0, ScrollCode::Corrected}}));
}

TEST_F(ScrollBarTest, DraggingTheThumb) {
  for (bool whileDragging : {true, false}) {
    SCOPED_TRACE(whileDragging);
    bar.SetPosition(0);
    bar.OnPaintMessage();  // what the invalidation brings: the thumb back at the start
    bar.SetNotifyWhileDragging(whileDragging);
    view.events.clear();
    Press({20, 5});  // grabbed 10 px into the thumb
    EXPECT_EQ(view.timerMs, 0);
    bar.OnMouseMove({56, 5}, true);
    EXPECT_EQ(view.fade, 0);
    bar.OnMouseMove({92, 5}, true);  // thumb start at 82
    bar.OnMouseMove({92, 6}, true);  // no change, no notice
    bar.OnButtonUp();
    std::vector<Event> expected{{0, ScrollCode::ThumbMoved}};
    if (whileDragging) {
      expected.emplace_back(20, ScrollCode::ThumbMoved);
      expected.emplace_back(40, ScrollCode::ThumbMoved);
    }
    expected.emplace_back(40, ScrollCode::ThumbReleased);
    EXPECT_EQ(view.events, expected);
    bar.OnMouseLeave();
  }
}

TEST_F(ScrollBarTest, WheelSteps) {
  bar.OnWheel(false, {100, 5});  // away from the user at the minimum
  EXPECT_TRUE(view.events.empty());
  bar.OnWheel(true, {100, 5});
  bar.OnWheel(true, {300, 5});
  bar.OnWheel(false, {300, 5});
  EXPECT_EQ(view.events,
            (std::vector<Event>{{1, ScrollCode::ThumbMoved}, {2, ScrollCode::ThumbMoved}, {1, ScrollCode::ThumbMoved}}));
  bar.SetPosition(80);
  view.events.clear();
  bar.OnWheel(true, {100, 5});
  EXPECT_EQ(view.events, (std::vector<Event>{{80, ScrollCode::ThumbMoved}}));
}

TEST(ScrollBarPaint, PartsShownOnlyOnHover) {
  RecordingView view;
  ScrollBarSettings s = Settings();
  s.style = kScrollTrackOnHover | kScrollFirstArrowOnHover | kScrollSecondArrowOnHover;  // 13
  ScrollBarLogic bar(view, s, {200, 10}, kMetrics);

  bar.OnPaintMessage();
  EXPECT_EQ(view.PictureNames(), (std::vector<std::string>{"h_normal"}));
  EXPECT_EQ(view.pieces[0].gridKey, "h_gird");

  bar.OnMouseMove({5, 5}, false);  // onto the first arrow
  EXPECT_EQ(view.fade, kScrollFadeFrames);
  EXPECT_EQ(view.PictureNames(),
            (std::vector<std::string>{"h_left_highlight", "h_right_normal", "h_bg", "h_normal"}));
  EXPECT_TRUE(view.pieces[0].centred);
  EXPECT_EQ(view.pieces[2].gridKey, "h_bg_gird");

  bar.OnMouseMove({20, 5}, false);
  bar.OnButtonDown({20, 5});
  EXPECT_EQ(view.PictureNames(), (std::vector<std::string>{"h_left_normal", "h_right_normal", "h_bg", "h_down"}));

  bar.OnMouseLeave();
  EXPECT_EQ(view.fade, kScrollFadeFrames);
  EXPECT_EQ(view.PictureNames(), (std::vector<std::string>{"h_normal"}));
  bar.OnTransitionFinished();
  EXPECT_EQ(view.fade, 0);

  RecordingView vview;
  ScrollBarSettings vs = Settings(false);
  vs.style = kScrollThumbOnHover;
  ScrollBarLogic vertical(vview, vs, {10, 200}, kMetrics);
  vertical.Paint(kScrollIdle);
  EXPECT_EQ(vview.PictureNames(), (std::vector<std::string>{"v_up_normal", "v_down_normal", "v_bg"}));
}

TEST(ScrollBarPaint, AutoHideWhileNothingToScroll) {
  RecordingView view;
  ScrollBarSettings s = Settings();
  s.style = kScrollAutoHide;
  ScrollBarLogic bar(view, s, {200, 10}, kMetrics);
  bar.SetPosition(30);
  bar.SetPageSize(100);  // covers the whole range
  EXPECT_EQ(view.events, (std::vector<Event>{{0, ScrollCode::Corrected}}));
  bar.OnPaintMessage();
  EXPECT_FALSE(view.visible);
  EXPECT_EQ(view.PictureNames(), (std::vector<std::string>{"h_left_normal", "h_right_normal", "h_bg"}));

  bar.SetPageSize(20);
  bar.OnPaintMessage();
  EXPECT_TRUE(view.visible);
  EXPECT_EQ(view.events.size(), 1u);
}

}  // namespace
}  // namespace tabulo::ui
