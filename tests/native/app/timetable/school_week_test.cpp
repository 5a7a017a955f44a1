#include "app/timetable/school_week.h"

#include <gtest/gtest.h>

#include "app/timetable/start_time_tables.h"

namespace tabulo::app {
namespace {

TEST(SchoolWeek, CellIndexRunsPeriodMajorAndBack) {
  EXPECT_EQ(CellIndex(1, 1), 1);
  EXPECT_EQ(CellIndex(6, 1), 6);
  EXPECT_EQ(CellIndex(1, 2), 7);
  EXPECT_EQ(CellIndex(6, 8), 48);
  for (int index = 1; index <= kCells; ++index) {
    const Cell cell = CellOf(index);
    ASSERT_TRUE(IsSchoolDay(cell.day) && IsPeriod(cell.period)) << index;
    EXPECT_EQ(CellIndex(cell.day, cell.period), index);
  }
}

TEST(SchoolWeek, DayNames) {
  EXPECT_EQ(DaySection(3), "Wednesday");
  EXPECT_EQ(DayDisplayName(3), "星期三");
  EXPECT_EQ(WeekdayDisplayName(0), "星期日");
  EXPECT_EQ(WeekdayDisplayName(6), "星期六");
  for (int day = 1; day <= kSchoolDays; ++day) {
    EXPECT_EQ(WeekdayDisplayName(day), DayDisplayName(day)) << "clock weekday n is school day n";
    EXPECT_EQ(SchoolDayOfDisplayName(DayDisplayName(day)), day);
  }
  EXPECT_EQ(SchoolDayOfDisplayName("星期日"), std::nullopt);
  EXPECT_EQ(SchoolDayOfDisplayName(""), std::nullopt);
  EXPECT_EQ(DaySection(7), "");
  EXPECT_EQ(PeriodCaption(3), "第3节");
}

TEST(StartTimeTables, ReadDefaultsAndResetValuesDifferOnlyInPeriodFour) {
  for (int day = 1; day <= kSchoolDays; ++day) {
    for (int period = 1; period <= kPeriods; ++period) {
      if (period == 4) continue;
      EXPECT_EQ(DefaultStartTime(day, period), ResetStartTime(day, period)) << day << "/" << period;
    }
  }
  EXPECT_EQ(DefaultStartTime(1, 4), (StartTimeText{"10", "30"}));
  EXPECT_EQ(ResetStartTime(1, 4), (StartTimeText{"10", "35"}));
  for (int day = 2; day <= kSchoolDays; ++day) {
    EXPECT_EQ(DefaultStartTime(day, 4), (StartTimeText{"10", "35"})) << day;
    EXPECT_EQ(ResetStartTime(day, 4), (StartTimeText{"10", "30"})) << day;
  }
  EXPECT_EQ(ResetStartTime(2, 1), (StartTimeText{"7", "50"}));
  EXPECT_EQ(DefaultStartTime(0, 1), StartTimeText{});
  EXPECT_EQ(ResetStartTime(1, 9), StartTimeText{});
}

}  // namespace
}  // namespace tabulo::app
