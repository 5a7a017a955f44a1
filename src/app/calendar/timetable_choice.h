#pragma once
// Which timetable the bar shows on a date: the one decision every part of
// the program that needs "today's timetable" takes from here (the caller
// takes it again at midnight).
//
//   - a holiday: no classes, every row "暂无", no reminder; label "假日";
//   - a swap: the named school day's timetable, of the named cycle week or
//     else of the week the date falls in; label "星期五 · 调休";
//   - otherwise Monday to Saturday run their own timetable of the cycle week
//     the date falls in, labelled "星期二 · 单周"/"双周" in a 2-week cycle,
//     "星期二 · 第3周" in a 3- or 4-week one, and "星期二" without rotation;
//     Sunday has no classes and is labelled "星期日".
//
// Skipped periods (on a school day, swapped or not) show "暂无" that day.
#include <cstdint>
#include <string>

#include "app/calendar/calendar_date.h"
#include "app/calendar/school_calendar.h"

namespace tabulo::app {

struct TimetableChoice {
  int day = 0;                // the school day (1 .. 6) whose timetable runs; 0: no classes today
  int week = 1;               // the cycle week of that timetable
  bool holiday = false;
  bool swapped = false;
  std::uint8_t skipped = 0;   // PeriodBit(p) for each period p that does not take place
  std::string label;          // the bar's weekday label

  [[nodiscard]] bool HasClasses() const { return day != 0; }
  friend bool operator==(const TimetableChoice&, const TimetableChoice&) = default;
};

[[nodiscard]] TimetableChoice ChooseTimetable(const CalendarDate& date, const SchoolCalendar& calendar);

// How the program names cycle week `week`: "单周"/"双周" in a 2-week cycle,
// "第3周" in a 3- or 4-week one.
[[nodiscard]] std::string CycleWeekName(const SchoolCalendar& calendar, int week);

}  // namespace tabulo::app
