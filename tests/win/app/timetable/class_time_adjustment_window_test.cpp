#include "app/timetable/class_time_adjustment_window.h"

#include "../forms/native_form_fixture.h"
#include "app/timetable/school_week.h"
#include "app/timetable/timetable_file.h"

namespace tabulo::app {
namespace {

using namespace testing;

constexpr FormId kForm = FormId::kClassTimeAdjustment;
constexpr int kReset = FormControlId(kForm, "按钮1");
constexpr int kSave = FormControlId(kForm, "按钮2");
constexpr int kExit = FormControlId(kForm, "按钮3");
constexpr int kLoad = FormControlId(kForm, "按钮4");

class ClassTimeAdjustmentWindowTest : public NativeFormTest {
 protected:
  void SetUp() override {
    window_ = OpenClassTimeAdjustment(context_);
    ASSERT_NE(window_, nullptr);
  }
  HWND Hour(int cell) const { return GetDlgItem(window_, AdjustmentHourId(cell)); }
  HWND Minute(int cell) const { return GetDlgItem(window_, AdjustmentMinuteId(cell)); }
  void FillAll(const char* hour, const char* minute) {
    for (int cell = 1; cell <= kCells; ++cell) {
      SetWindowTextUtf8(Hour(cell), hour);
      SetWindowTextUtf8(Minute(cell), minute);
    }
  }

  HWND window_ = nullptr;
  TimetableFile file_{run_.path()};
};

TEST_F(ClassTimeAdjustmentWindowTest, LaysOutFieldsSeparatorsHeadersAndPeriodLabelsFromTheTemplates) {
  struct Case {
    int id;
    Rect placed;
    const char* text;
  };
  const Case kCases[] = {
      {AdjustmentHeaderId(1), {100, 16, 80, 24}, "星期一"},
      {AdjustmentHeaderId(6), {580, 16, 80, 24}, "星期六"},
      {AdjustmentPeriodLabelId(8), {24, 308, 56, 24}, "第8节"},
      {AdjustmentHourId(1), {80, 56, 32, 24}, ""},
      {AdjustmentMinuteId(1), {120, 56, 32, 24}, ""},
      {AdjustmentSeparatorId(1), {112, 53, 8, 32}, "："},
      {AdjustmentHourId(CellIndex(3, 2)), {272, 92, 32, 24}, ""},
      {AdjustmentHourId(kCells), {560, 308, 32, 24}, ""},
      {AdjustmentMinuteId(kCells), {600, 308, 32, 24}, ""},
      {AdjustmentSeparatorId(kCells), {592, 305, 8, 32}, "："},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(PlacedAt(window_, c.id), c.placed);
    EXPECT_EQ(TextOf(window_, c.id), c.text);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window_, c.id)));
  }
}

TEST_F(ClassTimeAdjustmentWindowTest, TimeFieldsTakeTwoCharactersOfDigitsAndMinus) {
  struct Case {
    const wchar_t* typed;
    const char* kept;
  };
  const Case kCases[] = {{L"100", "10"}, {L"7a", "7"}, {L"-5", "-5"}, {L"时5", "5"}, {L"５9", "9"}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.kept);
    SetWindowTextW(Minute(9), L"");
    Type(Minute(9), c.typed);
    EXPECT_EQ(WindowText(Minute(9)), c.kept);
  }
}

// With no timetable.dat "读入" falls back to the reset values, and "保存"
// then writes them.
TEST_F(ClassTimeAdjustmentWindowTest, LoadWithoutAFileGivesTheResetValuesWhichSaveWrites) {
  Click(window_, kLoad);
  EXPECT_EQ(WindowText(Hour(CellIndex(1, 4))), "10");
  EXPECT_EQ(WindowText(Minute(CellIndex(1, 4))), "35") << "Monday, period 4";
  EXPECT_EQ(WindowText(Minute(CellIndex(2, 4))), "30") << "Tuesday, period 4";
  EXPECT_FALSE(file_.Exists()) << "loading writes nothing";

  Click(window_, kSave);
  EXPECT_EQ(messages_.shown,
            (std::vector<MessageBoxRequest>{{"保存完毕，重启程序后生效!", "提示", MB_ICONINFORMATION}}));
  for (int cell = 1; cell <= kCells; ++cell) {
    const Cell c = CellOf(cell);
    EXPECT_EQ(file_.ReadStartHour(c.day, c.period, "<missing>"), WindowText(Hour(cell)));
    EXPECT_EQ(file_.ReadStartMinute(c.day, c.period, "<missing>"), WindowText(Minute(cell)));
  }
  EXPECT_EQ(file_.ReadStartHour(6, 8, ""), "16");
  EXPECT_EQ(file_.ReadStartMinute(6, 8, ""), "20");
}

TEST_F(ClassTimeAdjustmentWindowTest, SaveRefusesEmptyFieldsAndTimesPastTheDayButTakesTwentyThreeFiftyNine) {
  struct Case {
    const char* hour;
    const char* minute;
    const char* message;  // nullptr: saved
  };
  const Case kCases[] = {
      {"", "30", "请补充完整课程表!"},
      {"24", "0", "请正确填写课程表!"},
      {"7", "60", "请正确填写课程表!"},
      {"23", "59", nullptr},
      {"7", "5", nullptr},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.hour) + ":" + c.minute);
    messages_.shown.clear();
    Click(window_, kReset);
    SetWindowTextUtf8(Hour(kCells), c.hour);
    SetWindowTextUtf8(Minute(kCells), c.minute);
    Click(window_, kSave);
    ASSERT_EQ(messages_.shown.size(), 1u);
    if (c.message) {
      EXPECT_EQ(messages_.shown[0], (MessageBoxRequest{c.message, "保存失败", MB_ICONINFORMATION}));
      EXPECT_FALSE(file_.Exists()) << "nothing written";
    } else {
      EXPECT_EQ(messages_.shown[0].caption, "提示");
      EXPECT_EQ(file_.ReadStartHour(6, 8, ""), c.hour);
      EXPECT_EQ(file_.ReadStartMinute(6, 8, ""), c.minute);
    }
  }
}

TEST_F(ClassTimeAdjustmentWindowTest, ExitClosesWithoutWriting) {
  FillAll("8", "0");
  Click(window_, kExit);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_FALSE(file_.Exists());
}

}  // namespace
}  // namespace tabulo::app
