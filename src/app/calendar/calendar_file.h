#pragma once
// calendar.dat in the run directory: the school calendar and the subjects
// and start times of cycle weeks 2 to 4 (week 1 is timetable.dat, which
// keeps its format and meaning, so an older copy of the program still sees
// the normal week). An INI file in GBK like the program's other files:
//
//   [Calendar]       CycleWeeks=2  Week1=2025-09-01  LessonMinutes=45
//   [Change1] ...    Date=2025-10-11  Kind=Swap  Day=5  Week=2  Note=国庆调休
//                    (Kind=Holiday; Kind=Skip with Periods=1,2,8)
//   [Week2.Monday]   the keys of timetable.dat: "1".."8", "T1".."T8", "F1".."F8"
//
// The file is read and written whole: a save replaces it atomically with
// what the model holds. A missing file is a calendar without rotation or
// changes; a damaged value is left out (its default is used) and the load
// says which, in a text to show once. A file that exists but cannot be read
// is never replaced, so a locked file cannot cost the weeks it holds.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/calendar/school_calendar.h"
#include "app/timetable/school_week.h"

namespace tabulo::app {

// A cell of a cycle week as calendar.dat holds it: nothing for a missing key.
struct CycleWeekCell {
  std::optional<std::string> subject;
  std::optional<std::string> hour;
  std::optional<std::string> minute;
  friend bool operator==(const CycleWeekCell&, const CycleWeekCell&) = default;
};
using CycleWeekCells = std::array<CycleWeekCell, kCells>;  // by cell index − 1

struct CalendarData {
  SchoolCalendar calendar;
  std::array<CycleWeekCells, kMaxCycleWeeks - 1> later_weeks;  // weeks 2 .. 4

  [[nodiscard]] CycleWeekCells& Week(int week) { return later_weeks[week - 2]; }
  [[nodiscard]] const CycleWeekCells& Week(int week) const { return later_weeks[week - 2]; }
  friend bool operator==(const CalendarData&, const CalendarData&) = default;
};

struct CalendarLoad {
  CalendarData data;
  // Empty when the file is sound or missing; otherwise what was not used and
  // why, for the window layer to show once.
  std::string diagnosis;
};

// "Week2.Monday" for week 2, school day 1.
[[nodiscard]] std::string CycleWeekSection(int week, int day);

// The file's bytes as CalendarFile reads and writes them. Whatever
// SerialiseCalendar writes, ParseCalendar reads back as the same data.
[[nodiscard]] CalendarLoad ParseCalendar(std::string_view bytes);
[[nodiscard]] std::string SerialiseCalendar(const CalendarData& data);

class CalendarFile {
 public:
  explicit CalendarFile(const std::filesystem::path& run_directory);

  [[nodiscard]] const std::filesystem::path& path() const { return path_; }
  [[nodiscard]] CalendarLoad Load() const;
  // Replaces the file with `data`, leaving out changes older than a term
  // before `today`. False when the file could not be written or exists but
  // could not be read; the previous file is then left as it was.
  [[nodiscard]] bool Save(CalendarData data, const CalendarDate& today);

 private:
  std::filesystem::path path_;
};

}  // namespace tabulo::app
