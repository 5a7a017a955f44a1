#pragma once
// Dates, calendars and file names written the short way in the calendar's
// tests.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/calendar/school_calendar.h"
#include "base/file/atomic_file.h"
#include "base/file/utf8_path.h"

namespace tabulo::test {

// A date the test knows to be valid, "2028-02-29".
inline app::CalendarDate Date(const char* text) { return *app::ParseDate(text); }

// A cycle of `weeks` weeks whose week 1 holds `week1` (none: no anchor).
inline app::SchoolCalendar Cycle(int weeks, const char* week1) {
  app::SchoolCalendar calendar;
  calendar.cycle_weeks = weeks;
  if (week1 != nullptr) calendar.week1 = Date(week1);
  return calendar;
}

// Dated changes of each kind.
inline app::DatedChange Holiday(const char* date, std::string note = {}) {
  app::DatedChange change;
  change.date = Date(date);
  change.kind = app::ChangeKind::kHoliday;
  change.note = std::move(note);
  return change;
}
inline app::DatedChange Swap(const char* date, int day, std::optional<int> week = {}) {
  app::DatedChange change;
  change.date = Date(date);
  change.kind = app::ChangeKind::kSwap;
  change.day = day;
  change.week = week;
  return change;
}
inline app::DatedChange Skip(const char* date, std::uint8_t periods) {
  app::DatedChange change;
  change.date = Date(date);
  change.kind = app::ChangeKind::kSkipPeriods;
  change.skipped = periods;
  return change;
}

// A file named in UTF-8 ("课表.yaml") in `folder`: on Windows a path made
// from a plain string would read the name in the ANSI code page.
inline std::filesystem::path FileIn(const std::filesystem::path& folder, std::string_view utf8_name) {
  return folder / PathFromUtf8(utf8_name);
}

inline void WriteFileIn(const std::filesystem::path& folder, std::string_view utf8_name, std::string_view bytes) {
  (void)ReplaceFileBytes(FileIn(folder, utf8_name), bytes);
}

inline std::string ReadFileIn(const std::filesystem::path& folder, std::string_view utf8_name) {
  return ReadFileBytes(FileIn(folder, utf8_name)).value_or("");
}

}  // namespace tabulo::test
