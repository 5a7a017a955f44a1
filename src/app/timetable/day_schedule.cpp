// Today's schedule; see day_schedule.h.
#include "app/timetable/day_schedule.h"

#include <cstdint>
#include <optional>

#include "app/timetable/start_time_tables.h"
#include "app/timetable/timetable_file.h"
#include "base/number/saturating_int.h"
#include "base/text/text_to_int.h"

namespace tabulo::app {
namespace {

// Typed-in hours can be any number; widen before multiplying so a huge one
// saturates instead of overflowing.
int MinuteOfDay(const std::string& hour, const std::string& minute) {
  return ClampToInt(std::int64_t{TextToInt(hour)} * 60 + TextToInt(minute));
}

}  // namespace

void DaySchedule::ChooseToday(int weekday) { today = std::string(WeekdayDisplayName(weekday)); }

std::array<std::string, kPeriods> DaySchedule::Load(const TimetableFile& file) {
  std::array<std::string, kPeriods> subjects;
  subjects.fill(std::string(kNoSubject));
  if (const std::optional<int> day = SchoolDayOfDisplayName(today)) {
    const TimetableContents contents = file.Load();
    for (int period = 1; period <= kPeriods; ++period) {
      subjects[period - 1] = contents.ReadSubject(*day, period, kNoSubject);
    }
    for (int period = 1; period <= kPeriods; ++period) {
      const StartTimeText fallback = DefaultStartTime(*day, period);
      hour[period - 1] = contents.ReadStartHour(*day, period, fallback.hour);
      minute[period - 1] = contents.ReadStartMinute(*day, period, fallback.minute);
    }
  }
  ComputeStarts();
  return subjects;
}

void DaySchedule::ComputeStarts() {
  for (int n = 0; n < kPeriods; ++n) start[n] = MinuteOfDay(hour[n], minute[n]);
}

}  // namespace tabulo::app
