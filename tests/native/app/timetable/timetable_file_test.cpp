#include "app/timetable/timetable_file.h"

#include <gtest/gtest.h>

#include <array>

#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

TEST(TimetableFile, ReadsAHandWrittenFileWithNamesInAnyCaseAndOrder) {
  test::TempDirectory run_directory;
  // Saturday before Monday, lower-case names, GBK "语文", keys out of order.
  run_directory.WriteFile("timetable.dat",
                          "[saturday]\r\nf1=5\r\n1=\xD3\xEF\xCE\xC4\r\nt1=07\r\n"
                          "[MONDAY]\r\nT3=\r\n3=\r\n");
  const TimetableFile file(run_directory.path());
  EXPECT_EQ(file.ReadSubject(6, 1, "暂无"), "语文");
  EXPECT_EQ(file.ReadStartHour(6, 1, "7"), "07");
  EXPECT_EQ(file.ReadStartMinute(6, 1, "50"), "5");
  EXPECT_EQ(file.ReadSubject(1, 3, "暂无"), "") << "present but empty is not missing";
  EXPECT_EQ(file.ReadStartHour(1, 3, "9"), "");
  EXPECT_EQ(file.ReadSubject(1, 4, "暂无"), "暂无");
  EXPECT_EQ(file.ReadStartMinute(2, 1, "50"), "50") << "no Tuesday section";
}

TEST(TimetableFile, OutsideTheSchoolWeekNothingIsReadOrWritten) {
  test::TempDirectory run_directory;
  run_directory.WriteFile("timetable.dat", "[Monday]\r\n0=x\r\n9=y\r\n");
  TimetableFile file(run_directory.path());
  EXPECT_EQ(file.ReadSubject(1, 0, "fb"), "fb");
  EXPECT_EQ(file.ReadSubject(1, 9, "fb"), "fb");
  EXPECT_EQ(file.ReadSubject(0, 1, "fb"), "fb");
  EXPECT_FALSE(file.WriteSubject(7, 1, "x"));
  EXPECT_FALSE(file.WriteStartTime(1, 9, "7", "30"));
  EXPECT_EQ(run_directory.ReadFile("timetable.dat"), "[Monday]\r\n0=x\r\n9=y\r\n");
}

// "s" + day + period: a subject that says where it belongs.
std::string SubjectOf(int day, int period) {
  std::string subject = "s";
  subject += std::to_string(day * 10 + period);
  return subject;
}

// The editors save all cells at once; the file they leave must be the one the
// same values written key by key in cell-index order leave, and each value
// must land on its own day and period.
TEST(TimetableFile, WholeSavesMatchKeyByKeyWritesInCellOrder) {
  std::array<std::string, kCells> subjects;
  std::array<StartTime, kCells> times;
  for (int index = 1; index <= kCells; ++index) {
    const Cell cell = CellOf(index);
    subjects[index - 1] = SubjectOf(cell.day, cell.period);
    times[index - 1] = {std::to_string(cell.period + 6), std::to_string(cell.day * 5)};
  }

  test::TempDirectory whole_dir;
  TimetableFile whole(whole_dir.path());
  EXPECT_FALSE(whole.Exists());
  ASSERT_TRUE(whole.WriteSubjects(subjects));
  ASSERT_TRUE(whole.WriteStartTimes(times));
  EXPECT_TRUE(whole.Exists());

  test::TempDirectory by_key_dir;
  TimetableFile by_key(by_key_dir.path());
  for (int index = 1; index <= kCells; ++index) {
    const Cell cell = CellOf(index);
    ASSERT_TRUE(by_key.WriteSubject(cell.day, cell.period, subjects[index - 1]));
  }
  for (int index = 1; index <= kCells; ++index) {
    const Cell cell = CellOf(index);
    ASSERT_TRUE(by_key.WriteStartTime(cell.day, cell.period, times[index - 1].hour, times[index - 1].minute));
  }
  const std::string content = whole_dir.ReadFile("timetable.dat");
  EXPECT_EQ(content, by_key_dir.ReadFile("timetable.dat"));
  EXPECT_EQ(content.rfind("[Monday]\r\n1=s11\r\n2=s12\r\n", 0), 0u) << content.substr(0, 40);
  EXPECT_NE(content.find("8=s18\r\nT1=7\r\nF1=5\r\nT2=8\r\n"), std::string::npos);

  for (int day = 1; day <= kSchoolDays; ++day) {
    for (int period = 1; period <= kPeriods; ++period) {
      SCOPED_TRACE(std::to_string(day) + "/" + std::to_string(period));
      EXPECT_EQ(whole.ReadSubject(day, period, ""), SubjectOf(day, period));
      EXPECT_EQ(whole.ReadStartHour(day, period, ""), std::to_string(period + 6));
      EXPECT_EQ(whole.ReadStartMinute(day, period, ""), std::to_string(day * 5));
    }
  }
}

}  // namespace
}  // namespace tabulo::app
