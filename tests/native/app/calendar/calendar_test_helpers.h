#pragma once
// Dates and calendars written the short way in the calendar's tests.
#include <optional>

#include "app/calendar/school_calendar.h"

namespace tabulo::test {

// A date the test knows to be valid, "2028-02-29".
inline app::CalendarDate Date(const char* text) { return *app::ParseDate(text); }

// A cycle of `weeks` weeks whose week 1 holds `week1` (none: no anchor).
inline app::SchoolCalendar Cycle(int weeks, const char* week1) {
  app::SchoolCalendar calendar;
  calendar.cycle_weeks = weeks;
  if (week1 != nullptr) calendar.week1 = Date(week1);
  return calendar;
}

}  // namespace tabulo::test
