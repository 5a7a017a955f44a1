// Today's schedule; see day_schedule.h.
#include "app/timetable/day_schedule.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "app/timetable/start_time_tables.h"
#include "app/timetable/timetable_file.h"
#include "base/text/text_to_int.h"

namespace tabulo::app {
namespace {

// Typed-in hours can be any number; widen before multiplying so a huge one
// saturates instead of overflowing.
int MinuteOfDay(const std::string& hour, const std::string& minute) {
  const std::int64_t total = std::int64_t{TextToInt(hour)} * 60 + TextToInt(minute);
  return static_cast<int>(std::clamp<std::int64_t>(total, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

void DaySchedule::ChooseToday(int weekday) { today = std::string(WeekdayDisplayName(weekday)); }

std::array<std::string, kPeriods> DaySchedule::Load(const TimetableFile& file) {
  std::array<std::string, kPeriods> subjects;
  subjects.fill(std::string(kNoSubject));
  if (const std::optional<int> day = SchoolDayOfDisplayName(today)) {
    for (int period = 1; period <= kPeriods; ++period) {
      subjects[period - 1] = file.ReadSubject(*day, period, kNoSubject);
    }
    for (int period = 1; period <= kPeriods; ++period) {
      const StartTimeText fallback = DefaultStartTime(*day, period);
      hour[period - 1] = file.ReadStartHour(*day, period, fallback.hour);
      minute[period - 1] = file.ReadStartMinute(*day, period, fallback.minute);
    }
  }
  for (int n = 0; n < kPeriods; ++n) start[n] = MinuteOfDay(hour[n], minute[n]);
  return subjects;
}

}  // namespace tabulo::app
