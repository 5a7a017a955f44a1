#pragma once
// The timetables of the cycle's weeks, as the editor and the class-time
// adjustment read and write them: week 1 is timetable.dat, exactly as
// before; weeks 2 to 4 live in calendar.dat. A key a later week does not
// set reads as week 1's (its subjects and start times are a copy of the
// normal week until someone changes them), and week 1's missing keys read
// as the caller's fallback, as they always have.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "app/calendar/calendar_file.h"
#include "app/timetable/timetable_file.h"

namespace tabulo::app {

// Both files as read at one moment.
class CycleTimetableContents {
 public:
  CycleTimetableContents(TimetableContents week1, CalendarData calendar)
      : week1_(std::move(week1)), calendar_(std::move(calendar)) {}

  // `week` 1 .. 4; a week outside that range reads as week 1.
  [[nodiscard]] std::string ReadSubject(int week, int day, int period, std::string_view fallback) const;
  [[nodiscard]] std::string ReadStartHour(int week, int day, int period, std::string_view fallback) const;
  [[nodiscard]] std::string ReadStartMinute(int week, int day, int period, std::string_view fallback) const;

  [[nodiscard]] const CalendarData& calendar() const { return calendar_; }

 private:
  [[nodiscard]] const CycleWeekCell* LaterWeekCell(int week, int day, int period) const;

  TimetableContents week1_;
  CalendarData calendar_;
};

class CycleTimetables {
 public:
  explicit CycleTimetables(const std::filesystem::path& run_directory);

  // Also the calendar load's diagnosis, for the window that shows it.
  [[nodiscard]] CycleTimetableContents Load(std::string* diagnosis = nullptr) const;

  // The editors' saves of one week, all 48 cells (by cell index − 1) in one
  // atomic replacement of its file. Week 1 goes to timetable.dat as before;
  // weeks 2 to 4 to calendar.dat, where `today` prunes old dated changes.
  [[nodiscard]] bool WriteSubjects(int week, std::span<const std::string, kCells> subjects,
                                   const CalendarDate& today);
  [[nodiscard]] bool WriteStartTimes(int week, std::span<const StartTime, kCells> start_times,
                                     const CalendarDate& today);

 private:
  TimetableFile timetable_;
  CalendarFile calendar_;
};

}  // namespace tabulo::app
