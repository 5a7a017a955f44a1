// Dated changes in one line; see change_line.h.
#include "app/calendar/change_line.h"

#include "app/calendar/calendar_window_texts.h"
#include "app/calendar/timetable_choice.h"
#include "app/timetable/school_week.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_window_texts;

std::string SkippedPeriods(std::uint8_t skipped) {
  std::string periods;
  for (int period = 1; period <= kPeriods; ++period) {
    if ((skipped & PeriodBit(period)) == 0) continue;
    if (!periods.empty()) periods += texts::kSkipSeparator;
    periods += std::to_string(period);
  }
  return periods;
}

std::string WhatHappens(const DatedChange& change, const SchoolCalendar& calendar) {
  switch (change.kind) {
    case ChangeKind::kHoliday: return std::string(texts::kHolidayLine);
    case ChangeKind::kSwap: {
      std::string line(texts::kSwapBefore);
      if (change.week && calendar.Rotates() && *change.week <= calendar.cycle_weeks) {
        line += CycleWeekName(calendar, *change.week);
      }
      line.append(DayDisplayName(change.day)).append(texts::kSwapAfter);
      return line;
    }
    case ChangeKind::kSkipPeriods:
      return std::string(texts::kSkipBefore).append(SkippedPeriods(change.skipped)).append(texts::kSkipAfter);
  }
  return {};
}

}  // namespace

std::string ChangeLine(const DatedChange& change, const SchoolCalendar& calendar) {
  std::string line = DateText(change.date);
  line.append(texts::kDateGap).append(WeekdayDisplayName(WeekdayOf(change.date)));
  line.append(texts::kKindGap).append(WhatHappens(change, calendar));
  if (!change.note.empty()) line.append(texts::kNoteBefore).append(change.note).append(texts::kNoteAfter);
  return line;
}

}  // namespace tabulo::app
