#pragma once
// The timetable editor "设置课程表": 48 cells cloned from the form's hidden
// template, day headers and period labels, the four buttons and the subject
// picker, mapped onto the editor logic (timetable_editor.h). When the school
// calendar rotates through several weeks, a week selector chooses the week
// the grid loads and saves (cycle_week_timetable.h); a button opens the
// calendar window, where the rotation is set.
#include <windows.h>

#include "app/forms/app_context.h"

namespace tabulo::app {

// Child-window ids of the cloned controls (cell index 1 to 48, day 1 to 6,
// period 1 to 8).
[[nodiscard]] constexpr int EditorCellId(int cell) { return 1000 + cell; }
[[nodiscard]] constexpr int EditorHeaderId(int day) { return 1100 + day; }
[[nodiscard]] constexpr int EditorPeriodLabelId(int period) { return 1200 + period; }
// The week selector, only with a rotation ("第1周" … "第N周").
inline constexpr int kEditorWeekSelectorId = 1300;
// The button that opens the calendar window "校历与调课".
inline constexpr int kEditorCalendarButtonId = 1301;

// Opens the editor (non-modal, no owner) with empty cells, or brings the open
// one forward. Returns its window; nullptr when it could not be created.
HWND OpenTimetableEditor(AppContext& context);

}  // namespace tabulo::app
