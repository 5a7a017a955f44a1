#include "app/calendar/cses_import.h"

#include <gtest/gtest.h>

#include "app/calendar/calendar_texts.h"
#include "app/calendar/cses_reader.h"
#include "app/calendar/cycle_timetables.h"
#include "native/app/calendar/calendar_test_helpers.h"
#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_texts;
using test::Date;

const CalendarDate kToday = Date("2025-09-03");  // a Wednesday

std::string Schedule(int day, const char* weeks, const std::string& classes) {
  return "  - name: d\n    enable_day: " + std::to_string(day) + "\n    weeks: " + weeks + "\n    classes:\n" + classes;
}
std::string Lesson(const char* subject, const char* start) {
  return std::string("      - subject: ") + subject + "\n        start_time: \"" + start +
         "\"\n        end_time: \"23:59:00\"\n";
}

class CsesImportTest : public ::testing::Test {
 protected:
  CalendarOutcome Import(const std::string& yaml, std::optional<CalendarDate> week1 = {}) {
    return ImportCses(dir_.path(), yaml, week1, kToday);
  }
  // "语文 8:00" for a cell of a week.
  std::string Cell(int week, int day, int period) const {
    const CycleTimetableContents contents = CycleTimetables(dir_.path()).Load();
    return contents.ReadSubject(week, day, period, "-") + " " + contents.ReadStartHour(week, day, period, "-") + ":" +
           contents.ReadStartMinute(week, day, period, "-");
  }
  SchoolCalendar Calendar() const { return CalendarFile(dir_.path()).Load().data.calendar; }

  test::TempDirectory dir_;
};

TEST_F(CsesImportTest, LessonsFillTheFirstPeriodsAndEveryOtherCellBecomesFree) {
  const CalendarOutcome outcome =
      Import("version: 1\nschedules:\n" + Schedule(1, "all", Lesson("数学", "09:00:00") + Lesson("语文", "08:05:00")));
  ASSERT_TRUE(outcome.done) << outcome.message;
  EXPECT_EQ(outcome.message, texts::kCsesImported);
  EXPECT_EQ(Cell(1, 1, 1), "语文 8:5");
  EXPECT_EQ(Cell(1, 1, 2), "数学 9:0");
  EXPECT_EQ(Cell(1, 1, 3), "暂无 9:55") << "the default 9:40 came before 数学 ended";
  EXPECT_EQ(Cell(1, 1, 4), "暂无 10:50") << "and so on while the defaults come too early";
  EXPECT_EQ(Cell(1, 1, 6), "暂无 14:35") << "the default comes after 11:45 + 45 minutes";
  EXPECT_EQ(Cell(1, 6, 8), "暂无 16:20") << "a day the file leaves out is written free";
  EXPECT_EQ(Calendar().cycle_weeks, 1);
}

TEST_F(CsesImportTest, FreePeriodsAfterTheLessonsKeepTheDayInOrder) {
  dir_.WriteFile("timetable.dat", "[Saturday]\r\nT5=11\r\nF5=25\r\nT6=13\r\nF6=10\r\nT7=12\r\nF7=10\r\n");
  ASSERT_TRUE(Import("schedules:\n" + Schedule(6, "all",
                                               Lesson("语文", "08:00") + Lesson("数学", "09:00") +
                                                   Lesson("英语", "10:00") + Lesson("物理", "11:30")))
                  .done);
  EXPECT_EQ(Cell(1, 6, 4), "物理 11:30");
  EXPECT_EQ(Cell(1, 6, 5), "暂无 12:25") << "11:25 came before 物理 ended: ten minutes after 11:30 + 45";
  EXPECT_EQ(Cell(1, 6, 6), "暂无 13:10") << "kept: it still comes after 12:25 + 45";
  EXPECT_EQ(Cell(1, 6, 7), "暂无 14:5") << "12:10 came before";
  EXPECT_EQ(Cell(1, 6, 8), "暂无 16:20");
}

