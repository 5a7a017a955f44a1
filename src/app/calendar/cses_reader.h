#pragma once
// Reads a CSES file (Course Schedule Exchange Schema, version 1, YAML) into
// the shape of Tabulo's timetable, leniently, as other programs write it:
//
//   - enable_day as 1–7 or a day name (mon … sun, monday …, 星期一, 周一);
//   - start_time as "HH:MM:SS", "HH:MM", or a number of seconds (what a
//     writer that read an unquoted 10:10:00 as a YAML 1.1 sexagesimal
//     number gives back); end_time is not needed;
//   - weeks all, odd or even (missing: all); odd or even anywhere makes a
//     2-week cycle, odd being week 1; a day's "all" lessons serve a week
//     for which that day has no lessons of its own;
//   - subjects used in classes but missing from subjects are fine.
//
// A day's lessons, sorted by start time, become its periods 1, 2, …; more
// than eight refuse the file. A subject longer than a cell holds is replaced
// by its simplified_name, or else cut, and listed. Sunday's lessons are left
// out (Tabulo has no Sunday timetable). A malformed file gives the line and
// what was expected there.
#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/timetable/school_week.h"

namespace tabulo::app {

struct CsesLesson {
  std::string subject;  // fits a cell
  int start_minute = 0;  // minute of day
  friend bool operator==(const CsesLesson&, const CsesLesson&) = default;
};

struct CsesTimetable {
  bool alternates = false;  // odd and even weeks: a 2-week cycle
  // [0] week 1 (odd, or the only week), [1] week 2 (even); by school day − 1;
  // each day's lessons by start time, at most eight.
  std::array<std::array<std::vector<CsesLesson>, kSchoolDays>, 2> weeks;
  std::vector<std::string> shortened;  // "信息技术→信息", once per subject
  bool had_sunday = false;             // Sunday lessons were left out
};

struct CsesProblem {
  int line = 0;
  std::string expected;  // what the line should hold, to show after "第 N 行："
  friend bool operator==(const CsesProblem&, const CsesProblem&) = default;
};

[[nodiscard]] std::variant<CsesTimetable, CsesProblem> ReadCses(std::string_view bytes);

// "CSES 文件有误，没有做任何改动。\n第 12 行：…"
[[nodiscard]] std::string CsesProblemText(const CsesProblem& problem);

}  // namespace tabulo::app
