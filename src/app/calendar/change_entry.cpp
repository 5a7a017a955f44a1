// Dated changes from the calendar window's fields; see change_entry.h.
#include "app/calendar/change_entry.h"

#include <algorithm>

#include "app/calendar/calendar_window_texts.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_window_texts;

bool RunsItsOwnTimetable(const DatedChange& swap, const SchoolCalendar& calendar) {
  if (swap.day != WeekdayOf(swap.date)) return false;
  return !swap.week || !calendar.Rotates() || *swap.week == calendar.CycleWeekOf(swap.date);
}

}  // namespace

DatedChange ChangeFromFields(const ChangeFields& fields) {
  DatedChange change;
  change.date = fields.date;
  change.kind = fields.kind;
  change.note = fields.note;
  if (fields.kind == ChangeKind::kSwap) {
    change.day = fields.swap_day;
    change.week = fields.swap_week;
  }
  if (fields.kind == ChangeKind::kSkipPeriods) change.skipped = fields.skipped;
  return change;
}

std::optional<std::string_view> RefusalOf(const DatedChange& change, const SchoolCalendar& calendar,
                                          const CalendarDate& today) {
  if (change.date < today) return texts::kDatePassed;
  if (change.kind == ChangeKind::kSkipPeriods && change.skipped == 0) return texts::kNoPeriods;
  if (change.kind == ChangeKind::kSwap && RunsItsOwnTimetable(change, calendar)) return texts::kSwapToItself;
  const bool listed = std::any_of(calendar.changes.begin(), calendar.changes.end(), [&](const DatedChange& other) {
    return other.date == change.date && other.kind == change.kind;
  });
  if (listed) return texts::kAlreadyListed;
  return std::nullopt;
}

}  // namespace tabulo::app
