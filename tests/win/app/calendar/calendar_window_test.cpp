#include "app/calendar/calendar_window.h"

#include <commctrl.h>

#include "../forms/native_form_fixture.h"
#include "app/calendar/calendar_window_texts.h"
#include "app/calendar/change_line.h"
#include "base/file/atomic_file.h"
#include "base/win/local_time.h"
#include "base/win/wide_text.h"

namespace tabulo::app {
namespace {

using namespace testing;
namespace texts = calendar_window_texts;

constexpr FormId kForm = FormId::kCalendarWindow;
constexpr int kCycle = FormControlId(kForm, "组合框1");
constexpr int kCurrentWeek = FormControlId(kForm, "组合框2");
constexpr int kWeek1 = FormControlId(kForm, "日期框1");
constexpr int kChangeList = FormControlId(kForm, "列表框1");
constexpr int kRemove = FormControlId(kForm, "按钮3");
constexpr int kDate = FormControlId(kForm, "日期框2");
constexpr int kKind = FormControlId(kForm, "组合框3");
constexpr int kSwapDay = FormControlId(kForm, "组合框4");
constexpr int kSwapWeek = FormControlId(kForm, "组合框5");
constexpr int kFirstPeriod = FormControlId(kForm, "选择框1");
constexpr int kNote = FormControlId(kForm, "编辑框1");
constexpr int kAdd = FormControlId(kForm, "按钮4");
constexpr int kSave = FormControlId(kForm, "按钮1");

CalendarDate Today() {
  const DateTime now = LocalNow();
  return {now.year, now.month, now.day};
}

// The first date after today that falls on `weekday` (0 = Sunday).
CalendarDate Next(int weekday) {
  CalendarDate date = AddDays(Today(), 1);
  while (WeekdayOf(date) != weekday) date = AddDays(date, 1);
  return date;
}

DatedChange Holiday(const CalendarDate& date, std::string note) {
  DatedChange change;
  change.date = date;
  change.note = std::move(note);
  return change;
}

DatedChange Swap(const CalendarDate& date, int day, int week) {
  DatedChange change;
  change.date = date;
  change.kind = ChangeKind::kSwap;
  change.day = day;
  change.week = week;
  return change;
}

class CalendarWindowTest : public NativeFormTest {
 protected:
  HWND Open() {
    HWND hwnd = OpenCalendarWindow(context_);
    EXPECT_NE(hwnd, nullptr);
    return hwnd;
  }
  // An item chosen as the teacher chooses it: the window hears of it.
  static void Choose(HWND hwnd, int id, int item) {
    HWND list = GetDlgItem(hwnd, id);
    SendMessageW(list, CB_SETCURSEL, item, 0);
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  }
  static void SetDate(HWND hwnd, int id, const CalendarDate& date) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    SendDlgItemMessageW(hwnd, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
  }
  static CalendarDate DateOf(HWND hwnd, int id) {
    SYSTEMTIME time{};
    SendDlgItemMessageW(hwnd, id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return {time.wYear, time.wMonth, time.wDay};
  }
  static std::vector<std::string> ListedLines(HWND hwnd) {
    std::vector<std::string> lines;
    const auto count = SendDlgItemMessageW(hwnd, kChangeList, LB_GETCOUNT, 0, 0);
    for (int row = 0; row < count; ++row) {
      std::wstring line(SendDlgItemMessageW(hwnd, kChangeList, LB_GETTEXTLEN, row, 0), L'\0');
      SendDlgItemMessageW(hwnd, kChangeList, LB_GETTEXT, row, reinterpret_cast<LPARAM>(line.data()));
      lines.push_back(Narrow(line));
    }
    return lines;
  }
  static bool Enabled(HWND hwnd, int id) { return IsWindowEnabled(GetDlgItem(hwnd, id)) != FALSE; }
  CalendarData Stored() const { return CalendarFile(run_.path()).Load().data; }
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> shown;
    for (const MessageBoxRequest& m : messages_.shown) shown.push_back(m.text);
    return shown;
  }
};

TEST_F(CalendarWindowTest, OpensOnceAndShowsThisWeekAsWeek1WithoutAFile) {
  HWND hwnd = Open();
  EXPECT_EQ(WindowText(hwnd), "校历与调课");
  EXPECT_EQ(OpenCalendarWindow(context_), hwnd) << "the open one is brought forward";
  EXPECT_EQ(SendDlgItemMessageW(hwnd, kCycle, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(DateOf(hwnd, kWeek1), MondayOfWeek(Today()));
  EXPECT_EQ(DateOf(hwnd, kDate), Today());
  EXPECT_EQ(SendDlgItemMessageW(hwnd, kCurrentWeek, CB_GETCOUNT, 0, 0), 1);
  EXPECT_TRUE(ListedLines(hwnd).empty());
  EXPECT_FALSE(Enabled(hwnd, kSwapDay)) << "a holiday names no day";
  EXPECT_FALSE(Enabled(hwnd, kFirstPeriod));
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(CalendarWindowTest, SavesTheCycleAndTheChangesAndSavesARemovalAgain) {
  const CalendarDate holiday = AddDays(Today(), 3);
  const CalendarDate saturday = Next(6);
  HWND hwnd = Open();
  Choose(hwnd, kCycle, 1);  // 单双周
  ASSERT_EQ(SendDlgItemMessageW(hwnd, kCurrentWeek, CB_GETCOUNT, 0, 0), 2);
  Choose(hwnd, kCurrentWeek, 1);  // 本周是第 2 周
  EXPECT_EQ(DateOf(hwnd, kWeek1), AddDays(MondayOfWeek(Today()), -7));

  SetDate(hwnd, kDate, holiday);
  SetDlgItemTextW(hwnd, kNote, L"运动会");
  Click(hwnd, kAdd);
  SetDate(hwnd, kDate, saturday);
  SetDlgItemTextW(hwnd, kNote, L"");
  Choose(hwnd, kKind, 1);  // 调休
  EXPECT_TRUE(Enabled(hwnd, kSwapDay));
  EXPECT_FALSE(Enabled(hwnd, kFirstPeriod));
  Choose(hwnd, kSwapDay, 4);   // 星期五
  Choose(hwnd, kSwapWeek, 1);  // 单周
  Click(hwnd, kAdd);
  ASSERT_EQ(ListedLines(hwnd).size(), 2u);
  EXPECT_TRUE(messages_.shown.empty());
  Click(hwnd, kSave);

  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{std::string(texts::kSaved)}));
  EXPECT_EQ(barReloads_, 1);
  CalendarData stored = Stored();
  EXPECT_EQ(stored.calendar.cycle_weeks, 2);
  EXPECT_EQ(stored.calendar.CycleWeekOf(Today()), 2);
  std::vector<DatedChange> expected{Holiday(holiday, "运动会"), Swap(saturday, 5, 1)};
  EXPECT_EQ(stored.calendar.changes, expected);

  // Opened again, the list says each change in one line, by date.
  hwnd = Open();
  std::vector<DatedChange> byDate = stored.calendar.UpcomingChanges(Today());
  std::vector<std::string> lines;
  for (const DatedChange& change : byDate) lines.push_back(ChangeLine(change, stored.calendar));
  EXPECT_EQ(ListedLines(hwnd), lines);
  const int holidayRow = byDate[0] == expected[0] ? 0 : 1;
  SendDlgItemMessageW(hwnd, kChangeList, LB_SETCURSEL, holidayRow, 0);
  Click(hwnd, kRemove);
  EXPECT_EQ(ListedLines(hwnd).size(), 1u);
  Click(hwnd, kSave);
  EXPECT_EQ(Stored().calendar.changes, std::vector<DatedChange>{Swap(saturday, 5, 1)});
  EXPECT_EQ(barReloads_, 2);
}

TEST_F(CalendarWindowTest, AReadOnlyFileIsReportedKeptAsItWasAndTheWindowStaysOpen) {
  const std::filesystem::path file = run_.path() / "calendar.dat";
  const std::string before = "[Calendar]\r\nCycleWeeks=1\r\n";
  ASSERT_TRUE(ReplaceFileBytes(file, before));
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
  HWND hwnd = Open();
  SetDate(hwnd, kDate, AddDays(Today(), 1));
  Click(hwnd, kAdd);
  Click(hwnd, kSave);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{std::string(texts::kNotSaved)}));
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_EQ(ListedLines(hwnd).size(), 1u);
  EXPECT_EQ(barReloads_, 0);
  EXPECT_EQ(ReadFileBytes(file), before);
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);  // so the folder can go
}

}  // namespace
}  // namespace tabulo::app
