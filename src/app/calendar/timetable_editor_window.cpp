#include "app/calendar/timetable_editor_window.h"

#include <array>
#include <memory>

#include "app/forms/edit_filter.h"
#include "app/forms/native_form_window.h"
#include "app/forms/open_window.h"
#include "app/timetable/class_time_adjustment_window.h"
#include "app/timetable/grid_layout.h"
#include "app/timetable/school_week.h"
#include "app/timetable/subject_picker_window.h"
#include "app/timetable/timetable_editor.h"
#include "base/win/geometry_win.h"
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

class TimetableEditorWindow final : public NativeFormWindow<TimetableEditorView> {
 public:
  static constexpr FormId kForm = app::kForm;

  explicit TimetableEditorWindow(AppContext& context)
      : NativeFormWindow(kForm, context), file_(context.runDirectory), logic_(*this, file_, [&context] {
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
        if (!field || !ApplyEditRules(field, {.acceptsTyped = {}, .acceptsText = CellAccepts})) return false;
        cells_[index - 1] = field;
      }
    }
    ArrangeTabOrder();
    return true;
  }

 private:
  void OnCommand(int id, int code, HWND) override {
    if (id >= EditorCellId(1) && id <= EditorCellId(kCells)) {
      if (code == EN_SETFOCUS) logic_.OnCellFocused(id - EditorCellId(0));
      return;
    }
    if (code != BN_CLICKED) return;
    switch (id) {
      case kSaveId: logic_.OnSave(); break;
      case kExitId: logic_.OnExit(); break;
      case kLoadId: logic_.OnLoad(); break;
      case kChangeTimesId: logic_.OnChangeClassTimes(); break;
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

  TimetableFile file_;
  TimetableEditor logic_;
  std::array<HWND, kCells> cells_{};
};

}  // namespace

HWND OpenTimetableEditor(AppContext& context) {
  return OpenWindow<TimetableEditorWindow>(context);
}

}  // namespace tabulo::app
