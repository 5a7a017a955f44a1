#include "app/timetable/day_schedule.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <optional>

#include "app/timetable/timetable_file.h"
#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

using Starts = std::array<int, kPeriods>;
using Subjects = std::array<std::string, kPeriods>;

const Subjects kNothing = {"暂无", "暂无", "暂无", "暂无", "暂无", "暂无", "暂无", "暂无"};
constexpr Starts kMondayDefaults = {450, 530, 580, 630, 680, 875, 930, 980};

struct Case {
  const char* name;
  std::optional<std::string_view> file;  // timetable.dat as bytes; none for no file
  int weekday;                           // 0 = Sunday
  std::string_view today;
  Subjects subjects;
  Starts starts;
};

TEST(DaySchedule, LoadsTodaysSubjectsAndStartMinutes) {
  const Case kCases[] = {
      {"no file, Monday", std::nullopt, 1, "星期一", kNothing, kMondayDefaults},
      {"no file, Wednesday", std::nullopt, 3, "星期三", kNothing, {470, 520, 580, 635, 685, 875, 930, 980}},
      {"leading zero, single digit, text after the hour",
       "[Monday]\r\nT1=07\r\nF1=5\r\nT2=7:30\r\n",
       1, "星期一", kNothing, {425, 470, 580, 630, 680, 875, 930, 980}},
      {"hour present but empty reads as 0", "[Monday]\r\nT3=\r\n", 1, "星期一", kNothing,
       {450, 530, 40, 630, 680, 875, 930, 980}},
      {"lower-case names, subjects present or empty",
       "[friday]\r\n1=\xD3\xEF\xCE\xC4\r\n2=\r\nt8=17\r\nf8=05\r\n",
       5, "星期五", {"语文", "", "暂无", "暂无", "暂无", "暂无", "暂无", "暂无"},
       {470, 520, 580, 635, 685, 875, 930, 1025}},
      {"other days do not leak in", "[Tuesday]\r\n1=\xD3\xEF\xCE\xC4\r\nT1=6\r\n", 1, "星期一", kNothing,
       kMondayDefaults},
      {"Sunday ignores the file", "[Monday]\r\n1=\xD3\xEF\xCE\xC4\r\n", 0, "星期日", kNothing, Starts{}},
      {"an absurd hour saturates instead of overflowing", "[Monday]\r\nT1=99999999999\r\n", 1, "星期一",
       kNothing, {INT_MAX, 530, 580, 630, 680, 875, 930, 980}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    test::TempDirectory run_directory;
    if (c.file) run_directory.WriteFile("timetable.dat", *c.file);
    DaySchedule schedule;
    schedule.ChooseToday(c.weekday);
    EXPECT_EQ(schedule.today, c.today);
    EXPECT_EQ(schedule.Load(TimetableFile(run_directory.path())), c.subjects);
    EXPECT_EQ(schedule.start, c.starts);
  }
}

TEST(DaySchedule, KeepsTheTextsAsReadAndReloadsWhatWasSavedSince) {
  test::TempDirectory run_directory;
  TimetableFile file(run_directory.path());
  ASSERT_TRUE(file.WriteStartTime(6, 2, "08", "5"));
  DaySchedule schedule;
  schedule.ChooseToday(6);
  EXPECT_EQ(schedule.Load(file)[2], "暂无");
  EXPECT_EQ(schedule.hour[1], "08");
  EXPECT_EQ(schedule.minute[1], "5");
  EXPECT_EQ(schedule.hour[0], "7") << "defaults are kept as texts too";

  ASSERT_TRUE(file.WriteSubject(6, 3, "物理"));
  ASSERT_TRUE(file.WriteStartTime(6, 2, "9", "0"));
  EXPECT_EQ(schedule.Load(file)[2], "物理");
  EXPECT_EQ(schedule.start[1], 540);
}

}  // namespace
}  // namespace tabulo::app
