#include "app/calendar/cses_export.h"

#include <gtest/gtest.h>

#include "app/calendar/calendar_texts.h"
#include "app/calendar/cses_import.h"
#include "app/timetable/start_time_tables.h"
#include "native/app/calendar/calendar_test_helpers.h"
#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_texts;
using test::Date;

const CalendarDate kToday = Date("2025-09-03");

// A week's 48 subjects and start times, "暂无" and table A unless set.
struct Week {
  std::array<std::string, kCells> subjects;
  std::array<StartTime, kCells> times;

  Week() {
    subjects.fill("暂无");
    for (int index = 1; index <= kCells; ++index) {
      const StartTimeText time = DefaultStartTime(CellOf(index).day, CellOf(index).period);
      times[index - 1] = {std::string(time.hour), std::string(time.minute)};
    }
  }
  Week& Set(int day, int period, std::string subject, std::string hour, std::string minute) {
    subjects[CellIndex(day, period) - 1] = std::move(subject);
    times[CellIndex(day, period) - 1] = {std::move(hour), std::move(minute)};
    return *this;
  }
};

class CsesExportTest : public ::testing::Test {
 protected:
  void Write(int week, const Week& cells) {
    CycleTimetables timetables(dir_.path());
    ASSERT_TRUE(timetables.WriteSubjects(week, cells.subjects, kToday));
    ASSERT_TRUE(timetables.WriteStartTimes(week, cells.times, kToday));
  }
  void SetCalendar(int cycle_weeks, int lesson_minutes) {
    CalendarFile file(dir_.path());
    CalendarData data = file.Load().data;
    data.calendar.cycle_weeks = cycle_weeks;
    data.calendar.week1 = Date("2025-09-01");
    data.calendar.lesson_minutes = lesson_minutes;
    ASSERT_TRUE(file.Save(data, kToday));
  }
  CsesText Export() const { return CsesOfTimetables(CycleTimetables(dir_.path()).Load()); }

  test::TempDirectory dir_;
};

TEST_F(CsesExportTest, WritesStrictVersion1WithQuotedTimesAndEndsFromTheLessonLength) {
  Write(1, Week().Set(1, 1, "语文", "7", "30").Set(1, 2, "无", "8", "15").Set(1, 3, "101", "9", "5").Set(
               3, 8, "自习", "23", "40"));
  SetCalendar(1, 40);
  const CsesText cses = Export();
  EXPECT_EQ(cses.message, texts::kCsesExported);
  // Periods 2 to 7 of Wednesday: free, at the default times.
  std::string wednesday_free;
  const char* starts[] = {"08:40", "09:40", "10:35", "11:25", "14:35", "15:30"};
  const char* ends[] = {"09:20", "10:20", "11:15", "12:05", "15:15", "16:10"};
  for (int i = 0; i < 6; ++i) {
    wednesday_free += std::string("      - subject: \"暂无\"\n        start_time: \"") + starts[i] +
                      ":00\"\n        end_time: \"" + ends[i] + ":00\"\n";
  }
  const std::string expected =
      "version: 1\n"
      "subjects:\n"
      "  - name: \"语文\"\n"
      "  - name: \"无\"\n"
      "  - name: \"101\"\n"
      "  - name: \"暂无\"\n"
      "  - name: \"自习\"\n"
      "schedules:\n"
      "  - name: \"星期一\"\n"
      "    enable_day: 1\n"
      "    weeks: all\n"
      "    classes:\n"
      "      - subject: \"语文\"\n"
      "        start_time: \"07:30:00\"\n"
      "        end_time: \"08:10:00\"\n"
      "      - subject: \"无\"\n"
      "        start_time: \"08:15:00\"\n"
      "        end_time: \"08:55:00\"\n"
      "      - subject: \"101\"\n"
      "        start_time: \"09:05:00\"\n"
      "        end_time: \"09:45:00\"\n"
      "  - name: \"星期三\"\n"
      "    enable_day: 3\n"
      "    weeks: all\n"
      "    classes:\n"
      "      - subject: \"暂无\"\n"
      "        start_time: \"07:50:00\"\n"
      "        end_time: \"08:30:00\"\n" +
      wednesday_free +
      "      - subject: \"自习\"\n"
      "        start_time: \"23:40:00\"\n"
      "        end_time: \"23:59:00\"\n";
  EXPECT_EQ(cses.yaml, expected);
}

