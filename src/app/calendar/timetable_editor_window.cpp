#include "app/calendar/timetable_editor_window.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "app/calendar/calendar_window.h"
#include "app/calendar/cycle_week_timetable.h"
#include "app/calendar/editor_paste.h"
#include "app/calendar/editor_week_texts.h"
#include "app/forms/edit_filter.h"
#include "app/forms/native_control.h"
#include "app/forms/native_form_window.h"
#include "app/forms/open_window.h"
#include "app/timetable/class_time_adjustment_window.h"
#include "app/timetable/grid_layout.h"
#include "app/timetable/school_week.h"
#include "app/timetable/subject_picker_window.h"
#include "app/timetable/timetable_editor.h"
#include "base/win/geometry_win.h"
#include "base/win/local_time.h"
#include "base/win/wide_text.h"
#include "base/win/window_text.h"

namespace tabulo::app {
namespace {

constexpr FormId kForm = FormId::kTimetableEditor;
constexpr int kSaveId = FormControlId(kForm, "按钮1");
constexpr int kExitId = FormControlId(kForm, "按钮2");
constexpr int kLoadId = FormControlId(kForm, "按钮3");
constexpr int kChangeTimesId = FormControlId(kForm, "按钮4");
// The templates the grid is cloned from.
constexpr const FormControl& kDayHeader = FormControlOf(kForm, "标签1");
constexpr const FormControl& kPeriodLabel = FormControlOf(kForm, "标签2");
constexpr const FormControl& kCell = FormControlOf(kForm, "编辑框1");
// The week selector takes the grid's top-left corner, above the period
// labels and left of the day headers, where the form has nothing.
constexpr Rect kWeekSelectorPlace{12, 24, 68, 24};
// The calendar button takes the middle of the gap in the button row, between
// "更改上课时间&C" (ending at 216) and "保存课表&S" (starting at 450).
constexpr Rect kCalendarButtonPlace{285, 360, 96, 24};

// The clipboard's text; nothing when it holds none or another window has it open.
std::optional<std::string> ClipboardText(HWND owner) {
  if (!OpenClipboard(owner)) return std::nullopt;
  struct Closing {
    ~Closing() { CloseClipboard(); }
  } closing;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
  if (!text) return std::nullopt;
  struct Unlocking {
    HANDLE data;
    ~Unlocking() { GlobalUnlock(data); }
  } unlocking{data};
  return Narrow(std::wstring_view(text, wcsnlen(text, GlobalSize(data) / sizeof(wchar_t))));
}

CalendarDate Today() {
  const DateTime now = LocalNow();
  return {now.year, now.month, now.day};
}

class TimetableEditorWindow final : public NativeFormWindow<TimetableEditorView> {
 public:
  static constexpr FormId kForm = app::kForm;

  explicit TimetableEditorWindow(AppContext& context)
      : NativeFormWindow(kForm, context),
        timetable_(context.runDirectory, Today),
        logic_(*this, timetable_, [&context] {
          // The bar of the moment, if there is one.
          if (context.reloadBar) context.reloadBar();
        }) {}

  [[nodiscard]] bool Build() {
    if (!Create()) return false;
    for (int day = 1; day <= kSchoolDays; ++day) {
      CloneControl(kDayHeader, EditorHeaderRect(day), EditorHeaderId(day), DayDisplayName(day));
    }
    for (int period = 1; period <= kPeriods; ++period) {
      CloneControl(kPeriodLabel, EditorPeriodLabelRect(period), EditorPeriodLabelId(period), PeriodCaption(period));
      for (int day = 1; day <= kSchoolDays; ++day) {
        const int index = CellIndex(day, period);
        HWND field = CloneControl(kCell, EditorCellRect(day, period), EditorCellId(index), "", ES_CENTER);
        const EditRules rules{.acceptsTyped = {},
                              .acceptsText = CellAccepts,
                              .takesPaste = [this, index] { return PasteFromClipboard(index); }};
        if (!field || !ApplyEditRules(field, rules)) return false;
        cells_[index - 1] = field;
      }
    }
    if (timetable_.cycle_weeks() > 1 && !BuildWeekSelector()) return false;
    const FormControl calendarButton{.name = "校历",
                                     .kind = ControlKind::kPushButton,
                                     .rect = kCalendarButtonPlace,
                                     .visible = true,
                                     .text = editor_week_texts::kCalendarButton};
    if (!CloneControl(calendarButton, kCalendarButtonPlace, kEditorCalendarButtonId, calendarButton.text)) return false;
    ArrangeTabOrder();
    return true;
  }

