#pragma once
// Writes the timetable as a CSES file (version 1), strictly as the schema
// asks: times always quoted "HH:MM:SS", every subject a class names listed
// under subjects. A school day's classes are its periods up to the last one
// with a real subject (free periods between lessons go along, so that a
// reading program keeps the periods where they were); days without lessons
// are left out. End times are the start plus the calendar's lesson length.
//
// A 2-week cycle is written as odd (week 1) and even (week 2) schedules, a
// day the same in both weeks once as "all". CSES has no 3- or 4-week
// rotation: such a cycle exports week 1, and the message says so.
#include <filesystem>
#include <string>

#include "app/calendar/calendar_outcome.h"
#include "app/calendar/cycle_timetables.h"

namespace tabulo::app {

struct CsesText {
  std::string yaml;     // UTF-8
  std::string message;  // what was exported
};

[[nodiscard]] CsesText CsesOfTimetables(const CycleTimetableContents& timetables);

// Exports the run directory's timetables into `file`, replaced atomically.
[[nodiscard]] CalendarOutcome ExportCses(const std::filesystem::path& run_directory, const std::filesystem::path& file);

}  // namespace tabulo::app
