// Date pickers; see date_picker.h.
#include "app/calendar/date_picker.h"

#include <commctrl.h>

#include "base/win/system_library.h"

namespace tabulo::app {

HWND CreateDatePicker(HWND parent, const Rect& rect, int id, HFONT font) {
  // The program does not import comctl32 (it is loaded when first needed),
  // so the picker's class is registered here before the first one is made.
  if (!InitCommonControlClasses(ICC_DATE_CLASSES)) return nullptr;
  HWND picker = CreateWindowExW(0, DATETIMEPICK_CLASSW, L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | DTS_SHORTDATEFORMAT, rect.x,
                                rect.y, rect.width, rect.height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!picker) return nullptr;
  if (font) SendMessageW(picker, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // The format calendar.dat and the list use, not the system's short date.
  SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"yyyy-MM-dd"));
  return picker;
}

void SetPickerDate(HWND picker, const CalendarDate& date) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(date.year);
  time.wMonth = static_cast<WORD>(date.month);
  time.wDay = static_cast<WORD>(date.day);
  time.wDayOfWeek = static_cast<WORD>(WeekdayOf(date));
  SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

std::optional<CalendarDate> PickerDate(HWND picker) {
  SYSTEMTIME time{};
  if (SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID) return std::nullopt;
  const CalendarDate date{time.wYear, time.wMonth, time.wDay};
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

}  // namespace tabulo::app
