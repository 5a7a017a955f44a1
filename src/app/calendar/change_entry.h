#pragma once
// A dated change as the calendar window's fields describe it, and whether
// it may join the list. The fields hold every kind's values at once (the
// teacher may switch the kind back and forth); the change keeps only those
// of its kind, so the file never carries a stale day or period list.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/calendar/school_calendar.h"

namespace tabulo::app {

struct ChangeFields {
  CalendarDate date;
  ChangeKind kind = ChangeKind::kHoliday;
  int swap_day = 1;                // the school day whose timetable a swap runs (1 .. 6)
  std::optional<int> swap_week;    // its cycle week; none = the date's own week
  std::uint8_t skipped = 0;        // PeriodBit of each period ticked
  std::string note;

  friend bool operator==(const ChangeFields&, const ChangeFields&) = default;
};

[[nodiscard]] DatedChange ChangeFromFields(const ChangeFields& fields);

// Why `change` cannot be added to `calendar` on `today`, or nothing when it
// can: a date already past (the list would never show it), a skip without
// periods, a swap to the very timetable the date runs anyway, or a second
// change of the same kind on one date.
[[nodiscard]] std::optional<std::string_view> RefusalOf(const DatedChange& change, const SchoolCalendar& calendar,
                                                       const CalendarDate& today);

}  // namespace tabulo::app
