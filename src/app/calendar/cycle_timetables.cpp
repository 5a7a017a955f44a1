// The cycle's week timetables; see cycle_timetables.h.
#include "app/calendar/cycle_timetables.h"

#include <optional>

namespace tabulo::app {
namespace {

bool IsLaterWeek(int week) { return week >= 2 && week <= kMaxCycleWeeks; }

}  // namespace

const CycleWeekCell* CycleTimetableContents::LaterWeekCell(int week, int day, int period) const {
  if (!IsLaterWeek(week) || !IsSchoolDay(day) || !IsPeriod(period)) return nullptr;
  return &calendar_.Week(week)[CellIndex(day, period) - 1];
}

std::string CycleTimetableContents::ReadSubject(int week, int day, int period, std::string_view fallback) const {
  const CycleWeekCell* cell = LaterWeekCell(week, day, period);
  if (cell && cell->subject) return *cell->subject;
  return week1_.ReadSubject(day, period, fallback);
}

std::string CycleTimetableContents::ReadStartHour(int week, int day, int period, std::string_view fallback) const {
  const CycleWeekCell* cell = LaterWeekCell(week, day, period);
  if (cell && cell->hour) return *cell->hour;
  return week1_.ReadStartHour(day, period, fallback);
}

std::string CycleTimetableContents::ReadStartMinute(int week, int day, int period,
                                                    std::string_view fallback) const {
  const CycleWeekCell* cell = LaterWeekCell(week, day, period);
  if (cell && cell->minute) return *cell->minute;
  return week1_.ReadStartMinute(day, period, fallback);
}

CycleTimetables::CycleTimetables(const std::filesystem::path& run_directory)
    : timetable_(run_directory), calendar_(run_directory) {}

CycleTimetableContents CycleTimetables::Load(std::string* diagnosis) const {
  CalendarLoad calendar = calendar_.Load();
  if (diagnosis) *diagnosis = std::move(calendar.diagnosis);
  return CycleTimetableContents(timetable_.Load(), std::move(calendar.data));
}

bool CycleTimetables::WriteSubjects(int week, std::span<const std::string, kCells> subjects,
                                    const CalendarDate& today) {
  if (!IsLaterWeek(week)) return week == 1 && timetable_.WriteSubjects(subjects);
  CalendarData data = calendar_.Load().data;
  for (int index = 0; index < kCells; ++index) data.Week(week)[index].subject = subjects[index];
  return calendar_.Save(std::move(data), today);
}

bool CycleTimetables::WriteStartTimes(int week, std::span<const StartTime, kCells> start_times,
                                      const CalendarDate& today) {
  if (!IsLaterWeek(week)) return week == 1 && timetable_.WriteStartTimes(start_times);
  CalendarData data = calendar_.Load().data;
  for (int index = 0; index < kCells; ++index) {
    data.Week(week)[index].hour = start_times[index].hour;
    data.Week(week)[index].minute = start_times[index].minute;
  }
  return calendar_.Save(std::move(data), today);
}

}  // namespace tabulo::app
