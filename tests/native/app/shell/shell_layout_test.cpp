#include "app/shell/shell_layout.h"

#include <gtest/gtest.h>

namespace tabulo::app {
namespace {

TEST(BarPlacement, StandsTenUnitsInFromTheRightAndCentredVertically) {
  struct Case {
    int screenWidth;
    int dpi;
    int left;
  };
  // At 120 DPI the bar and its gap scaled apart would be 183 + 13 = 196
  // pixels from the right edge instead of round(156 × 1.25) = 195.
  constexpr Case kCases[] = {{1920, 96, 1764}, {1366, 96, 1210}, {2880, 144, 2646},
                             {3840, 192, 3528}, {2400, 120, 2205}, {3360, 168, 3087}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.screenWidth << " at " << c.dpi);
    EXPECT_EQ(BarLeftEdge(c.screenWidth, 146, DpiScale(c.dpi)), c.left);
  }
  EXPECT_EQ(CentredTop(1080, 702), 189);
  EXPECT_EQ(CentredTop(768, 702), 33);
  EXPECT_EQ(CentredTop(1620, DpiScale(144).Length(702)), 283);
  EXPECT_EQ(CentredTop(2160, DpiScale(192).Length(702)), 378);
}

TEST(BarLayout, RowsAre64PixelsApartAndLabelsShareTheFirstRowsLeftEdge) {
  const BarLayout layout = MakeBarLayout();
  EXPECT_EQ(layout.periodRow[0], (Rect{13, 16, 104, 48}));
  EXPECT_EQ(layout.periodRow[7], (Rect{13, 464, 104, 48}));
  EXPECT_EQ(layout.weekday, (Rect{13, 528, 104, 40}));
  EXPECT_EQ(layout.separator, (Rect{13, 320, 112, 16}));
  EXPECT_EQ(layout.clock, (Rect{13, 576, 104, 40}));
  EXPECT_EQ(layout.toolButton, (Rect{17, 632, 96, 28}));
}

TEST(ToolButtonRect, SecondColumnIsOneAndAFifthButtonWidthsFurtherRounded) {
  const Rect button1{52, 56, 72, 80};
  EXPECT_EQ(ToolButtonRect(button1, button1, 1), (Rect{52, 56, 72, 80}));
  EXPECT_EQ(ToolButtonRect(button1, button1, 2), (Rect{138, 56, 72, 80}));  // 52 + 86.4
  EXPECT_EQ(ToolButtonRect({52, 0, 73, 5}, button1, 2).x, 140) << "52 + 87.6 rounds, not truncates";
}

}  // namespace
}  // namespace tabulo::app
