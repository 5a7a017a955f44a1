#include "app/calendar/timetable_editor_window.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "../forms/native_form_fixture.h"
#include "app/calendar/cycle_timetables.h"
#include "app/timetable/school_week.h"
#include "app/timetable/timetable_file.h"
#include "app/timetable/timetable_texts.h"
#include "base/text/gbk.h"

namespace tabulo::app {
namespace {

using namespace testing;

constexpr FormId kForm = FormId::kTimetableEditor;
constexpr int kSave = FormControlId(kForm, "按钮1");
constexpr int kExit = FormControlId(kForm, "按钮2");
constexpr int kChangeTimes = FormControlId(kForm, "按钮4");
constexpr int kWednesdayPeriod2 = 9;

// Puts `text` on the clipboard, as a spreadsheet leaves a copied range.
void PutOnClipboard(HWND owner, std::wstring_view text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  ASSERT_NE(memory, nullptr);
  auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
  std::memcpy(copy, text.data(), text.size() * sizeof(wchar_t));
  copy[text.size()] = L'\0';
  GlobalUnlock(memory);
  EXPECT_NE(SetClipboardData(CF_UNICODETEXT, memory), nullptr);  // the clipboard owns it now
  CloseClipboard();
}

constexpr wchar_t kCtrlV = 0x16;  // the character Ctrl+V types

class TimetableEditorWindowTest : public NativeFormTest {
 protected:
  void SetUp() override {
    editor_ = OpenTimetableEditor(context_);
    ASSERT_NE(editor_, nullptr);
  }
  HWND CellField(int cell) const { return GetDlgItem(editor_, EditorCellId(cell)); }
  HWND Picker() const { return ListedWindow(context_, FormId::kSubjectPicker); }
  HWND PickerButton(const char* name) const {
    return GetDlgItem(Picker(), kFirstFormControlId + static_cast<int>(GetForm(FormId::kSubjectPicker).Find(name) -
                                                                      GetForm(FormId::kSubjectPicker).controls.data()));
  }
  void FillCells() {
    for (int cell = 1; cell <= kCells; ++cell) SetWindowTextUtf8(CellField(cell), "课" + std::to_string(cell));
  }

