// The calendar window; see calendar_window.h.
#include "app/calendar/calendar_window.h"

#include <commctrl.h>

#include <algorithm>

#include "app/calendar/calendar_window_texts.h"
#include "app/calendar/date_picker.h"
#include "app/calendar/timetable_choice.h"
#include "app/forms/native_control.h"
#include "app/forms/open_window.h"
#include "base/win/local_time.h"
#include "base/win/wide_text.h"
#include "base/win/window_text.h"

namespace tabulo::app {
namespace {

constexpr FormId kForm = CalendarWindow::kForm;
constexpr int kCycleId = FormControlId(kForm, "组合框1");
constexpr int kCurrentWeekId = FormControlId(kForm, "组合框2");
constexpr int kWeek1Id = FormControlId(kForm, "日期框1");
constexpr int kChangeListId = FormControlId(kForm, "列表框1");
constexpr int kRemoveId = FormControlId(kForm, "按钮3");
constexpr int kDateId = FormControlId(kForm, "日期框2");
constexpr int kKindId = FormControlId(kForm, "组合框3");
constexpr int kSwapDayId = FormControlId(kForm, "组合框4");
constexpr int kSwapWeekId = FormControlId(kForm, "组合框5");
constexpr int kNoteId = FormControlId(kForm, "编辑框1");
constexpr int kAddId = FormControlId(kForm, "按钮4");
constexpr int kSaveId = FormControlId(kForm, "按钮1");
constexpr int kExitId = FormControlId(kForm, "按钮2");
// The period boxes 选择框1 .. 选择框8 are consecutive rows of the form.
constexpr int kFirstPeriodId = FormControlId(kForm, "选择框1");
static_assert(FormControlId(kForm, "选择框8") == kFirstPeriodId + kPeriods - 1);
// What only a swap or a skip uses, enabled for that kind alone.
constexpr int kSwapOnlyIds[] = {FormControlId(kForm, "标签7"), kSwapDayId, kSwapWeekId, FormControlId(kForm, "标签8")};
constexpr int kNoteMaxCharacters = 32;

void FillList(HWND list, const std::vector<std::string>& items) {
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
}

}  // namespace

CalendarWindow::CalendarWindow(AppContext& context)
    : NativeFormWindow(kForm, context), file_(context.runDirectory), logic_(*this, file_, [&context] {
        // The bar of the moment, if there is one.
        if (context.reloadBar) context.reloadBar();
      }) {}

bool CalendarWindow::Build() {
  if (!Create()) return false;
  week1Picker_ = MadeHere(FormControlOf(kForm, "日期框1"), kWeek1Id);
  datePicker_ = MadeHere(FormControlOf(kForm, "日期框2"), kDateId);
  changeList_ = MadeHere(FormControlOf(kForm, "列表框1"), kChangeListId);
  if (!week1Picker_ || !datePicker_ || !changeList_) return false;
  SendMessageW(Item(kNoteId), EM_LIMITTEXT, kNoteMaxCharacters, 0);
  ArrangeTabOrder();
  const DateTime now = LocalNow();
  logic_.Open({now.year, now.month, now.day});
  return true;
}

// The controls the form framework does not make, in the form's font and
// scale (a change of DPI later moves them with the form's own controls).
HWND CalendarWindow::MadeHere(const FormControl& control, int id) {
  const Rect rect = Scale().ToPixels(form().ClientRect(control));
  const auto font = reinterpret_cast<HFONT>(SendMessageW(Item(kAddId), WM_GETFONT, 0, 0));
  if (control.kind == ControlKind::kDatePicker) return CreateDatePicker(hwnd(), rect, id, font);
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_CLIPSIBLINGS | LBS_NOTIFY |
                                  LBS_NOINTEGRALHEIGHT,
                              rect.x, rect.y, rect.width, rect.height, hwnd(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (list && font) SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return list;
}

void CalendarWindow::OnCommand(int id, int code, HWND) {
  if (code == CBN_SELCHANGE) {
    switch (id) {
      case kCycleId: logic_.OnCycleWeeksChanged(); break;
      case kCurrentWeekId: logic_.OnCurrentWeekChanged(); break;
      case kKindId: logic_.OnKindChanged(); break;
      default: break;
    }
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case kAddId: logic_.OnAdd(); break;
    case kRemoveId: logic_.OnRemove(); break;
    case kSaveId: logic_.OnSave(); break;
    case kExitId: logic_.OnExit(); break;
    default: break;
  }
}

std::optional<LRESULT> CalendarWindow::OnMessage(UINT message, WPARAM, LPARAM lparam) {
  if (message != WM_NOTIFY) return std::nullopt;
  const auto* header = reinterpret_cast<const NMHDR*>(lparam);
  if (header->hwndFrom == week1Picker_ && header->code == DTN_DATETIMECHANGE) logic_.OnWeek1Changed();
  return std::nullopt;
}

void CalendarWindow::SetCycleWeeks(int weeks) { ChooseNumber(Item(kCycleId), weeks); }
int CalendarWindow::CycleWeeks() const { return std::max(1, ChosenNumber(Item(kCycleId))); }
void CalendarWindow::SetWeek1(const CalendarDate& date) { SetPickerDate(week1Picker_, date); }
CalendarDate CalendarWindow::Week1() const { return PickerDate(week1Picker_).value_or(CalendarDate{}); }

void CalendarWindow::SetCurrentWeek(int week, int weeks) {
  std::vector<std::string> numbers;
  for (int n = 1; n <= weeks; ++n) numbers.push_back(std::to_string(n));
  HWND list = Item(kCurrentWeekId);
  FillList(list, numbers);
  ChooseNumber(list, week);
  // Without rotation there is no week to count: both stay as they are, greyed.
  EnableWindow(list, weeks > 1);
  EnableWindow(week1Picker_, weeks > 1);
}
int CalendarWindow::CurrentWeek() const { return std::max(1, ChosenNumber(Item(kCurrentWeekId))); }

void CalendarWindow::OfferSwapWeeks(int weeks) {
  HWND list = Item(kSwapWeekId);
  const int kept = ChosenNumber(list);
  SchoolCalendar cycle;
  cycle.cycle_weeks = weeks;
  std::vector<std::string> names{std::string(calendar_window_texts::kOwnWeek)};
  for (int week = 1; week <= weeks && weeks > 1; ++week) names.push_back(CycleWeekName(cycle, week));
  FillList(list, names);
  ChooseNumber(list, kept >= 1 && kept <= static_cast<int>(names.size()) ? kept : 1);
  swapWeeksOffered_ = weeks;
}

void CalendarWindow::ShowChanges(const std::vector<std::string>& lines) {
  SendMessageW(changeList_, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : lines) {
    SendMessageW(changeList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(line).c_str()));
  }
}

std::optional<int> CalendarWindow::SelectedChange() const {
  const auto row = static_cast<int>(SendMessageW(changeList_, LB_GETCURSEL, 0, 0));
  if (row == LB_ERR) return std::nullopt;
  return row;
}

void CalendarWindow::SetChangeFields(const ChangeFields& fields) {
  SetPickerDate(datePicker_, fields.date);
  ChooseNumber(Item(kKindId), static_cast<int>(fields.kind) + 1);
  ChooseNumber(Item(kSwapDayId), fields.swap_day);
  ChooseNumber(Item(kSwapWeekId), fields.swap_week ? *fields.swap_week + 1 : 1);
  for (int period = 1; period <= kPeriods; ++period) {
    const bool ticked = (fields.skipped & PeriodBit(period)) != 0;
    SendMessageW(Item(kFirstPeriodId + period - 1), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  SetWindowTextUtf8(Item(kNoteId), fields.note);
}

ChangeFields CalendarWindow::ChangeFieldsShown() const {
  ChangeFields fields;
  fields.date = PickerDate(datePicker_).value_or(CalendarDate{});
  fields.kind = static_cast<ChangeKind>(std::max(0, ChosenNumber(Item(kKindId)) - 1));
  fields.swap_day = std::max(1, ChosenNumber(Item(kSwapDayId)));
  const int week = ChosenNumber(Item(kSwapWeekId)) - 1;  // 0: the date's own
  if (week >= 1 && week <= swapWeeksOffered_) fields.swap_week = week;
  for (int period = 1; period <= kPeriods; ++period) {
    if (SendMessageW(Item(kFirstPeriodId + period - 1), BM_GETCHECK, 0, 0) == BST_CHECKED) {
      fields.skipped |= PeriodBit(period);
    }
  }
  fields.note = WindowText(Item(kNoteId));
  return fields;
}

void CalendarWindow::EnableFieldsOf(ChangeKind kind) {
  for (int id : kSwapOnlyIds) EnableWindow(Item(id), kind == ChangeKind::kSwap);
  EnableWindow(Item(FormControlId(kForm, "标签9")), kind == ChangeKind::kSkipPeriods);
  for (int period = 1; period <= kPeriods; ++period) {
    EnableWindow(Item(kFirstPeriodId + period - 1), kind == ChangeKind::kSkipPeriods);
  }
}

HWND OpenCalendarWindow(AppContext& context) { return OpenWindow<CalendarWindow>(context); }

}  // namespace tabulo::app
