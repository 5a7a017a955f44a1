// The choice of today's timetable; see timetable_choice.h.
#include "app/calendar/timetable_choice.h"

#include "app/calendar/calendar_texts.h"
#include "app/timetable/school_week.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_texts;

std::string Labelled(std::string_view weekday, std::string_view detail) {
  std::string label(weekday);
  label.append(texts::kLabelSeparator).append(detail);
  return label;
}

// A swap names a week of the cycle as it was then; a week the cycle no
// longer has means the date's own.
int SwapWeek(const DatedChange& swap, const SchoolCalendar& calendar, int own_week) {
  if (swap.week && calendar.Rotates() && *swap.week <= calendar.cycle_weeks) return *swap.week;
  return own_week;
}

}  // namespace

std::string CycleWeekName(const SchoolCalendar& calendar, int week) {
  if (calendar.cycle_weeks == 2) return std::string(week == 1 ? texts::kOddWeek : texts::kEvenWeek);
  std::string name(texts::kWeekBefore);
  name.append(std::to_string(week)).append(texts::kWeekAfter);
  return name;
}

TimetableChoice ChooseTimetable(const CalendarDate& date, const SchoolCalendar& calendar) {
  TimetableChoice choice;
  choice.week = calendar.CycleWeekOf(date);
  const DatedChange* swap = nullptr;
  for (const DatedChange& change : calendar.changes) {
    if (change.date != date) continue;
    if (change.kind == ChangeKind::kHoliday) choice.holiday = true;
    if (change.kind == ChangeKind::kSwap) swap = &change;  // the last one entered
    if (change.kind == ChangeKind::kSkipPeriods) choice.skipped |= change.skipped;
  }
  if (choice.holiday) {
    choice.skipped = 0;
    choice.label = texts::kHoliday;
  } else if (swap != nullptr) {
    choice.swapped = true;
    choice.day = swap->day;
    choice.week = SwapWeek(*swap, calendar, choice.week);
    choice.label = Labelled(DayDisplayName(choice.day), texts::kSwapped);
  } else if (const int weekday = WeekdayOf(date); weekday == 0) {
    choice.skipped = 0;
    choice.label = kSundayDisplayName;
  } else {
    choice.day = weekday;
    choice.label = std::string(DayDisplayName(weekday));
    if (calendar.Rotates()) choice.label = Labelled(choice.label, CycleWeekName(calendar, choice.week));
  }
  return choice;
}

}  // namespace tabulo::app
