#include "app/timetable/class_time_adjustment_window.h"

#include <array>
#include <memory>

#include "app/forms/edit_filter.h"
#include "app/forms/native_form_window.h"
#include "app/forms/open_window.h"
#include "app/forms/signed_digits_filter.h"
#include "app/timetable/class_time_adjustment.h"
#include "app/timetable/grid_layout.h"
#include "app/timetable/school_week.h"
#include "app/timetable/timetable_texts.h"
#include "base/win/window_text.h"

namespace tabulo::app {
namespace {

constexpr FormId kForm = FormId::kClassTimeAdjustment;
constexpr int kResetId = FormControlId(kForm, "按钮1");
constexpr int kSaveId = FormControlId(kForm, "按钮2");
constexpr int kExitId = FormControlId(kForm, "按钮3");
constexpr int kLoadId = FormControlId(kForm, "按钮4");
// The templates the grid is cloned from.
constexpr const FormControl& kDayHeader = FormControlOf(kForm, "标签1");
constexpr const FormControl& kPeriodLabel = FormControlOf(kForm, "标签2");
constexpr const FormControl& kSeparator = FormControlOf(kForm, "标签3");
constexpr const FormControl& kHourField = FormControlOf(kForm, "编辑框1");
constexpr const FormControl& kMinuteField = FormControlOf(kForm, "编辑框2");

class ClassTimeAdjustmentWindow final : public NativeFormWindow<ClassTimeAdjustmentView> {
 public:
  static constexpr FormId kForm = app::kForm;

  explicit ClassTimeAdjustmentWindow(AppContext& context)
      : NativeFormWindow(kForm, context), file_(context.runDirectory), logic_(*this, file_) {}

  [[nodiscard]] bool Build() {
    if (!Create()) return false;
    for (int day = 1; day <= kSchoolDays; ++day) {
      CloneControl(kDayHeader, AdjustmentHeaderRect(day), AdjustmentHeaderId(day), DayDisplayName(day));
    }
    for (int period = 1; period <= kPeriods; ++period) {
      CloneControl(kPeriodLabel, AdjustmentPeriodLabelRect(period), AdjustmentPeriodLabelId(period),
                   PeriodCaption(period));
      for (int day = 1; day <= kSchoolDays; ++day) {
        const int cell = CellIndex(day, period);
        hours_[cell - 1] = CloneTimeField(kHourField, AdjustmentHourRect(day, period),
                                          AdjustmentHourId(cell));
        minutes_[cell - 1] = CloneTimeField(kMinuteField, AdjustmentMinuteRect(day, period),
                                            AdjustmentMinuteId(cell));
        if (!hours_[cell - 1] || !minutes_[cell - 1]) return false;
        CloneControl(kSeparator, AdjustmentSeparatorRect(day, period), AdjustmentSeparatorId(cell),
                     timetable_texts::kTimeSeparator);
      }
    }
    ArrangeTabOrder();
    return true;
  }

 private:
  HWND CloneTimeField(const FormControl& model, const Rect& rect, int id) {
    HWND field = CloneControl(model, rect, id, "", ES_CENTER);
    if (!field) return nullptr;
    SendMessageW(field, EM_LIMITTEXT, kTimeFieldMaxCharacters, 0);
    if (!ApplyEditRules(field, {.acceptsTyped = AcceptsTypedCharacter, .acceptsText = {}})) return nullptr;
    return field;
  }

  void OnCommand(int id, int code, HWND) override {
    if (code != BN_CLICKED) return;
    switch (id) {
      case kResetId: logic_.OnResetValues(); break;
      case kSaveId: logic_.OnSave(); break;
      case kExitId: logic_.OnExit(); break;
      case kLoadId: logic_.OnLoad(); break;
      default: break;
    }
  }
  void OnClose() override { logic_.OnExit(); }

  // ClassTimeAdjustmentView
  std::string HourText(int cell) const override { return WindowText(hours_[cell - 1]); }
  std::string MinuteText(int cell) const override { return WindowText(minutes_[cell - 1]); }
  void SetHourText(int cell, std::string_view text) override { SetWindowTextUtf8(hours_[cell - 1], text); }
  void SetMinuteText(int cell, std::string_view text) override { SetWindowTextUtf8(minutes_[cell - 1], text); }
  TimetableFile file_;
  ClassTimeAdjustment logic_;
  std::array<HWND, kCells> hours_{};
  std::array<HWND, kCells> minutes_{};
};

}  // namespace

HWND OpenClassTimeAdjustment(AppContext& context) {
  return OpenWindow<ClassTimeAdjustmentWindow>(context);
}

}  // namespace tabulo::app
