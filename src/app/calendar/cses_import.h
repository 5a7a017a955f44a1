#pragma once
// Imports a CSES file into the run directory: its (odd or only) week becomes
// timetable.dat, its even week, if it has one, week 2 of a 2-week cycle in
// calendar.dat; a file without odd and even weeks ends any rotation. Dated
// changes and weeks 3 and 4 are kept.
//
// Every period of every school day is written: a day's lessons fill periods
// 1, 2, … and the periods after them become "暂无". Those keep their start
// times where they still come after the lesson before; otherwise they move
// to ten minutes after that lesson ends, so start times keep rising through
// the day and the class reminder's gaps stay sound.
//
// Week 1 of the cycle is `week1`'s week when given, else the calendar's own;
// a calendar without one takes this week. An import writes everything or
// nothing: a malformed file changes nothing, and a failed write puts back
// what the other files held.
#include <filesystem>
#include <optional>
#include <string_view>

#include "app/calendar/calendar_date.h"
#include "app/calendar/calendar_outcome.h"

namespace tabulo::app {

[[nodiscard]] CalendarOutcome ImportCses(const std::filesystem::path& run_directory, std::string_view bytes,
                                         std::optional<CalendarDate> week1, const CalendarDate& today);

}  // namespace tabulo::app
