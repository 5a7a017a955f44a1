#include "app/calendar/change_entry.h"

#include <gtest/gtest.h>

#include "app/calendar/calendar_window_texts.h"
#include "calendar_test_helpers.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_window_texts;
using test::Cycle;
using test::Date;
using test::Holiday;
using test::Skip;
using test::Swap;

TEST(ChangeFromFields, KeepsOnlyTheValuesOfItsKind) {
  // Every kind's fields filled at once, as a teacher may leave them when
  // switching the kind back and forth.
  ChangeFields fields;
  fields.date = Date("2025-10-11");
  fields.swap_day = 5;
  fields.swap_week = 2;
  fields.skipped = PeriodBit(3);
  fields.note = "运动会";
  struct Case {
    ChangeKind kind;
    DatedChange change;
  };
  const Case kCases[] = {
      {ChangeKind::kHoliday, Holiday("2025-10-11")},
      {ChangeKind::kSwap, Swap("2025-10-11", 5, 2)},
      {ChangeKind::kSkipPeriods, Skip("2025-10-11", PeriodBit(3))},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    fields.kind = c.kind;
    DatedChange expected = c.change;
    expected.note = "运动会";
    EXPECT_EQ(ChangeFromFields(fields), expected);
  }
}

TEST(RefusalOf, RefusesWhatTheListCouldNeverShowOrWouldNotChange) {
  const CalendarDate today = Date("2025-10-10");  // a Friday, in week 2 of the cycle below
  SchoolCalendar calendar = Cycle(2, "2025-09-29");
  calendar.changes.push_back(Holiday("2025-10-13"));
  struct Case {
    const char* what;
    DatedChange change;
    std::optional<std::string_view> refusal;
  };
  const Case kCases[] = {
      {"today", Holiday("2025-10-10"), std::nullopt},
      {"yesterday", Holiday("2025-10-09"), texts::kDatePassed},
      {"skip without periods", Skip("2025-10-11", 0), texts::kNoPeriods},
      {"skip", Skip("2025-10-11", PeriodBit(8)), std::nullopt},
      {"Friday runs Friday", Swap("2025-10-10", 5), texts::kSwapToItself},
      {"Friday runs its own week's Friday", Swap("2025-10-10", 5, 2), texts::kSwapToItself},
      {"Friday runs the other week's Friday", Swap("2025-10-10", 5, 1), std::nullopt},
      {"Saturday runs Friday", Swap("2025-10-11", 5), std::nullopt},
      {"a second holiday", Holiday("2025-10-13"), texts::kAlreadyListed},
      {"a skip on the holiday", Skip("2025-10-13", PeriodBit(1)), std::nullopt},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(RefusalOf(c.change, calendar, today), c.refusal);
  }
  // Without rotation a named week means nothing: Friday still runs Friday.
  EXPECT_EQ(RefusalOf(Swap("2025-10-10", 5, 1), Cycle(1, nullptr), today), texts::kSwapToItself);
}

}  // namespace
}  // namespace tabulo::app
