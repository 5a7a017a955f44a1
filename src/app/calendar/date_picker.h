#pragma once
// The date pickers of the calendar window: the common controls' date and
// time picker, showing a date as "2025-09-01" whatever the system's date
// format, and read and set as a CalendarDate.
#include <windows.h>

#include <optional>

#include "app/calendar/calendar_date.h"
#include "base/geometry/rect.h"

namespace tabulo::app {

// A visible date picker at `rect` of `parent`'s client area in `font`;
// nullptr when the common controls cannot be loaded or the system refuses.
HWND CreateDatePicker(HWND parent, const Rect& rect, int id, HFONT font);

void SetPickerDate(HWND picker, const CalendarDate& date);
// Nothing when the picker holds no valid date.
[[nodiscard]] std::optional<CalendarDate> PickerDate(HWND picker);

}  // namespace tabulo::app
