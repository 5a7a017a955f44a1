// Day names of the school week; see school_week.h.
#include "app/timetable/school_week.h"

#include "app/storage_names.h"
#include "base/time/date_text.h"

namespace tabulo::app {

std::string_view DaySection(int day) { return IsSchoolDay(day) ? kDaySections[day - 1] : std::string_view(); }

// The clock numbers weekdays from Sunday = 0, so Monday = 1 is school day 1.
std::string_view DayDisplayName(int day) { return IsSchoolDay(day) ? WeekdayName(day) : std::string_view(); }

std::string_view WeekdayDisplayName(int weekday) { return WeekdayName(((weekday % 7) + 7) % 7); }

std::optional<int> SchoolDayOfDisplayName(std::string_view display_name) {
  for (int day = 1; day <= kSchoolDays; ++day) {
    if (DayDisplayName(day) == display_name) return day;
  }
  return std::nullopt;
}

std::string PeriodCaption(int period) { return "第" + std::to_string(period) + "节"; }

}  // namespace tabulo::app
