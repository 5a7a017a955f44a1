#include "app/calendar/cycle_timetables.h"

#include <gtest/gtest.h>

#include <array>

#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

const CalendarDate kToday{2025, 9, 1};

// "w" + week + day + period: a subject that says where it belongs.
std::array<std::string, kCells> Subjects(int week) {
  std::array<std::string, kCells> subjects;
  for (int index = 1; index <= kCells; ++index) {
    const Cell cell = CellOf(index);
    subjects[index - 1].append("w").append(std::to_string(week)).append(std::to_string(cell.day));
    subjects[index - 1].append(std::to_string(cell.period));
  }
  return subjects;
}

std::array<StartTime, kCells> Times(const std::string& hour) {
  std::array<StartTime, kCells> times;
  for (int index = 1; index <= kCells; ++index) times[index - 1] = {hour, std::to_string(index)};
  return times;
}

class CycleTimetablesTest : public ::testing::Test {
 protected:
  test::TempDirectory dir_;
  CycleTimetables timetables_{dir_.path()};
};

TEST_F(CycleTimetablesTest, Week1IsTimetableDatWrittenExactlyAsBefore) {
  test::TempDirectory before;
  TimetableFile plain(before.path());
  ASSERT_TRUE(plain.WriteSubjects(Subjects(1)));
  ASSERT_TRUE(plain.WriteStartTimes(Times("7")));

  ASSERT_TRUE(timetables_.WriteSubjects(1, Subjects(1), kToday));
  ASSERT_TRUE(timetables_.WriteStartTimes(1, Times("7"), kToday));
  EXPECT_EQ(dir_.ReadFile("timetable.dat"), before.ReadFile("timetable.dat"));
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "calendar.dat"));
}

TEST_F(CycleTimetablesTest, ALaterWeekReadsWeek1WhereItSetsNothing) {
  dir_.WriteFile("timetable.dat", "[Tuesday]\r\n3=\xD3\xEF\xCE\xC4\r\nT3=9\r\nF3=40\r\n");
  dir_.WriteFile("calendar.dat", "[Week2.Tuesday]\r\n3=\xCA\xFD\xD1\xA7\r\nF3=45\r\n4=\r\n");
  const CycleTimetableContents contents = timetables_.Load();
  struct Case {
    int week, day, period;
    const char *subject, *hour, *minute;
  };
  const Case kCases[] = {
      {1, 2, 3, "语文", "9", "40"},   {2, 2, 3, "数学", "9", "45"},  {3, 2, 3, "语文", "9", "40"},
      {2, 2, 4, "", "fb", "fb"},       {1, 2, 4, "fb", "fb", "fb"},   {2, 1, 1, "fb", "fb", "fb"},
      {5, 2, 3, "语文", "9", "40"},   {0, 2, 3, "语文", "9", "40"},  {2, 7, 3, "fb", "fb", "fb"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::to_string(c.week) + "/" + std::to_string(c.day) + "/" + std::to_string(c.period));
    EXPECT_EQ(contents.ReadSubject(c.week, c.day, c.period, "fb"), c.subject);
    EXPECT_EQ(contents.ReadStartHour(c.week, c.day, c.period, "fb"), c.hour);
    EXPECT_EQ(contents.ReadStartMinute(c.week, c.day, c.period, "fb"), c.minute);
  }
}

TEST_F(CycleTimetablesTest, WritingALaterWeekLeavesTimetableDatAndTheCalendarAlone) {
  dir_.WriteFile("timetable.dat", "[Monday]\r\n1=x\r\n");
  CalendarFile calendar_file(dir_.path());
  CalendarData calendar;
  calendar.calendar.cycle_weeks = 2;
  calendar.calendar.week1 = kToday;
  calendar.calendar.changes.push_back(DatedChange{kToday, ChangeKind::kHoliday, 1, {}, 0, "x"});
  ASSERT_TRUE(calendar_file.Save(calendar, kToday));

  ASSERT_TRUE(timetables_.WriteSubjects(2, Subjects(2), kToday));
  CycleTimetableContents contents = timetables_.Load();
  EXPECT_EQ(contents.ReadSubject(2, 4, 6, ""), "w246");
  EXPECT_EQ(contents.ReadStartHour(2, 4, 6, "fb"), "fb") << "times stay week 1's";
  ASSERT_TRUE(timetables_.WriteStartTimes(2, Times("8"), kToday));
  contents = timetables_.Load();
  EXPECT_EQ(contents.ReadStartHour(2, 4, 6, "fb"), "8");
  EXPECT_EQ(contents.ReadStartMinute(2, 4, 6, "fb"), std::to_string(CellIndex(4, 6)));
  EXPECT_EQ(contents.ReadSubject(2, 4, 6, ""), "w246");

  EXPECT_EQ(dir_.ReadFile("timetable.dat"), "[Monday]\r\n1=x\r\n");
  EXPECT_EQ(contents.calendar().calendar, calendar.calendar);
}

TEST_F(CycleTimetablesTest, WeeksOutsideTheCycleAndUnreadableCalendarsAreNotWritten) {
  EXPECT_FALSE(timetables_.WriteSubjects(0, Subjects(0), kToday));
  EXPECT_FALSE(timetables_.WriteSubjects(5, Subjects(5), kToday));
  EXPECT_FALSE(timetables_.WriteStartTimes(5, Times("8"), kToday));
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));

  std::filesystem::create_directory(dir_.path() / "calendar.dat");
  std::string diagnosis;
  (void)timetables_.Load(&diagnosis);
  EXPECT_FALSE(diagnosis.empty());
  EXPECT_FALSE(timetables_.WriteSubjects(2, Subjects(2), kToday));
}

}  // namespace
}  // namespace tabulo::app
