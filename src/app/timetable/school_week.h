#pragma once
// The shape of the school week: six school days (Monday = 1 to Saturday = 6;
// Sunday has no classes) of eight periods, their names, and the cell index
// the timetable editor and the class-time adjustment lay out and save their
// 48 cells by: period-major, the six days of period 1 first.
#include <optional>
#include <string>
#include <string_view>

namespace tabulo::app {

inline constexpr int kSchoolDays = 6;
inline constexpr int kPeriods = 8;
inline constexpr int kCells = kSchoolDays * kPeriods;

[[nodiscard]] constexpr bool IsSchoolDay(int day) { return day >= 1 && day <= kSchoolDays; }
[[nodiscard]] constexpr bool IsPeriod(int period) { return period >= 1 && period <= kPeriods; }

// Section of the day in timetable.dat ("Monday"); "" for no school day.
[[nodiscard]] std::string_view DaySection(int day);
// What the program shows for a school day ("星期一"); "" for no school day.
[[nodiscard]] std::string_view DayDisplayName(int day);
inline constexpr std::string_view kSundayDisplayName = "星期日";
// The display name of a weekday as the clock numbers it (0 = Sunday to 6 =
// Saturday, taken modulo 7).
[[nodiscard]] std::string_view WeekdayDisplayName(int weekday);
// The school day a display name names; nothing for "星期日" or any other text.
[[nodiscard]] std::optional<int> SchoolDayOfDisplayName(std::string_view display_name);

// "第" + period + "节".
[[nodiscard]] std::string PeriodCaption(int period);

struct Cell {
  int day = 1;
  int period = 1;
  friend bool operator==(const Cell&, const Cell&) = default;
};
// 1 to 48 for a valid day and period.
[[nodiscard]] constexpr int CellIndex(int day, int period) { return (period - 1) * kSchoolDays + day; }
[[nodiscard]] constexpr Cell CellOf(int cell_index) {
  return {(cell_index - 1) % kSchoolDays + 1, (cell_index - 1) / kSchoolDays + 1};
}

}  // namespace tabulo::app
