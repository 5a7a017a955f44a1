#pragma once
// The school calendar: how many weeks the timetable cycles through (odd and
// even weeks, or a 3- or 4-week rotation), which week is week 1, the lesson
// length that exported timetables use, and the dated changes teachers enter
// ahead of time (a holiday, "this Saturday runs Friday's timetable", periods
// that do not take place). A dated change never edits a week's timetable:
// it only decides, on its date, which timetable the bar shows.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/calendar/calendar_date.h"

namespace tabulo::app {

inline constexpr int kMaxCycleWeeks = 4;
inline constexpr int kDefaultLessonMinutes = 45;
// Past changes stay in the file this long (a term), then the next save drops them.
inline constexpr int kDaysChangesAreKept = 180;

enum class ChangeKind {
  kHoliday,      // no classes: every row "暂无", no reminder
  kSwap,         // the date runs another school day's timetable
  kSkipPeriods,  // some periods do not take place: they show "暂无"
};

struct DatedChange {
  CalendarDate date;
  ChangeKind kind = ChangeKind::kHoliday;
  int day = 1;                    // kSwap: the school day (1 = Monday .. 6) whose timetable runs
  std::optional<int> week;        // kSwap: the cycle week of that timetable; none = the date's own week
  std::uint8_t skipped = 0;       // kSkipPeriods: bit p − 1 set for each period p that does not take place
  std::string note;               // what the teacher wrote about it ("国庆节"), shown in lists only

  friend bool operator==(const DatedChange&, const DatedChange&) = default;
};

[[nodiscard]] constexpr std::uint8_t PeriodBit(int period) { return static_cast<std::uint8_t>(1u << (period - 1)); }

struct SchoolCalendar {
  int cycle_weeks = 1;                // 1 (no rotation) to 4
  std::optional<CalendarDate> week1;  // any date in week 1 of the cycle; weeks run Monday to Sunday
  int lesson_minutes = kDefaultLessonMinutes;
  std::vector<DatedChange> changes;   // in the order they were entered

  friend bool operator==(const SchoolCalendar&, const SchoolCalendar&) = default;

  [[nodiscard]] bool Rotates() const { return cycle_weeks > 1 && week1.has_value(); }
  // The cycle week (1 .. cycle_weeks) that `date` falls in, counted from the
  // Monday of week 1's week, before it as well as after it; 1 without rotation.
  [[nodiscard]] int CycleWeekOf(const CalendarDate& date) const;
  // Makes `today` fall in cycle week `week` (1 .. cycle_weeks): "本周是第 N 周".
  void SetCurrentWeek(const CalendarDate& today, int week);
  // Changes dated today or later, by date (a date's changes in the order entered).
  [[nodiscard]] std::vector<DatedChange> UpcomingChanges(const CalendarDate& today) const;
  // Drops changes dated more than kDaysChangesAreKept days before today.
  void PruneChanges(const CalendarDate& today);
};

// The anchor that makes `today` fall in cycle week `week`: the Monday
// (week − 1) weeks before the Monday of today's week.
[[nodiscard]] CalendarDate Week1ForCurrentWeek(const CalendarDate& today, int week);

}  // namespace tabulo::app
