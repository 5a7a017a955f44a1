#include "app/calendar/timetable_choice.h"

#include <gtest/gtest.h>

#include "native/app/calendar/calendar_test_helpers.h"

namespace tabulo::app {
namespace {

using test::Cycle;
using test::Date;

DatedChange Holiday(const char* date) { return {Date(date), ChangeKind::kHoliday, 1, {}, 0, ""}; }
DatedChange Swap(const char* date, int day, std::optional<int> week = {}) {
  return {Date(date), ChangeKind::kSwap, day, week, 0, ""};
}
DatedChange Skip(const char* date, std::uint8_t periods) {
  return {Date(date), ChangeKind::kSkipPeriods, 1, {}, periods, ""};
}

SchoolCalendar With(SchoolCalendar calendar, std::vector<DatedChange> changes) {
  calendar.changes = std::move(changes);
  return calendar;
}

struct Case {
  const char* what;
  SchoolCalendar calendar;
  const char* date;
  TimetableChoice expected;
};

TimetableChoice Classes(int day, int week, const char* label, std::uint8_t skipped = 0, bool swapped = false) {
  return {day, week, false, swapped, skipped, label};
}
TimetableChoice NoClasses(int week, const char* label, bool holiday = false) {
  return {0, week, holiday, false, 0, label};
}

TEST(TimetableChoice, OneDecisionOfTheDateAndTheCalendar) {
  const SchoolCalendar kPlain;
  // Week 1 runs from Monday 2025-12-29 to Sunday 2026-01-04.
  const SchoolCalendar kTwo = Cycle(2, "2025-12-31");
  // Week 1 runs from Monday 2028-02-14; 2028-02-28 starts week 3.
  const SchoolCalendar kThree = Cycle(3, "2028-02-19");
  const SchoolCalendar kFour = Cycle(4, "2028-02-14");
  const std::uint8_t kFirstAndLast = PeriodBit(1) | PeriodBit(8);
  const Case kCases[] = {
      {"no rotation: the plain weekday", kPlain, "2026-01-06", Classes(2, 1, "星期二")},
      {"no rotation: Sunday", kPlain, "2026-01-04", NoClasses(1, "星期日")},
      {"rotation without week 1 is none", Cycle(2, nullptr), "2026-01-06", Classes(2, 1, "星期二")},
      {"odd week before the year's end", kTwo, "2025-12-29", Classes(1, 1, "星期一 · 单周")},
      {"odd week after the year's end", kTwo, "2026-01-03", Classes(6, 1, "星期六 · 单周")},
      {"Sunday of an odd week", kTwo, "2026-01-04", NoClasses(1, "星期日")},
      {"even week", kTwo, "2026-01-06", Classes(2, 2, "星期二 · 双周")},
      {"odd again", kTwo, "2026-01-12", Classes(1, 1, "星期一 · 单周")},
      {"even week before week 1", kTwo, "2025-12-26", Classes(5, 2, "星期五 · 双周")},
      {"leap day in week 3", kThree, "2028-02-29", Classes(2, 3, "星期二 · 第3周")},
      {"day after the leap day", kThree, "2028-03-01", Classes(3, 3, "星期三 · 第3周")},
      {"week 1 again", kThree, "2028-03-06", Classes(1, 1, "星期一 · 第1周")},
      {"week 4 of 4", kFour, "2028-03-11", Classes(6, 4, "星期六 · 第4周")},
      {"holiday", With(kThree, {Holiday("2028-02-29")}), "2028-02-29", NoClasses(3, "假日", true)},
      {"holiday on a Sunday", With(kPlain, {Holiday("2026-01-04")}), "2026-01-04", NoClasses(1, "假日", true)},
      {"holiday outweighs swap and skip",
       With(kTwo, {Swap("2026-01-06", 5), Holiday("2026-01-06"), Skip("2026-01-06", kFirstAndLast)}), "2026-01-06",
       NoClasses(2, "假日", true)},
      {"holiday on another day", With(kTwo, {Holiday("2026-01-07")}), "2026-01-06", Classes(2, 2, "星期二 · 双周")},
      {"Saturday runs Friday of its own week", With(kTwo, {Swap("2026-01-10", 5)}), "2026-01-10",
       Classes(5, 2, "星期五 · 调休", 0, true)},
      {"Sunday runs Monday of the named week", With(kTwo, {Swap("2026-01-04", 1, 2)}), "2026-01-04",
       Classes(1, 2, "星期一 · 调休", 0, true)},
      {"swap without rotation", With(kPlain, {Swap("2026-01-06", 4)}), "2026-01-06",
       Classes(4, 1, "星期四 · 调休", 0, true)},
      {"swap to a week the cycle no longer has", With(kTwo, {Swap("2026-01-06", 4, 3)}), "2026-01-06",
       Classes(4, 2, "星期四 · 调休", 0, true)},
      {"the last swap entered counts", With(kTwo, {Swap("2026-01-06", 4), Swap("2026-01-06", 3)}), "2026-01-06",
       Classes(3, 2, "星期三 · 调休", 0, true)},
      {"skipped periods", With(kTwo, {Skip("2026-01-06", PeriodBit(1)), Skip("2026-01-06", PeriodBit(8))}),
       "2026-01-06", Classes(2, 2, "星期二 · 双周", kFirstAndLast)},
      {"skipped periods of a swapped day", With(kTwo, {Skip("2026-01-10", kFirstAndLast), Swap("2026-01-10", 5)}),
       "2026-01-10", Classes(5, 2, "星期五 · 调休", kFirstAndLast, true)},
      {"skipping on a Sunday skips nothing", With(kTwo, {Skip("2026-01-04", kFirstAndLast)}), "2026-01-04",
       NoClasses(1, "星期日")},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const TimetableChoice choice = ChooseTimetable(Date(c.date), c.calendar);
    EXPECT_EQ(choice.label, c.expected.label);
    EXPECT_EQ(choice.day, c.expected.day);
    EXPECT_EQ(choice.week, c.expected.week);
    EXPECT_EQ(choice.holiday, c.expected.holiday);
    EXPECT_EQ(choice.swapped, c.expected.swapped);
    EXPECT_EQ(choice.skipped, c.expected.skipped);
  }
}

TEST(TimetableChoice, AnAnchorOnAnyDayOfWeek1GivesTheSameWeeks) {
  for (const char* week1 : {"2028-02-21", "2028-02-23", "2028-02-26", "2028-02-27"}) {
    SCOPED_TRACE(week1);
    const SchoolCalendar calendar = Cycle(2, week1);
    EXPECT_EQ(ChooseTimetable(Date("2028-02-21"), calendar).label, "星期一 · 单周");
    EXPECT_EQ(ChooseTimetable(Date("2028-02-29"), calendar).label, "星期二 · 双周");
    EXPECT_EQ(ChooseTimetable(Date("2028-03-06"), calendar).label, "星期一 · 单周");
    EXPECT_EQ(ChooseTimetable(Date("2028-02-19"), calendar).label, "星期六 · 双周");
  }
}

}  // namespace
}  // namespace tabulo::app
