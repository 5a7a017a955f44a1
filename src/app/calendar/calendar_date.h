#pragma once
// A day of the Gregorian calendar, counted as days since 1970-01-01 for
// arithmetic (weeks, cycles, "180 days ago") and written "YYYY-MM-DD" in
// calendar.dat and on the command line.
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace tabulo::app {

struct CalendarDate {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31

  friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

[[nodiscard]] bool IsValidDate(const CalendarDate& date);
// Days since 1970-01-01 (negative before it).
[[nodiscard]] long long DayNumber(const CalendarDate& date);
[[nodiscard]] CalendarDate DateOfDayNumber(long long day_number);
[[nodiscard]] CalendarDate AddDays(const CalendarDate& date, long long days);
// 0 = Sunday .. 6 = Saturday, as the clock numbers weekdays.
[[nodiscard]] int WeekdayOf(const CalendarDate& date);
// The Monday of the Monday-to-Sunday week that holds `date`.
[[nodiscard]] CalendarDate MondayOfWeek(const CalendarDate& date);

// "2028-02-29"; a valid date only (years 1 to 9999).
[[nodiscard]] std::optional<CalendarDate> ParseDate(std::string_view text);
[[nodiscard]] std::string DateText(const CalendarDate& date);

}  // namespace tabulo::app
