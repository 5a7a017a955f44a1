#pragma once
// Today's schedule as the bar keeps it for the whole run: which day it is,
// and the start hour/minute texts and start minute of day of the eight
// periods, read from timetable.dat. The subjects are not kept here: Load()
// hands them to the bar, whose period labels hold them.
//
// The day is chosen once per run (ChooseToday); Load() runs at start-up and
// again after every save of the timetable editor.
#include <array>
#include <string>

#include "app/timetable/school_week.h"

namespace tabulo::app {

class TimetableFile;

inline constexpr std::string_view kNoSubject = "暂无";

struct DaySchedule {
  std::string today;  // display name, "星期日" to "星期六"
  std::array<std::string, kPeriods> hour;    // as read; empty until a school day is loaded
  std::array<std::string, kPeriods> minute;  // as read; empty until a school day is loaded
  std::array<int, kPeriods> start{};         // hour × 60 + minute

  // `weekday` as the local clock gives it, 0 = Sunday to 6 = Saturday. The
  // clock offset setting does not apply here.
  void ChooseToday(int weekday);

  // Reads today's subjects (missing ones as "暂无") and start times (missing
  // ones from the read-defaults table) and recomputes `start`. On a Sunday
  // every subject is "暂无" and the hour and minute texts stay as they were.
  // Returns the subjects of periods 1 to 8.
  std::array<std::string, kPeriods> Load(const TimetableFile& file);

  // start[n] := hour[n] × 60 + minute[n] for every period, after hour and
  // minute were filled from elsewhere (the school calendar's chosen day).
  void ComputeStarts();
};

}  // namespace tabulo::app
