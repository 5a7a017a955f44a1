// timetable.dat access; see timetable_file.h.
#include "app/timetable/timetable_file.h"

#include <system_error>
#include <vector>

#include "app/storage_names.h"

namespace tabulo::app {
namespace {

std::string Key(std::string_view prefix, int period) {
  std::string key(prefix);
  key += std::to_string(period);
  return key;
}
std::string SubjectKey(int period) { return Key("", period); }
std::string StartHourKey(int period) { return Key(kStartHourKeyPrefix, period); }
std::string StartMinuteKey(int period) { return Key(kStartMinuteKeyPrefix, period); }

bool InWeek(int day, int period) { return IsSchoolDay(day) && IsPeriod(period); }

}  // namespace

TimetableFile::TimetableFile(const std::filesystem::path& run_directory)
    : file_(run_directory / kTimetableFileName) {}

bool TimetableFile::Exists() const {
  std::error_code error;
  return std::filesystem::exists(file_.path(), error);
}

std::string TimetableContents::ReadSubject(int day, int period, std::string_view fallback) const {
  if (!InWeek(day, period)) return std::string(fallback);
  return snapshot_.Read(DaySection(day), SubjectKey(period), fallback);
}

std::string TimetableContents::ReadStartHour(int day, int period, std::string_view fallback) const {
  if (!InWeek(day, period)) return std::string(fallback);
  return snapshot_.Read(DaySection(day), StartHourKey(period), fallback);
}

std::string TimetableContents::ReadStartMinute(int day, int period, std::string_view fallback) const {
  if (!InWeek(day, period)) return std::string(fallback);
  return snapshot_.Read(DaySection(day), StartMinuteKey(period), fallback);
}

std::string TimetableFile::ReadSubject(int day, int period, std::string_view fallback) const {
  return Load().ReadSubject(day, period, fallback);
}

std::string TimetableFile::ReadStartHour(int day, int period, std::string_view fallback) const {
  return Load().ReadStartHour(day, period, fallback);
}

std::string TimetableFile::ReadStartMinute(int day, int period, std::string_view fallback) const {
  return Load().ReadStartMinute(day, period, fallback);
}

bool TimetableFile::WriteSubject(int day, int period, std::string_view subject) {
  return InWeek(day, period) && file_.Write(DaySection(day), SubjectKey(period), subject);
}

bool TimetableFile::WriteStartTime(int day, int period, std::string_view hour, std::string_view minute) {
  if (!InWeek(day, period)) return false;
  const std::string section(DaySection(day));
  return file_.WriteAll({{section, StartHourKey(period), std::string(hour)},
                         {section, StartMinuteKey(period), std::string(minute)}});
}

bool TimetableFile::WriteSubjects(std::span<const std::string, kCells> subjects) {
  std::vector<ProfileStore::Entry> entries;
  entries.reserve(kCells);
  for (int index = 1; index <= kCells; ++index) {
    const Cell cell = CellOf(index);
    entries.push_back({std::string(DaySection(cell.day)), SubjectKey(cell.period), subjects[index - 1]});
  }
  return file_.WriteAll(entries);
}

bool TimetableFile::WriteStartTimes(std::span<const StartTime, kCells> start_times) {
  std::vector<ProfileStore::Entry> entries;
  entries.reserve(2 * kCells);
  for (int index = 1; index <= kCells; ++index) {
    const Cell cell = CellOf(index);
    const std::string section(DaySection(cell.day));
    const StartTime& time = start_times[index - 1];
    entries.push_back({section, StartHourKey(cell.period), time.hour});
    entries.push_back({section, StartMinuteKey(cell.period), time.minute});
  }
  return file_.WriteAll(entries);
}

}  // namespace tabulo::app
