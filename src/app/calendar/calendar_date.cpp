// Calendar dates; see calendar_date.h. The day-number conversions are the
// usual era-based ones for the proleptic Gregorian calendar (400-year eras of
// 146097 days, years starting in March so that the leap day comes last).
#include "app/calendar/calendar_date.h"

#include <cstdio>

namespace tabulo::app {
namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

long long FloorDiv(long long a, long long b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

}  // namespace

bool IsValidDate(const CalendarDate& date) {
  return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
         date.day <= DaysInMonth(date.year, date.month);
}

long long DayNumber(const CalendarDate& date) {
  const long long year = date.year - (date.month <= 2 ? 1 : 0);
  const long long era = FloorDiv(year, 400);
  const long long year_of_era = year - era * 400;
  const long long month_from_march = (date.month + 9) % 12;
  const long long day_of_year = (153 * month_from_march + 2) / 5 + date.day - 1;
  const long long day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

CalendarDate DateOfDayNumber(long long day_number) {
  const long long shifted = day_number + 719468;
  const long long era = FloorDiv(shifted, 146097);
  const long long day_of_era = shifted - era * 146097;
  const long long year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const long long day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const long long month_from_march = (5 * day_of_year + 2) / 153;
  const int day = static_cast<int>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
  const int month = static_cast<int>(month_from_march < 10 ? month_from_march + 3 : month_from_march - 9);
  const long long year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);
  return {static_cast<int>(year), month, day};
}

CalendarDate AddDays(const CalendarDate& date, long long days) { return DateOfDayNumber(DayNumber(date) + days); }

int WeekdayOf(const CalendarDate& date) {
  // 1970-01-01 was a Thursday.
  return static_cast<int>(((DayNumber(date) + 4) % 7 + 7) % 7);
}

CalendarDate MondayOfWeek(const CalendarDate& date) {
  const int days_since_monday = (WeekdayOf(date) + 6) % 7;
  return AddDays(date, -days_since_monday);
}

std::optional<CalendarDate> ParseDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  int fields[3] = {};
  const std::size_t starts[3] = {0, 5, 8};
  const std::size_t lengths[3] = {4, 2, 2};
  for (int f = 0; f < 3; ++f) {
    for (std::size_t i = 0; i < lengths[f]; ++i) {
      const char c = text[starts[f] + i];
      if (c < '0' || c > '9') return std::nullopt;
      fields[f] = fields[f] * 10 + (c - '0');
    }
  }
  const CalendarDate date{fields[0], fields[1], fields[2]};
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

std::string DateText(const CalendarDate& date) {
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

}  // namespace tabulo::app
