#include "app/timetable/grid_layout.h"

#include <gtest/gtest.h>

namespace tabulo::app {
namespace {

TEST(GridLayout, EditorColumnsAndRows) {
  const int kCellX[] = {88, 170, 252, 334, 417, 499};
  const int kHeaderX[] = {98, 180, 262, 344, 427, 509};
  const int kRowY[] = {64, 100, 136, 172, 208, 244, 280, 316};
  for (int day = 1; day <= 6; ++day) {
    SCOPED_TRACE(day);
    EXPECT_EQ(EditorCellRect(day, 1), (Rect{kCellX[day - 1], 64, 56, 24}));
    EXPECT_EQ(EditorHeaderRect(day), (Rect{kHeaderX[day - 1], 24, 80, 24}));
  }
  for (int period = 1; period <= 8; ++period) {
    SCOPED_TRACE(period);
    EXPECT_EQ(EditorCellRect(6, period), (Rect{499, kRowY[period - 1], 56, 24}));
    EXPECT_EQ(EditorPeriodLabelRect(period), (Rect{16, kRowY[period - 1], 56, 24}));
  }
}

TEST(GridLayout, AdjustmentColumnsAndRows) {
  for (int day = 1; day <= 6; ++day) {
    for (int period = 1; period <= 8; ++period) {
      SCOPED_TRACE(testing::Message() << day << "/" << period);
      const int x = 80 + 96 * (day - 1), y = 56 + 36 * (period - 1);
      EXPECT_EQ(AdjustmentHourRect(day, period), (Rect{x, y, 32, 24}));
      EXPECT_EQ(AdjustmentMinuteRect(day, period), (Rect{x + 40, y, 32, 24}));
      EXPECT_EQ(AdjustmentSeparatorRect(day, period), (Rect{x + 32, y - 3, 8, 32}));
    }
    EXPECT_EQ(AdjustmentHeaderRect(day), (Rect{100 + 96 * (day - 1), 16, 80, 24}));
  }
  EXPECT_EQ(AdjustmentPeriodLabelRect(8), (Rect{24, 308, 56, 24}));
}

}  // namespace
}  // namespace tabulo::app
