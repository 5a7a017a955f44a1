#include "app/calendar/cycle_week_timetable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text/gbk.h"
#include "native/app/timetable/fake_editor_view.h"
#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

const CalendarDate kToday{2025, 9, 8};

constexpr int kMonday1 = CellIndex(1, 1);
constexpr int kTuesday1 = CellIndex(2, 1);

// A 2-week rotation: week 1 has Monday and Tuesday's first periods, week 2
// sets Monday's only. Written before the editor reads the cycle's length.
struct TwoWeekRunDirectory : test::TempDirectory {
  TwoWeekRunDirectory() {
    WriteFile("timetable.dat", Utf8ToGbk("[Monday]\r\n1=语文\r\n[Tuesday]\r\n1=英语\r\n"));
    WriteFile("calendar.dat",
              Utf8ToGbk("[Calendar]\r\nCycleWeeks=2\r\nWeek1=2025-09-01\r\n[Week2.Monday]\r\n1=数学\r\n"));
  }
};

class CycleWeekTimetableTest : public ::testing::Test {
 protected:
  int Choose(int week) { return ChooseEditorWeek(week, timetable_, editor_, grid_); }

  TwoWeekRunDirectory dir_;
  FakeEditorView grid_;
  CycleWeekTimetable timetable_{dir_.path(), [] { return kToday; }};
  TimetableEditor editor_{grid_, timetable_, {}};
};

TEST_F(CycleWeekTimetableTest, ChoosingAWeekShowsItsSubjectsWithWeek1WhereItSetsNone) {
  ASSERT_EQ(timetable_.cycle_weeks(), 2);
  EXPECT_EQ(timetable_.week(), 1);
  EXPECT_EQ(Choose(2), 2);
  EXPECT_EQ(grid_.cells[kMonday1], "数学");
  EXPECT_EQ(grid_.cells[kTuesday1], "英语");
  EXPECT_EQ(grid_.cells[CellIndex(6, 8)], "暂无");
  EXPECT_EQ(Choose(1), 1);
  EXPECT_EQ(grid_.cells[kMonday1], "语文");
  EXPECT_TRUE(grid_.messages.empty()) << "nothing was unsaved";

  grid_.cells.clear();
  timetable_.SetWeek(2);
  editor_.OnLoad();
  EXPECT_EQ(grid_.cells[kMonday1], "数学") << "读入当前课表 reads the week shown";
}

TEST_F(CycleWeekTimetableTest, SavingALaterWeekLeavesTimetableDatAsItWas) {
  const std::string week1Before = dir_.ReadFile("timetable.dat");
  ASSERT_EQ(Choose(2), 2);
  grid_.FillAll("体育");
  editor_.OnSave();
  EXPECT_EQ(dir_.ReadFile("timetable.dat"), week1Before);
  const CycleTimetableContents saved = CycleTimetables(dir_.path()).Load();
  EXPECT_EQ(saved.ReadSubject(2, 1, 1, "?"), "体育");
  EXPECT_EQ(saved.ReadSubject(2, 6, 8, "?"), "体育");
  EXPECT_EQ(saved.calendar().calendar.cycle_weeks, 2) << "the calendar itself is kept";

  const std::string calendarBefore = dir_.ReadFile("calendar.dat");
  ASSERT_EQ(Choose(1), 1);
  grid_.FillAll("美术");
  editor_.OnSave();
  EXPECT_EQ(dir_.ReadFile("calendar.dat"), calendarBefore);
  EXPECT_EQ(TimetableFile(dir_.path()).ReadSubject(6, 8, "?"), "美术");
}

TEST_F(CycleWeekTimetableTest, UnsavedChangesAreDroppedOnlyWhenTheTeacherAgrees) {
  grid_.cells[kMonday1] = "物理";
  grid_.answer = MessageBoxAnswer::kCancel;
  EXPECT_EQ(Choose(2), 1);
  EXPECT_EQ(grid_.messages, (std::vector<MessageBoxRequest>{
                                {"第1周的课程表有改动还没有保存。换到第2周，这些改动将丢失。", "设置课程表",
                                 kMbOkCancel | kMbIconExclamation}}));
  EXPECT_EQ(timetable_.week(), 1);
  EXPECT_EQ(grid_.cells[kMonday1], "物理") << "kept";

  grid_.answer = MessageBoxAnswer::kOk;
  EXPECT_EQ(Choose(2), 2);
  EXPECT_EQ(grid_.cells[kMonday1], "数学");
  EXPECT_EQ(grid_.messages.size(), 2u);
}

TEST(CycleWeekTimetableWithoutRotation, HasOnlyWeek1) {
  test::TempDirectory dir;
  FakeEditorView grid;
  CycleWeekTimetable timetable{dir.path(), [] { return kToday; }};
  TimetableEditor editor{grid, timetable, {}};
  EXPECT_EQ(timetable.cycle_weeks(), 1);
  EXPECT_EQ(ChooseEditorWeek(2, timetable, editor, grid), 1);
  EXPECT_TRUE(grid.cells.empty());
  timetable.SetWeek(2);
  EXPECT_EQ(timetable.week(), 1);
}

}  // namespace
}  // namespace tabulo::app