TEST_F(CsesExportTest, TimesOutsideTheDayAreKeptWithinIt) {
  Write(1, Week().Set(2, 1, "早读", "-1", "30").Set(2, 2, "晚修", "25", "0"));
  const std::string yaml = Export().yaml;
  EXPECT_NE(yaml.find("start_time: \"00:00:00\""), std::string::npos) << yaml;
  EXPECT_NE(yaml.find("start_time: \"23:59:00\""), std::string::npos) << yaml;
}

// Every subject, and the start time of every period up to a day's last
// lesson (the only ones CSES carries), of both weeks.
std::string Describe(const std::filesystem::path& run_directory) {
  const CycleTimetableContents contents = CycleTimetables(run_directory).Load();
  std::string text = "cycle ";
  text.append(std::to_string(contents.calendar().calendar.cycle_weeks));
  for (int week = 1; week <= 2; ++week) {
    for (int day = 1; day <= kSchoolDays; ++day) {
      int last_lesson = 0;
      for (int period = 1; period <= kPeriods; ++period) {
        if (contents.ReadSubject(week, day, period, "暂无") != "暂无") last_lesson = period;
      }
      text.append("\n").append(std::to_string(week)).append("/").append(std::to_string(day)).append(":");
      for (int period = 1; period <= kPeriods; ++period) {
        text.append(" ").append(contents.ReadSubject(week, day, period, "暂无"));
        if (period > last_lesson) continue;
        text.append(" ").append(contents.ReadStartHour(week, day, period, "?"));
        text.append(":").append(contents.ReadStartMinute(week, day, period, "?"));
      }
    }
  }
  return text;
}

TEST_F(CsesExportTest, ExportThenImportGivesTheSameTimetables) {
  Week week1;
  week1.Set(1, 1, "语文", "7", "30").Set(1, 2, "数学", "8", "20").Set(1, 3, "无", "9", "10").Set(1, 4, "英语", "10", "0");
  week1.Set(2, 1, "物理", "8", "0").Set(6, 8, "班会", "16", "20");
  Week week2 = week1;
  week2.Set(2, 1, "化学", "8", "0").Set(2, 2, "生物", "8", "50").Set(5, 1, "体育", "7", "45");
  Write(1, week1);
  Write(2, week2);
  SetCalendar(2, 45);

  const std::string before = Describe(dir_.path());
  const std::string yaml = Export().yaml;
  EXPECT_NE(yaml.find("weeks: odd"), std::string::npos);
  EXPECT_NE(yaml.find("weeks: all"), std::string::npos) << "days alike in both weeks are written once";

  test::TempDirectory elsewhere;
  const CalendarOutcome imported = ImportCses(elsewhere.path(), yaml, Date("2025-09-01"), kToday);
  ASSERT_TRUE(imported.done) << imported.message;
  EXPECT_EQ(Describe(elsewhere.path()), before);
}

TEST_F(CsesExportTest, AThreeWeekCycleExportsWeek1AndSaysSo) {
  Write(1, Week().Set(1, 1, "语文", "7", "30"));
  Write(2, Week().Set(1, 1, "数学", "7", "30"));
  SetCalendar(3, 45);
  const CsesText cses = Export();
  EXPECT_EQ(cses.message, std::string(texts::kCsesExported) + "\n" + std::string(texts::kCsesOnlyWeek1Before) + "3" +
                              std::string(texts::kCsesOnlyWeek1After));
  EXPECT_NE(cses.yaml.find("语文"), std::string::npos);
  EXPECT_EQ(cses.yaml.find("数学"), std::string::npos);
  EXPECT_EQ(cses.yaml.find("weeks: odd"), std::string::npos);
}

TEST_F(CsesExportTest, TheFileIsWrittenWholeOrNotAtAll) {
  Write(1, Week().Set(1, 1, "语文", "7", "30"));
  CalendarOutcome outcome = ExportCses(dir_.path(), test::FileIn(dir_.path(), "课表.yaml"));
  EXPECT_TRUE(outcome.done);
  EXPECT_EQ(test::ReadFileIn(dir_.path(), "课表.yaml"), Export().yaml);
  outcome = ExportCses(dir_.path(), test::FileIn(dir_.path(), "no such folder/课表.yaml"));
  EXPECT_FALSE(outcome.done);
  EXPECT_EQ(outcome.message, texts::kCsesExportNotWritten);
}

}  // namespace
}  // namespace tabulo::app