TEST_F(CsesImportTest, OddAndEvenWeeksBecomeATwoWeekCycleSharingWeek1sTimes) {
  const std::string yaml = "schedules:\n" + Schedule(2, "odd", Lesson("物理", "08:00")) +
                           Schedule(2, "even", Lesson("化学", "08:00") + Lesson("生物", "08:30"));
  const CalendarOutcome outcome = Import(yaml);
  ASSERT_TRUE(outcome.done) << outcome.message;
  EXPECT_EQ(outcome.message, std::string(texts::kCsesImported) + "\n" + std::string(texts::kCsesTwoWeeksBefore) +
                                 "2025-09-01" + std::string(texts::kCsesTwoWeeksAfter) +
                                 std::string(texts::kCsesWeek1Assumed));
  EXPECT_EQ(Calendar().cycle_weeks, 2);
  EXPECT_EQ(Calendar().CycleWeekOf(kToday), 1) << "this week is taken as week 1 (odd)";
  EXPECT_EQ(Cell(1, 2, 1), "物理 8:0");
  EXPECT_EQ(Cell(1, 2, 2), "暂无 8:55");
  EXPECT_EQ(Cell(2, 2, 1), "化学 8:0");
  EXPECT_EQ(Cell(2, 2, 2), "生物 8:30");
  const CalendarLoad load = CalendarFile(dir_.path()).Load();
  const CycleWeekCells& week2 = load.data.Week(2);
  EXPECT_FALSE(week2[CellIndex(2, 1) - 1].hour) << "the same time as week 1 is shared, not copied";
  EXPECT_EQ(week2[CellIndex(2, 2) - 1].minute, "30");

  ASSERT_TRUE(Import(yaml, Date("2025-09-10")).done);
  EXPECT_EQ(Calendar().week1, Date("2025-09-10"));
  EXPECT_EQ(Calendar().CycleWeekOf(kToday), 2);
  const CalendarOutcome again = Import(yaml);
  EXPECT_EQ(Calendar().week1, Date("2025-09-10")) << "a calendar's own week 1 stays";
  EXPECT_EQ(again.message.find(texts::kCsesWeek1Assumed), std::string::npos);
  EXPECT_NE(again.message.find("2025-09-08"), std::string::npos);
}

TEST_F(CsesImportTest, DatedChangesAndLaterWeeksStayAndAOneWeekFileEndsTheRotation) {
  CalendarData before;
  before.calendar.cycle_weeks = 4;
  before.calendar.week1 = Date("2025-09-01");
  before.calendar.changes.push_back(DatedChange{Date("2025-10-01"), ChangeKind::kHoliday, 1, {}, 0, "国庆"});
  before.Week(3)[0].subject = "三周";
  ASSERT_TRUE(CalendarFile(dir_.path()).Save(before, kToday));
  ASSERT_TRUE(Import("schedules:\n" + Schedule(1, "all", Lesson("语文", "08:00"))).done);
  const CalendarData after = CalendarFile(dir_.path()).Load().data;
  EXPECT_EQ(after.calendar.cycle_weeks, 1);
  EXPECT_EQ(after.calendar.week1, before.calendar.week1);
  EXPECT_EQ(after.calendar.changes, before.calendar.changes);
  EXPECT_EQ(after.Week(3), before.Week(3));
}

TEST_F(CsesImportTest, TheMessageListsShortenedSubjectsAndLeftOutSundays) {
  const CalendarOutcome outcome =
      Import("schedules:\n" + Schedule(1, "all", Lesson("信息技术", "08:00") + Lesson("心理健康", "09:00")) +
             Schedule(7, "all", Lesson("语文", "08:00")));
  ASSERT_TRUE(outcome.done);
  EXPECT_EQ(outcome.message, std::string(texts::kCsesImported) + "\n" + std::string(texts::kCsesShortened) +
                                 "信息技术→信息，心理健康→心理\n" + std::string(texts::kCsesSundayLeftOut));
}

TEST_F(CsesImportTest, AMalformedFileChangesNothing) {
  dir_.WriteFile("timetable.dat", "[Monday]\r\n1=x\r\n");
  const CalendarOutcome outcome = Import("schedules:\n  - enable_day: 9\n    classes: []\n");
  EXPECT_FALSE(outcome.done);
  EXPECT_EQ(outcome.message, CsesProblemText({2, std::string(texts::kCsesExpectedDay)}));
  EXPECT_EQ(dir_.ReadFile("timetable.dat"), "[Monday]\r\n1=x\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "calendar.dat"));
}

TEST_F(CsesImportTest, AFailedWritePutsBackWhatWasWrittenBeforeIt) {
  const std::string yaml = "schedules:\n" + Schedule(1, "all", Lesson("语文", "08:00"));
  dir_.WriteFile("timetable.dat", "[Monday]\r\n1=x\r\n");
  std::filesystem::create_directory(dir_.path() / "calendar.dat");
  CalendarOutcome outcome = Import(yaml);
  EXPECT_FALSE(outcome.done);
  EXPECT_EQ(outcome.message, texts::kCsesNotWritten);
  EXPECT_EQ(dir_.ReadFile("timetable.dat"), "[Monday]\r\n1=x\r\n");

  std::filesystem::remove(dir_.path() / "calendar.dat");
  std::filesystem::remove(dir_.path() / "timetable.dat");
  std::filesystem::create_directory(dir_.path() / "calendar.dat");
  outcome = Import(yaml);
  EXPECT_FALSE(outcome.done);
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "timetable.dat")) << "a file the import made is removed again";
}

}  // namespace
}  // namespace tabulo::app
