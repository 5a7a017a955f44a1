// Where a window's frame parts are: the resize zones along the content's
// edge and the caption's buttons and icon.
#include <gtest/gtest.h>

#include "ui/window/caption_layout.h"
#include "ui/window/sizing_zones.h"

namespace tabulo::ui {
namespace {

TEST(SizingZones, BandsInsideTheContentEdgeWithWiderCorners) {
  const Rect content{10, 10, 100, 80};  // 10..109 x 10..89
  struct Case {
    Point p;
    bool layered;
    SizingZone expected;
  };
  const Case kCases[] = {
      {{10, 50}, false, SizingZone::kLeft},        {{12, 50}, false, SizingZone::kLeft},
      {{13, 50}, false, SizingZone::kNone},        {{11, 50}, true, SizingZone::kNone},
      {{109, 50}, true, SizingZone::kRight},       {{60, 10}, false, SizingZone::kTop},
      {{60, 89}, false, SizingZone::kBottom},      {{14, 10}, false, SizingZone::kTopLeft},
      {{15, 10}, false, SizingZone::kTop},         {{10, 14}, false, SizingZone::kTopLeft},
      {{109, 10}, true, SizingZone::kTopRight},    {{107, 10}, true, SizingZone::kTopRight},
      {{10, 89}, true, SizingZone::kBottomLeft},   {{109, 89}, false, SizingZone::kBottomRight},
      {{9, 50}, false, SizingZone::kNone},         // in the shadow band
      {{60, 50}, false, SizingZone::kNone},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.p.x << "," << c.p.y << (c.layered ? " layered" : " opaque"));
    EXPECT_EQ(SizingZoneAt(c.p, content, c.layered), c.expected);
  }
  EXPECT_EQ(SizingCursorId(SizingZone::kTopRight), 32643);
  EXPECT_EQ(SizingCursorId(SizingZone::kBottom), 32645);
}

TEST(CaptionLayout, ButtonsRunLeftwardsFromTheOffsetAndTheIconIsCentred) {
  const Rect content{8, 6, 300, 200};
  const CaptionButtonSize sizes[] = {{CaptionButton::kClose, {30, 20}}, {CaptionButton::kMin, {25, 20}}};
  const auto placed = LayoutCaptionButtons(content, 4, 2, sizes);
  ASSERT_EQ(placed.size(), 2u);
  EXPECT_EQ(placed[0].rect, (Rect{274, 8, 30, 20}));
  EXPECT_EQ(placed[1].rect, (Rect{249, 8, 25, 20}));
  EXPECT_EQ(CaptionIconRect(content, 30), (Rect{15, 13, 16, 16}));
  EXPECT_EQ(CaptionIconRect(content, 10), (Rect{8, 6, 16, 16}));
}

}  // namespace
}  // namespace tabulo::ui
