// The school calendar; see school_calendar.h.
#include "app/calendar/school_calendar.h"

#include <algorithm>

namespace tabulo::app {

int SchoolCalendar::CycleWeekOf(const CalendarDate& date) const {
  if (!Rotates()) return 1;
  const long long days = DayNumber(MondayOfWeek(date)) - DayNumber(MondayOfWeek(*week1));
  const long long weeks = days / 7;  // exact: both are Mondays
  return static_cast<int>(((weeks % cycle_weeks) + cycle_weeks) % cycle_weeks) + 1;
}

CalendarDate Week1ForCurrentWeek(const CalendarDate& today, int week) {
  return AddDays(MondayOfWeek(today), -7LL * (week - 1));
}

void SchoolCalendar::SetCurrentWeek(const CalendarDate& today, int week) {
  week1 = Week1ForCurrentWeek(today, week);
}

std::vector<DatedChange> SchoolCalendar::UpcomingChanges(const CalendarDate& today) const {
  std::vector<DatedChange> upcoming;
  std::copy_if(changes.begin(), changes.end(), std::back_inserter(upcoming),
               [&](const DatedChange& change) { return change.date >= today; });
  std::stable_sort(upcoming.begin(), upcoming.end(),
                   [](const DatedChange& a, const DatedChange& b) { return a.date < b.date; });
  return upcoming;
}

void SchoolCalendar::PruneChanges(const CalendarDate& today) {
  const CalendarDate oldest_kept = AddDays(today, -kDaysChangesAreKept);
  std::erase_if(changes, [&](const DatedChange& change) { return change.date < oldest_kept; });
}

}  // namespace tabulo::app
