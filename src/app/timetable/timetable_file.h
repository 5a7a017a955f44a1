#pragma once
// timetable.dat in the run directory: per school day a section with the
// subject ("1".."8"), start hour ("T1".."T8") and start minute ("F1".."F8")
// of each period. Stateless: every call goes to the file, so every window
// sees what the others saved.
//
// Days are 1 (Monday) to 6 (Saturday), periods 1 to 8. Reads outside that
// range give the fallback; writes outside it write nothing and fail.
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "app/timetable/school_week.h"
#include "base/ini/profile_store.h"

namespace tabulo::app {

struct StartTime {
  std::string hour;
  std::string minute;
};

// timetable.dat as read at one moment. Readers of many cells (the bar's
// day, the editors' week) take one of these from TimetableFile::Load, so
// the file is read and parsed once per load, not once per cell.
class TimetableContents {
 public:
  explicit TimetableContents(ProfileSnapshot snapshot) : snapshot_(std::move(snapshot)) {}

  // `fallback` when the file, the day or the key is missing; a key stored
  // empty reads "". Values are returned exactly as stored.
  [[nodiscard]] std::string ReadSubject(int day, int period, std::string_view fallback) const;
  [[nodiscard]] std::string ReadStartHour(int day, int period, std::string_view fallback) const;
  [[nodiscard]] std::string ReadStartMinute(int day, int period, std::string_view fallback) const;

 private:
  ProfileSnapshot snapshot_;
};

class TimetableFile {
 public:
  explicit TimetableFile(const std::filesystem::path& run_directory);

  [[nodiscard]] const std::filesystem::path& path() const { return file_.path(); }
  [[nodiscard]] bool Exists() const;

  [[nodiscard]] TimetableContents Load() const { return TimetableContents(file_.Snapshot()); }

  // One value, read from the file as it is now (see TimetableContents).
  [[nodiscard]] std::string ReadSubject(int day, int period, std::string_view fallback) const;
  [[nodiscard]] std::string ReadStartHour(int day, int period, std::string_view fallback) const;
  [[nodiscard]] std::string ReadStartMinute(int day, int period, std::string_view fallback) const;

  [[nodiscard]] bool WriteSubject(int day, int period, std::string_view subject);
  // The hour key first, then the minute key.
  [[nodiscard]] bool WriteStartTime(int day, int period, std::string_view hour, std::string_view minute);

  // The editors' saves: all 48 cells, indexed by cell index − 1, written in
  // cell-index order (so a new file gets the same layout as 48 or 96 single
  // writes would give it) and in one atomic replacement of the file: a failed
  // save leaves the previous timetable whole.
  [[nodiscard]] bool WriteSubjects(std::span<const std::string, kCells> subjects);
  [[nodiscard]] bool WriteStartTimes(std::span<const StartTime, kCells> start_times);

 private:
  ProfileStore file_;
};

}  // namespace tabulo::app
