#pragma once
// A dated change explained in one line, as the calendar window lists it:
//
//   2025-10-01 星期三  假日，不上课（国庆节）
//   2025-10-11 星期六  调休：上双周星期五的课
//   2025-10-15 星期三  停课：第 1、2、8 节
//
// A swap names its cycle week only where the bar would follow it (a
// rotation that has that week); otherwise the date runs the day of its own
// week, and the line says just the day.
#include <string>

#include "app/calendar/school_calendar.h"

namespace tabulo::app {

[[nodiscard]] std::string ChangeLine(const DatedChange& change, const SchoolCalendar& calendar);

}  // namespace tabulo::app