 private:
  [[nodiscard]] bool BuildWeekSelector() {
    const auto weeks = static_cast<std::size_t>(std::clamp(timetable_.cycle_weeks(), 1, kMaxCycleWeeks));
    const FormControl selector{.name = "周次",
                               .kind = ControlKind::kDropDownList,
                               .rect = kWeekSelectorPlace,
                               .visible = true,
                               .items = std::span(editor_week_texts::kWeekItems).first(weeks)};
    HWND list = CloneControl(selector, kWeekSelectorPlace, kEditorWeekSelectorId, "");
    if (!list) return false;
    ChooseNumber(list, timetable_.week());
    return true;
  }

  // Spreadsheet rows on the clipboard fill the grid from `cell`.
  [[nodiscard]] bool PasteFromClipboard(int cell) {
    const std::optional<std::string> text = ClipboardText(hwnd());
    return text && PasteIntoEditor(*text, cell, *this);
  }

  // A closed list reports each change at once; an open one is followed
  // only once it closes, so arrowing through it asks nothing.
  void OnWeekSelectorChanged() {
    HWND list = Item(kEditorWeekSelectorId);
    if (SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0)) return;
    const int chosen = ChosenNumber(list);
    const int shown = ChooseEditorWeek(chosen, timetable_, logic_, *this);
    if (shown != chosen) ChooseNumber(list, shown);
  }

  void OnCommand(int id, int code, HWND) override {
    if (id >= EditorCellId(1) && id <= EditorCellId(kCells)) {
      if (code == EN_SETFOCUS) logic_.OnCellFocused(id - EditorCellId(0));
      return;
    }
    if (id == kEditorWeekSelectorId) {
      if (code == CBN_SELCHANGE || code == CBN_CLOSEUP) OnWeekSelectorChanged();
      return;
    }
    if (code != BN_CLICKED) return;
    switch (id) {
      case kSaveId: logic_.OnSave(); break;
      case kExitId: logic_.OnExit(); break;
      case kLoadId: logic_.OnLoad(); break;
      case kChangeTimesId: logic_.OnChangeClassTimes(); break;
      case kEditorCalendarButtonId: (void)OpenCalendarWindow(context()); break;
      default: break;
    }
  }
  void OnDestroying() override { logic_.OnDestroying(); }
  // The editor starts with no cell focused, so the picker waits for the
  // teacher's first click into a cell.
  HWND InitialFocus() const override { return nullptr; }

  // TimetableEditorView
  std::string CellText(int cell) const override { return WindowText(cells_[cell - 1]); }
  void SetCellText(int cell, std::string_view text) override { SetWindowTextUtf8(cells_[cell - 1], text); }
  void FocusCell(int cell) override { SetFocus(cells_[cell - 1]); }
  Point CursorPosition() const override {
    POINT cursor{};
    GetCursorPos(&cursor);
    return FromPOINT(cursor);
  }
  HWND Picker() const { return ListedWindow(context(), FormId::kSubjectPicker); }
  bool PickerOpen() const override { return Picker() != nullptr; }
  void OpenPicker() override {
    (void)OpenSubjectPicker(context(), {.onSubject = [this](std::string_view caption) { logic_.OnPickerSubject(caption); },
                               .onClose = [this] { logic_.OnPickerClose(); }});
  }
  void MovePicker(Point topLeft) override {
    if (HWND picker = Picker()) PlaceSubjectPicker(picker, ToPOINT(topLeft));
  }
  void DestroyPicker() override {
    if (HWND picker = Picker()) DestroyWindow(picker);
  }
  void OpenClassTimeAdjustment() override { (void)app::OpenClassTimeAdjustment(context()); }

  CycleWeekTimetable timetable_;
  TimetableEditor logic_;
  std::array<HWND, kCells> cells_{};
};

}  // namespace

HWND OpenTimetableEditor(AppContext& context) {
  return OpenWindow<TimetableEditorWindow>(context);
}

}  // namespace tabulo::app
