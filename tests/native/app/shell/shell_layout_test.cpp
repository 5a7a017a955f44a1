#include "app/shell/shell_layout.h"

#include <gtest/gtest.h>

namespace tabulo::app {
namespace {

TEST(BarPlacement, StandsTenPixelsInFromTheRightAndCentredVertically) {
  EXPECT_EQ(BarLeftEdge(1920, 146), 1764);
  EXPECT_EQ(BarLeftEdge(1366, 146), 1210);
  EXPECT_EQ(CentredTop(1080, 702), 189);
  EXPECT_EQ(CentredTop(768, 702), 33);
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
