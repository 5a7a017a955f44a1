// The bar's day as the calendar chose it; see chosen_day.h.
#include "app/calendar/chosen_day.h"

#include "app/timetable/start_time_tables.h"

namespace tabulo::app {

std::array<std::string, kPeriods> LoadChosenDay(DaySchedule& schedule, const TimetableChoice& choice,
                                                const CycleTimetableContents& timetables) {
  std::array<std::string, kPeriods> subjects;
  subjects.fill(std::string(kNoSubject));
  schedule.today = choice.HasClasses() ? std::string(DayDisplayName(choice.day)) : std::string(kSundayDisplayName);
  if (choice.HasClasses()) {
    for (int period = 1; period <= kPeriods; ++period) {
      if ((choice.skipped & PeriodBit(period)) == 0) {
        subjects[period - 1] = timetables.ReadSubject(choice.week, choice.day, period, kNoSubject);
      }
      const StartTimeText fallback = DefaultStartTime(choice.day, period);
      schedule.hour[period - 1] = timetables.ReadStartHour(choice.week, choice.day, period, fallback.hour);
      schedule.minute[period - 1] = timetables.ReadStartMinute(choice.week, choice.day, period, fallback.minute);
    }
  }
  schedule.ComputeStarts();
  return subjects;
}

}  // namespace tabulo::app
