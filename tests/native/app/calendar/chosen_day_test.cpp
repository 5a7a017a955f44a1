#include "app/calendar/chosen_day.h"

#include <gtest/gtest.h>

#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

using Subjects = std::array<std::string, kPeriods>;
using Starts = std::array<int, kPeriods>;

class ChosenDayTest : public ::testing::Test {
 protected:
  Subjects Load(const TimetableChoice& choice) {
    return LoadChosenDay(schedule_, choice, CycleTimetables(dir_.path()).Load());
  }

  test::TempDirectory dir_;
  DaySchedule schedule_;
};

const Subjects kNothing = {"暂无", "暂无", "暂无", "暂无", "暂无", "暂无", "暂无", "暂无"};
constexpr Starts kMondayDefaults = {450, 530, 580, 630, 680, 875, 930, 980};
constexpr Starts kOtherDayDefaults = {470, 520, 580, 635, 685, 875, 930, 980};

TEST_F(ChosenDayTest, WithoutFilesADayIsEmptyAndTakesItsOwnDefaultTimes) {
  EXPECT_EQ(Load(TimetableChoice{1, 1, false, false, 0, "星期一"}), kNothing);
  EXPECT_EQ(schedule_.today, "星期一");
  EXPECT_EQ(schedule_.start, kMondayDefaults);
  (void)Load(TimetableChoice{3, 2, false, false, 0, "星期三 · 双周"});
  EXPECT_EQ(schedule_.start, kOtherDayDefaults);
}

TEST_F(ChosenDayTest, ACycleWeekShowsItsSubjectsWithWeek1sTimesWhereItHasNone) {
  dir_.WriteFile("timetable.dat", "[Tuesday]\r\n1=\xD3\xEF\xCE\xC4\r\n2=\xCA\xFD\xD1\xA7\r\nT1=8\r\nF1=0\r\n");
  dir_.WriteFile("calendar.dat", "[Week2.Tuesday]\r\n1=\xCE\xEF\xC0\xED\r\nF1=10\r\nT2=9\r\n");
  const Subjects week2 = Load(TimetableChoice{2, 2, false, false, PeriodBit(8), "星期二 · 双周"});
  EXPECT_EQ(week2[0], "物理");
  EXPECT_EQ(week2[1], "数学") << "from week 1";
  EXPECT_EQ(week2[2], "暂无");
  EXPECT_EQ(schedule_.start[0], 8 * 60 + 10);
  EXPECT_EQ(schedule_.start[1], 9 * 60 + 40) << "hour of week 2, minute of the defaults";
  const Subjects week1 = Load(TimetableChoice{2, 1, false, false, PeriodBit(2), "星期二 · 单周"});
  EXPECT_EQ(week1[0], "语文");
  EXPECT_EQ(week1[1], "暂无") << "skipped";
  EXPECT_EQ(schedule_.start[0], 8 * 60);
  EXPECT_EQ(schedule_.start[1], 8 * 60 + 40) << "a skipped period keeps its time";
}

TEST_F(ChosenDayTest, ASwappedSundayRunsTheNamedDayWithItsTimesAndReminders) {
  dir_.WriteFile("timetable.dat", "[Monday]\r\n1=\xD3\xEF\xCE\xC4\r\n");
  const Subjects subjects = Load(TimetableChoice{1, 1, false, true, 0, "星期一 · 调休"});
  EXPECT_EQ(subjects[0], "语文");
  EXPECT_EQ(schedule_.today, "星期一") << "not 星期日, or the reminder would stay idle";
  EXPECT_EQ(schedule_.start, kMondayDefaults);
}

TEST_F(ChosenDayTest, AHolidayShowsNothingAndKeepsTheTimesAsASundayDoes) {
  dir_.WriteFile("timetable.dat", "[Monday]\r\n1=\xD3\xEF\xCE\xC4\r\n");
  (void)Load(TimetableChoice{1, 1, false, false, 0, "星期一"});
  const auto hours = schedule_.hour;
  EXPECT_EQ(Load(TimetableChoice{0, 1, true, false, 0, "假日"}), kNothing);
  EXPECT_EQ(schedule_.today, "星期日");
  EXPECT_EQ(schedule_.hour, hours);
  EXPECT_EQ(schedule_.start, kMondayDefaults);
}

}  // namespace
}  // namespace tabulo::app
