#include "app/calendar/calendar_file.h"

#include <gtest/gtest.h>

#include "native/app/calendar/calendar_test_helpers.h"

#include "app/calendar/calendar_texts.h"
#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_texts;

using test::Date;

DatedChange Change(const char* date, ChangeKind kind) {
  DatedChange change;
  change.date = Date(date);
  change.kind = kind;
  return change;
}

class CalendarFileTest : public ::testing::Test {
 protected:
  test::TempDirectory dir_;
  CalendarFile file_{dir_.path()};
};

TEST_F(CalendarFileTest, AMissingFileIsACalendarWithoutRotationOrChanges) {
  const CalendarLoad load = file_.Load();
  EXPECT_EQ(load.data, CalendarData{});
  EXPECT_EQ(load.data.calendar.cycle_weeks, 1);
  EXPECT_EQ(load.data.calendar.lesson_minutes, 45);
  EXPECT_EQ(load.diagnosis, "");
}

TEST_F(CalendarFileTest, WhatIsSavedLoadsBackInGbkIni) {
  CalendarData data;
  data.calendar.cycle_weeks = 3;
  data.calendar.week1 = Date("2025-09-03");
  data.calendar.lesson_minutes = 40;
  DatedChange holiday = Change("2025-10-01", ChangeKind::kHoliday);
  holiday.note = "国庆节";
  DatedChange swap = Change("2025-10-11", ChangeKind::kSwap);
  swap.day = 5;
  swap.week = 2;
  DatedChange swap_in_its_week = Change("2025-09-28", ChangeKind::kSwap);
  swap_in_its_week.day = 1;
  DatedChange skip = Change("2025-11-20", ChangeKind::kSkipPeriods);
  skip.skipped = PeriodBit(1) | PeriodBit(2) | PeriodBit(8);
  data.calendar.changes = {holiday, swap, swap_in_its_week, skip};
  data.Week(2)[CellIndex(1, 1) - 1] = {"物理", "8", "05"};
  data.Week(2)[CellIndex(6, 8) - 1].subject = "";
  data.Week(4)[CellIndex(3, 2) - 1].minute = "45";

  ASSERT_TRUE(file_.Save(data, Date("2025-09-01")));
  const CalendarLoad load = file_.Load();
  EXPECT_EQ(load.diagnosis, "");
  EXPECT_EQ(load.data, data);

  const std::string bytes = dir_.ReadFile("calendar.dat");
  EXPECT_TRUE(bytes.starts_with("[Calendar]\r\nCycleWeeks=3\r\nWeek1=2025-09-03\r\nLessonMinutes=40\r\n")) << bytes;
  EXPECT_NE(bytes.find("[Change1]\r\nDate=2025-10-01\r\nKind=Holiday\r\nNote=\xB9\xFA\xC7\xEC\xBD\xDA\r\n"),
            std::string::npos) << "the note in GBK";
  EXPECT_NE(bytes.find("[Change4]\r\nDate=2025-11-20\r\nKind=Skip\r\nPeriods=1,2,8\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("[Week2.Monday]\r\n1=\xCE\xEF\xC0\xED\r\nT1=8\r\nF1=05\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("[Week2.Saturday]\r\n8=\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("[Week4.Wednesday]\r\nF2=45\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find("Week3."), std::string::npos) << "weeks without keys get no sections";
}

TEST_F(CalendarFileTest, WhatALoadReadsASaveWritesAndTheNextLoadReadsAlike) {
  dir_.WriteFile("calendar.dat",
                 "\xEF\xBB\xBF[Change1]\nDate=2025-10-01\nKind=Holiday\nNote=国庆😀\n"
                 "[Week2.Monday]\n1=\"\"x\"\"\n2=\" a \"\n3='y'\n4=z\v\n");
  const CalendarLoad first = file_.Load();
  EXPECT_EQ(first.data.calendar.changes[0].note, "国庆??") << "as GBK will hold it";
  const CycleWeekCells& monday = first.data.Week(2);
  EXPECT_EQ(monday[CellIndex(1, 1) - 1].subject, "\"x\"");
  EXPECT_EQ(monday[CellIndex(1, 2) - 1].subject, "a");
  EXPECT_EQ(monday[CellIndex(1, 3) - 1].subject, "y");
  EXPECT_EQ(monday[CellIndex(1, 4) - 1].subject, "z");
  ASSERT_TRUE(file_.Save(first.data, Date("2025-09-01")));
  const CalendarLoad second = file_.Load();
  EXPECT_EQ(second.data, first.data);
  EXPECT_EQ(second.diagnosis, "");
}

TEST_F(CalendarFileTest, ASaveLeavesOutChangesOlderThanATerm) {
  CalendarData data;
  data.calendar.changes = {Change("2025-03-01", ChangeKind::kHoliday), Change("2025-03-02", ChangeKind::kHoliday)};
  ASSERT_TRUE(file_.Save(data, Date("2025-08-29")));  // 2025-03-02 is 180 days before
  const CalendarLoad load = file_.Load();
  ASSERT_EQ(load.data.calendar.changes.size(), 1u);
  EXPECT_EQ(load.data.calendar.changes[0].date, Date("2025-03-02"));
}

TEST_F(CalendarFileTest, EachDamagedValueIsNamedAndReplacedByItsDefault) {
  struct Case {
    const char* what;
    std::string file;
    std::string diagnosis;  // after the first line
    SchoolCalendar expected;
  };
  const auto calendar = [](int weeks, std::optional<CalendarDate> week1, int minutes,
                           std::vector<DatedChange> changes = {}) {
    return SchoolCalendar{weeks, week1, minutes, std::move(changes)};
  };
  const DatedChange kept = Change("2025-10-01", ChangeKind::kHoliday);
  const std::string kKept = "[Change2]\r\nDate=2025-10-01\r\nKind=Holiday\r\n";
  const Case kCases[] = {
      {"cycle beyond four weeks", "[Calendar]\r\nCycleWeeks=5\r\nWeek1=2025-09-01\r\n",
       "[Calendar] CycleWeeks=5：" + std::string(texts::kExpectedCycleWeeks), calendar(1, Date("2025-09-01"), 45)},
      {"cycle not a number", "[Calendar]\r\nCycleWeeks=two\r\n",
       "[Calendar] CycleWeeks=two：" + std::string(texts::kExpectedCycleWeeks), calendar(1, {}, 45)},
      {"rotation without week 1", "[Calendar]\r\nCycleWeeks=2\r\n", std::string(texts::kMissingWeek1),
       calendar(1, {}, 45)},
      {"week 1 not a date", "[Calendar]\r\nCycleWeeks=2\r\nWeek1=2025-02-30\r\n",
       "[Calendar] Week1=2025-02-30：" + std::string(texts::kExpectedDate), calendar(1, {}, 45)},
      {"lesson of no minutes", "[Calendar]\r\nLessonMinutes=0\r\n",
       "[Calendar] LessonMinutes=0：" + std::string(texts::kExpectedLessonMinutes), calendar(1, {}, 45)},
      {"change without a date", "[Change1]\r\nKind=Holiday\r\n" + kKept,
       "[Change1] Date=：" + std::string(texts::kExpectedDate), calendar(1, {}, 45, {kept})},
      {"change of an unknown kind", "[Change1]\r\nDate=2025-10-02\r\nKind=Vacation\r\n" + kKept,
       "[Change1] Kind=Vacation：" + std::string(texts::kExpectedChangeKind), calendar(1, {}, 45, {kept})},
      {"swap to Sunday", "[Change1]\r\nDate=2025-10-02\r\nKind=Swap\r\nDay=7\r\n" + kKept,
       "[Change1] Day=7：" + std::string(texts::kExpectedSchoolDay), calendar(1, {}, 45, {kept})},
      {"swap to a fifth week", "[Change1]\r\nDate=2025-10-02\r\nKind=Swap\r\nDay=5\r\nWeek=5\r\n" + kKept,
       "[Change1] Week=5：" + std::string(texts::kExpectedCycleWeek), calendar(1, {}, 45, {kept})},
      {"skip of a ninth period", "[Change1]\r\nDate=2025-10-02\r\nKind=Skip\r\nPeriods=1,9\r\n" + kKept,
       "[Change1] Periods=1,9：" + std::string(texts::kExpectedPeriods), calendar(1, {}, 45, {kept})},
      {"skip of nothing", "[Change1]\r\nDate=2025-10-02\r\nKind=Skip\r\n" + kKept,
       "[Change1] Periods=：" + std::string(texts::kExpectedPeriods), calendar(1, {}, 45, {kept})},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    dir_.WriteFile("calendar.dat", c.file);
    const CalendarLoad load = file_.Load();
    EXPECT_EQ(load.diagnosis, std::string(texts::kCalendarDamaged) + "\n" + c.diagnosis);
    EXPECT_EQ(load.data.calendar, c.expected);
  }
}

TEST_F(CalendarFileTest, LenientSpellingsAreNotDamage) {
  dir_.WriteFile("calendar.dat",
                 "[calendar]\ncycleweeks = 2 \nweek1= 2025-09-01\n\n[Change1]\ndate=2025-10-02\nkind=Skip\n"
                 "periods=1\xA3\xAC 3 ,8\n[Change2]\nDate=2025-10-03\nKind=Swap\nDay=2\nWeek=\n");
  const CalendarLoad load = file_.Load();
  EXPECT_EQ(load.diagnosis, "");
  EXPECT_TRUE(load.data.calendar.Rotates());
  ASSERT_EQ(load.data.calendar.changes.size(), 2u);
  EXPECT_EQ(load.data.calendar.changes[0].skipped, PeriodBit(1) | PeriodBit(3) | PeriodBit(8));
  EXPECT_FALSE(load.data.calendar.changes[1].week) << "an empty week is the date's own";
}

TEST_F(CalendarFileTest, AThousandChangesAreReadAndTheRestNamed) {
  std::string file;
  for (int n = 1; n <= 1002; ++n) file += "[Change" + std::to_string(n) + "]\nDate=2025-10-01\nKind=Holiday\n";
  dir_.WriteFile("calendar.dat", file);
  const CalendarLoad load = file_.Load();
  EXPECT_EQ(load.data.calendar.changes.size(), 1000u);
  EXPECT_EQ(load.diagnosis, std::string(texts::kCalendarDamaged) + "\n" + std::string(texts::kTooManyChanges));
}

TEST_F(CalendarFileTest, AFileThatCannotBeReadIsReportedAndNeverReplaced) {
  std::filesystem::create_directory(dir_.path() / "calendar.dat");
  const CalendarLoad load = file_.Load();
  EXPECT_EQ(load.diagnosis, texts::kCalendarUnreadable);
  EXPECT_EQ(load.data, CalendarData{});
  EXPECT_FALSE(file_.Save(CalendarData{}, Date("2025-09-01")));
  EXPECT_TRUE(std::filesystem::is_directory(dir_.path() / "calendar.dat"));
}

}  // namespace
}  // namespace tabulo::app