  HWND editor_ = nullptr;
  TimetableFile file_{run_.path()};
};

TEST_F(TimetableEditorWindowTest, LaysOutHeadersPeriodLabelsAndCellsFromTheTemplates) {
  struct Case {
    int id;
    Rect placed;
    const char* text;
  };
  const Case kCases[] = {
      {EditorHeaderId(1), {98, 24, 80, 24}, "星期一"},
      {EditorHeaderId(5), {427, 24, 80, 24}, "星期五"},
      {EditorPeriodLabelId(1), {16, 64, 56, 24}, "第1节"},
      {EditorPeriodLabelId(8), {16, 316, 56, 24}, "第8节"},
      {EditorCellId(1), {88, 64, 56, 24}, ""},
      {EditorCellId(kWednesdayPeriod2), {252, 100, 56, 24}, ""},
      {EditorCellId(CellIndex(5, 4)), {417, 172, 56, 24}, ""},
      {EditorCellId(kCells), {499, 316, 56, 24}, ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(PlacedAt(editor_, c.id), c.placed);
    EXPECT_EQ(TextOf(editor_, c.id), c.text);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(editor_, c.id)));
  }
  EXPECT_EQ(GetFocus(), editor_) << "no cell has the focus, so no picker yet";
  EXPECT_EQ(Picker(), nullptr);
  EXPECT_EQ(GetDlgItem(editor_, kEditorWeekSelectorId), nullptr) << "no calendar, no rotation: no week selector";
}

// Five bytes of GBK: two Chinese characters and one ASCII character.
TEST_F(TimetableEditorWindowTest, ACellTakesTypingUpToFiveGbkBytes) {
  struct Case {
    const wchar_t* typed;
    const char* kept;
  };
  const Case kCases[] = {
      {L"语文ab", "语文a"}, {L"a语文b", "a语文"}, {L"物理化学", "物理"}, {L"abcdefg", "abcde"}, {L"体育", "体育"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.kept);
    SetWindowTextW(CellField(1), L"");
    Type(CellField(1), c.typed);
    EXPECT_EQ(WindowText(CellField(1)), c.kept);
  }
  SetWindowTextW(CellField(2), L"ab");
  SendMessageW(CellField(2), EM_SETSEL, 1, 1);
  Type(CellField(2), L"信息");
  EXPECT_EQ(WindowText(CellField(2)), "a信b") << "a refused character leaves text and caret as they were";
}

TEST_F(TimetableEditorWindowTest, SaveWritesTheFortyEightCellsReloadsTheBarAndSaysSo) {
  FillCells();
  SetWindowTextUtf8(CellField(CellIndex(6, 8)), "无");
  Click(editor_, kSave);
  for (int cell = 1; cell <= kCells; ++cell) {
    const Cell c = CellOf(cell);
    EXPECT_EQ(file_.ReadSubject(c.day, c.period, "<missing>"), cell == kCells ? "无" : "课" + std::to_string(cell));
  }
  EXPECT_EQ(barReloads_, 1);
  EXPECT_EQ(messages_.shown,
            (std::vector<MessageBoxRequest>{{"保存完毕!", "提示", MB_ICONINFORMATION}}));
  EXPECT_TRUE(IsWindow(editor_)) << "the editor stays open";
}

TEST_F(TimetableEditorWindowTest, SaveWithAnEmptyCellWritesNothing) {
  FillCells();
  SetWindowTextW(CellField(17), L"");
  Click(editor_, kSave);
  EXPECT_FALSE(file_.Exists());
  EXPECT_EQ(barReloads_, 0);
  EXPECT_EQ(messages_.shown,
            (std::vector<MessageBoxRequest>{{"请补充完整课程表!", "保存失败", MB_ICONINFORMATION}}));
}

// Alt+R reaches "读入当前课表&R" through the dialog keys, with a cell focused.
TEST_F(TimetableEditorWindowTest, LoadReadsEveryDayAndShowsMissingDaysAsNoSubject) {
  SetFocus(CellField(1));
  PostMessageW(GetFocus(), WM_SYSCHAR, 'r', 1 << 29);
  PumpUntil([&] { return !messages_.shown.empty(); }, 1000);
  EXPECT_EQ(messages_.shown,
            (std::vector<MessageBoxRequest>{{"课程表文件不存在!", "读取错误", MB_ICONINFORMATION}}));

  run_.WriteFile("timetable.dat", Utf8ToGbk("[Monday]\r\n1=语文\r\n8=物理\r\n[Friday]\r\n3=英语\r\n"));
  messages_.shown.clear();
  SetFocus(CellField(1));
  PostMessageW(GetFocus(), WM_SYSCHAR, 'r', 1 << 29);
  ASSERT_TRUE(PumpUntil([&] { return WindowText(CellField(1)) == "语文"; }, 1000));
  EXPECT_EQ(WindowText(CellField(CellIndex(1, 8))), "物理");
  EXPECT_EQ(WindowText(CellField(CellIndex(5, 3))), "英语");
  for (int period = 1; period <= kPeriods; ++period) {
    EXPECT_EQ(WindowText(CellField(CellIndex(6, period))), "暂无") << "Saturday, period " << period;
  }
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(TimetableEditorWindowTest, TheFocusedCellOpensThePickerNextToTheCursorAndTakesItsSubject) {
  ASSERT_TRUE(SetCursorPos(400, 300));
  SetFocus(CellField(kWednesdayPeriod2));
  ASSERT_NE(Picker(), nullptr);
  RECT placed{};
  GetWindowRect(Picker(), &placed);
  EXPECT_EQ(placed.left, 412);
  EXPECT_EQ(placed.top, 328);
  EXPECT_TRUE(IsWindowVisible(Picker()));
  EXPECT_EQ(GetFocus(), CellField(kWednesdayPeriod2)) << "the caret stays in the cell";

  SendMessageW(PickerButton("按钮11"), BM_CLICK, 0, 0);  // "信息技术"
  EXPECT_EQ(WindowText(CellField(kWednesdayPeriod2)), "信息");
  SendMessageW(PickerButton("按钮1"), BM_CLICK, 0, 0);  // "语文" replaces it
  EXPECT_EQ(WindowText(CellField(kWednesdayPeriod2)), "语文");

  SendMessageW(PickerButton("按钮13"), BM_CLICK, 0, 0);  // "×"
  EXPECT_EQ(Picker(), nullptr);
  ASSERT_TRUE(SetCursorPos(600, 500));
  SetFocus(CellField(1));
  ASSERT_NE(Picker(), nullptr) << "the next focused cell opens it again";
  GetWindowRect(Picker(), &placed);
  EXPECT_EQ(placed.left, 612);
  EXPECT_EQ(placed.top, 528);
}

TEST_F(TimetableEditorWindowTest, ThePickerGoesWithTheEditor) {
  struct Case {
    const char* how;
    void (*close)(HWND);
  };
  const Case kCases[] = {
      {"退出&E", [](HWND editor) { Click(editor, kExit); }},
      {"close box", [](HWND editor) { SendMessageW(editor, WM_CLOSE, 0, 0); }},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.how);
    if (!IsWindow(editor_)) editor_ = OpenTimetableEditor(context_);
    SetFocus(CellField(1));
    HWND picker = Picker();
    ASSERT_NE(picker, nullptr);
    c.close(editor_);
    EXPECT_FALSE(IsWindow(editor_));
    EXPECT_FALSE(IsWindow(picker));
  }
}

TEST_F(TimetableEditorWindowTest, TheCalendarButtonOpensTheCalendarWindowAndKeepsTheEditor) {
  EXPECT_EQ(TextOf(editor_, kEditorCalendarButtonId), "校历与调课&L");
  Click(editor_, kEditorCalendarButtonId);
  HWND calendar = ListedWindow(context_, FormId::kCalendarWindow);
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(WindowText(calendar), "校历与调课");
  EXPECT_TRUE(IsWindow(editor_));
}

TEST_F(TimetableEditorWindowTest, ChangingClassTimesWarnsThenOpensTheAdjustmentAndKeepsTheEditor) {
  // The adjustment must not be open yet while the warning is up.
  bool adjustmentOpenDuringWarning = true;
  messages_.onShow = [&] {
    adjustmentOpenDuringWarning = ListedWindow(context_, FormId::kClassTimeAdjustment) != nullptr;
  };
  Click(editor_, kChangeTimes);
  EXPECT_EQ(messages_.shown, (std::vector<MessageBoxRequest>{
                                 {timetable_texts::kChangeTimesWarning, "警告", MB_OK | MB_ICONEXCLAMATION}}));
  EXPECT_FALSE(adjustmentOpenDuringWarning);
  EXPECT_NE(ListedWindow(context_, FormId::kClassTimeAdjustment), nullptr);
  EXPECT_TRUE(IsWindow(editor_));
}

// Two periods of three days from Tuesday, period 1, with two subjects too
// long for a cell.
TEST_F(TimetableEditorWindowTest, CtrlVOfSpreadsheetRowsFillsTheGridFromTheFocusedCellAndListsWhatWasCut) {
  PutOnClipboard(editor_, L"语文\t数学\t信息技术\r\n英语\t化学\t心理健康\r\n");
  SetFocus(CellField(CellIndex(2, 1)));
  Type(CellField(CellIndex(2, 1)), {&kCtrlV, 1});
  struct Case {
    int day, period;
    const char* text;
  };
  const Case kCases[] = {{1, 1, ""},     {2, 1, "语文"}, {3, 1, "数学"}, {4, 1, "信息"}, {5, 1, ""},
                         {2, 2, "英语"}, {3, 2, "化学"}, {4, 2, "心理"}, {2, 3, ""}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(CellIndex(c.day, c.period));
    EXPECT_EQ(WindowText(CellField(CellIndex(c.day, c.period))), c.text);
  }
  EXPECT_EQ(messages_.shown, (std::vector<MessageBoxRequest>{{"以下内容超过 5 个字节，已截断：信息技术→信息，心理健康→心理",
                                                              "信息：", MB_ICONINFORMATION}}));

  messages_.shown.clear();
  PutOnClipboard(editor_, L"体育");
  SetFocus(CellField(kCells));
  Type(CellField(kCells), {&kCtrlV, 1});
  EXPECT_EQ(WindowText(CellField(kCells)), "体育") << "plain text: the cell's own paste";
  EXPECT_EQ(WindowText(CellField(kCells - 6)), "");
  EXPECT_TRUE(messages_.shown.empty());
}

// A 2-week rotation, written before the editor opens and reads it; week 2
// sets nothing of its own yet, so it reads as week 1.
class TimetableEditorWeeksTest : public TimetableEditorWindowTest {
 protected:
  void SetUp() override {
    run_.WriteFile("timetable.dat", Utf8ToGbk("[Monday]\r\n1=语文\r\n"));
    run_.WriteFile("calendar.dat", "[Calendar]\r\nCycleWeeks=2\r\nWeek1=2025-09-01\r\n");
    TimetableEditorWindowTest::SetUp();
  }
  HWND Selector() const { return GetDlgItem(editor_, kEditorWeekSelectorId); }
  // The arrow keys step through the closed list, as a teacher's would.
  void ChooseWeek(int week) {
    SetFocus(Selector());
    const int steps = week - 1 - static_cast<int>(SendMessageW(Selector(), CB_GETCURSEL, 0, 0));
    for (int i = 0; i < std::abs(steps); ++i) PressKey(steps > 0 ? VK_DOWN : VK_UP);
  }
  void FillCells(const std::string& prefix) {
    for (int cell = 1; cell <= kCells; ++cell) SetWindowTextUtf8(CellField(cell), prefix + std::to_string(cell));
  }
};

TEST_F(TimetableEditorWeeksTest, ShowsAWeekSelectorAndACalendarButtonThatCoverNoOtherControl) {
  ASSERT_NE(Selector(), nullptr);
  EXPECT_TRUE(IsWindowVisible(Selector()));
  ASSERT_EQ(SendMessageW(Selector(), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(Selector(), CB_GETCURSEL, 0, 0), 0) << "week 1 first";
  wchar_t item[16]{};
  SendMessageW(Selector(), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, L"第2周");

  for (const int added : {kEditorWeekSelectorId, kEditorCalendarButtonId}) {
    HWND control = GetDlgItem(editor_, added);
    ASSERT_NE(control, nullptr) << added;
    const RECT placed = ToRECT(WindowRectOf(control));
    for (HWND child = GetWindow(editor_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (child == control || !IsWindowVisible(child)) continue;
      const RECT other = ToRECT(WindowRectOf(child));
      RECT overlap{};
      EXPECT_FALSE(IntersectRect(&overlap, &placed, &other)) << added << " covers " << GetDlgCtrlID(child);
    }
  }
}

TEST_F(TimetableEditorWeeksTest, SavingWeek2WritesCalendarDatAndWeek1TimetableDat) {
  const std::string week1Before = run_.ReadFile("timetable.dat");
  ChooseWeek(2);
  EXPECT_EQ(WindowText(CellField(1)), "语文") << "week 2 reads as week 1 where it sets nothing";
  EXPECT_EQ(WindowText(CellField(kCells)), "暂无");
  FillCells("乙");
  Click(editor_, kSave);
  EXPECT_EQ(run_.ReadFile("timetable.dat"), week1Before);
  const CycleTimetableContents saved = CycleTimetables(run_.path()).Load();
  EXPECT_EQ(saved.ReadSubject(2, 1, 1, "?"), "乙1");
  EXPECT_EQ(saved.ReadSubject(2, 6, 8, "?"), "乙48");
  EXPECT_EQ(saved.calendar().calendar.cycle_weeks, 2);
  EXPECT_EQ(barReloads_, 1);

  const std::string calendarBefore = run_.ReadFile("calendar.dat");
  ChooseWeek(1);
  EXPECT_EQ(WindowText(CellField(1)), "语文");
  FillCells("甲");
  Click(editor_, kSave);
  EXPECT_EQ(run_.ReadFile("calendar.dat"), calendarBefore);
  EXPECT_EQ(file_.ReadSubject(1, 1, "?"), "甲1");
  EXPECT_EQ(file_.ReadSubject(6, 8, "?"), "甲48");
  EXPECT_EQ(messages_.shown, (std::vector<MessageBoxRequest>(2, {"保存完毕!", "提示", MB_ICONINFORMATION})))
      << "saved work: no question on the way";
}

TEST_F(TimetableEditorWeeksTest, KeepingUnsavedChangesKeepsTheWeekInTheSelector) {
  SetWindowTextUtf8(CellField(1), "物理");
  messages_.answer = MessageBoxAnswer::kCancel;
  ChooseWeek(2);
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].flags, static_cast<unsigned>(MB_OKCANCEL | MB_ICONEXCLAMATION));
  EXPECT_EQ(SendMessageW(Selector(), CB_GETCURSEL, 0, 0), 0) << "back on week 1";
  EXPECT_EQ(WindowText(CellField(1)), "物理");

  messages_.answer = MessageBoxAnswer::kOk;
  ChooseWeek(2);
  EXPECT_EQ(SendMessageW(Selector(), CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(WindowText(CellField(1)), "语文") << "week 2, which reads as week 1";
  EXPECT_EQ(messages_.shown.size(), 2u);
}

}  // namespace
}  // namespace tabulo::app
