#include "app/timetable/grid_layout.h"

#include "app/forms/form_catalogue.h"

namespace tabulo::app {

namespace {

constexpr double kEditorColumnFactor = 1.47;  // column step = cell width × 1.47
constexpr double kAdjustmentColumnFactor = 3;
constexpr double kRowFactor = 1.5;  // row step = height × 1.5

// The hidden templates of the two forms.
constexpr Rect kEditorHeader = FormControlOf(FormId::kTimetableEditor, "标签1").rect;
constexpr Rect kEditorPeriodLabel = FormControlOf(FormId::kTimetableEditor, "标签2").rect;
constexpr Rect kEditorCell = FormControlOf(FormId::kTimetableEditor, "编辑框1").rect;
constexpr Rect kAdjustmentHeader = FormControlOf(FormId::kClassTimeAdjustment, "标签1").rect;
constexpr Rect kAdjustmentPeriodLabel = FormControlOf(FormId::kClassTimeAdjustment, "标签2").rect;
constexpr Rect kAdjustmentHour = FormControlOf(FormId::kClassTimeAdjustment, "编辑框1").rect;
constexpr Rect kAdjustmentMinute = FormControlOf(FormId::kClassTimeAdjustment, "编辑框2").rect;
constexpr Rect kAdjustmentSeparator = FormControlOf(FormId::kClassTimeAdjustment, "标签3").rect;

// base + index × step, with the step in floating point, truncated.
int Step(int base, int index, int size, double factor) {
  return static_cast<int>(base + static_cast<double>(index) * size * factor);
}

// A clone of `original` moved to column `day` and row `period`, both steps
// measured on `measure` (the template that sets the grid).
Rect Clone(Rect original, const Rect& measure, int day, int period, double columnFactor) {
  original.x = Step(original.x, day - 1, measure.width, columnFactor);
  original.y = Step(original.y, period - 1, measure.height, kRowFactor);
  return original;
}

}  // namespace

Rect EditorHeaderRect(int day) { return Clone(kEditorHeader, kEditorCell, day, 1, kEditorColumnFactor); }

Rect EditorPeriodLabelRect(int period) {
  return Clone(kEditorPeriodLabel, kEditorPeriodLabel, 1, period, kEditorColumnFactor);
}

Rect EditorCellRect(int day, int period) { return Clone(kEditorCell, kEditorCell, day, period, kEditorColumnFactor); }

Rect AdjustmentHeaderRect(int day) {
  return Clone(kAdjustmentHeader, kAdjustmentHour, day, 1, kAdjustmentColumnFactor);
}

Rect AdjustmentPeriodLabelRect(int period) {
  return Clone(kAdjustmentPeriodLabel, kAdjustmentHour, 1, period, kAdjustmentColumnFactor);
}

Rect AdjustmentHourRect(int day, int period) {
  return Clone(kAdjustmentHour, kAdjustmentHour, day, period, kAdjustmentColumnFactor);
}

Rect AdjustmentMinuteRect(int day, int period) {
  return Clone(kAdjustmentMinute, kAdjustmentMinute, day, period, kAdjustmentColumnFactor);
}

Rect AdjustmentSeparatorRect(int day, int period) {
  return Clone(kAdjustmentSeparator, kAdjustmentMinute, day, period, kAdjustmentColumnFactor);
}

}  // namespace tabulo::app
