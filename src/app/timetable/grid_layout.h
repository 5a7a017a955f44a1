#pragma once
// Where the timetable editor and the class-time adjustment place the controls
// they clone from their forms' hidden templates: columns per school day, rows
// per period. Positions are computed in floating point from the templates'
// rectangles and truncated toward zero, as the forms were designed with, so
// the editor's columns fall at 88, 170, 252, 334, 417, 499.
#include "base/geometry/rect.h"

namespace tabulo::app {

// Timetable editor: day headers (标签1), period labels (标签2), cells (编辑框1).
[[nodiscard]] Rect EditorHeaderRect(int day);
[[nodiscard]] Rect EditorPeriodLabelRect(int period);
[[nodiscard]] Rect EditorCellRect(int day, int period);

// Class-time adjustment: day headers (标签1), period labels (标签2), hour
// fields (编辑框1), minute fields (编辑框2) and the "：" between them (标签3).
[[nodiscard]] Rect AdjustmentHeaderRect(int day);
[[nodiscard]] Rect AdjustmentPeriodLabelRect(int period);
[[nodiscard]] Rect AdjustmentHourRect(int day, int period);
[[nodiscard]] Rect AdjustmentMinuteRect(int day, int period);
[[nodiscard]] Rect AdjustmentSeparatorRect(int day, int period);

}  // namespace tabulo::app
