#include "app/calendar/school_calendar.h"

#include <gtest/gtest.h>

#include "native/app/calendar/calendar_test_helpers.h"

namespace tabulo::app {
namespace {

using test::Cycle;
using test::Date;

TEST(SchoolCalendar, CycleWeeksCountFromTheMondayOfTheAnchorsWeek) {
  struct Case {
    int weeks;
    const char* week1;
    const char* date;
    int expected;
  };
  const Case kCases[] = {
      // Week 1 is 2025-12-29 (Monday) to 2026-01-04 (Sunday), whichever of its days is the anchor.
      {2, "2025-12-29", "2025-12-29", 1}, {2, "2026-01-04", "2025-12-29", 1}, {2, "2025-12-31", "2026-01-04", 1},
      {2, "2026-01-01", "2026-01-05", 2}, {2, "2026-01-03", "2026-01-11", 2}, {2, "2025-12-29", "2026-01-12", 1},
      // Before the anchor the cycle runs backwards.
      {2, "2026-01-01", "2025-12-28", 2}, {2, "2026-01-01", "2025-12-21", 1}, {3, "2026-01-01", "2025-12-28", 3},
      // Across the leap day of 2028.
      {2, "2028-02-21", "2028-02-29", 2}, {2, "2028-02-21", "2028-03-05", 2}, {2, "2028-02-21", "2028-03-06", 1},
      {3, "2028-02-23", "2028-02-29", 2}, {3, "2028-02-23", "2028-03-07", 3}, {3, "2028-02-23", "2028-03-13", 1},
      {4, "2027-09-01", "2028-02-29", 3},  // 26 weeks after the week of 2027-08-30
      {4, "2027-09-01", "2027-12-31", 2},  // 17 weeks after it
      // No rotation.
      {1, "2027-09-01", "2028-02-29", 1},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.week1) + " " + c.date);
    EXPECT_EQ(Cycle(c.weeks, c.week1).CycleWeekOf(Date(c.date)), c.expected);
  }
}

TEST(SchoolCalendar, WithoutAnAnchorThereIsNoRotation) {
  SchoolCalendar calendar;
  calendar.cycle_weeks = 2;
  EXPECT_FALSE(calendar.Rotates());
  EXPECT_EQ(calendar.CycleWeekOf(Date("2026-01-12")), 1);
}

TEST(SchoolCalendar, SettingThisWeeksNumberMakesTodayFallInIt) {
  for (const char* today : {"2026-01-05", "2026-01-07", "2026-01-10", "2026-01-11", "2028-02-29", "2028-01-02"}) {
    for (int weeks = 2; weeks <= kMaxCycleWeeks; ++weeks) {
      for (int week = 1; week <= weeks; ++week) {
        SCOPED_TRACE(std::string(today) + " week " + std::to_string(week) + " of " + std::to_string(weeks));
        SchoolCalendar calendar;
        calendar.cycle_weeks = weeks;
        calendar.SetCurrentWeek(Date(today), week);
        EXPECT_EQ(calendar.CycleWeekOf(Date(today)), week);
        EXPECT_EQ(WeekdayOf(*calendar.week1), 1) << "the anchor is a Monday";
        EXPECT_EQ(calendar.CycleWeekOf(AddDays(Date(today), 7)), week % weeks + 1) << "next week is the next";
      }
    }
  }
  EXPECT_EQ(Week1ForCurrentWeek(Date("2026-01-07"), 2), Date("2025-12-29"));
}

TEST(SchoolCalendar, PastChangesDropOutOfTheListAndAfterATermOutOfTheFile) {
  SchoolCalendar calendar;
  const auto change = [](const char* date, const char* note) {
    DatedChange c;
    c.date = Date(date);
    c.note = note;
    return c;
  };
  calendar.changes = {change("2026-05-01", "later"), change("2025-10-01", "old"), change("2026-03-10", "today"),
                      change("2026-03-09", "yesterday"), change("2025-09-11", "a term ago"),
                      change("2026-03-10", "today too")};
  const CalendarDate today = Date("2026-03-10");
  std::vector<std::string> upcoming;
  for (const DatedChange& c : calendar.UpcomingChanges(today)) upcoming.push_back(c.note);
  EXPECT_EQ(upcoming, (std::vector<std::string>{"today", "today too", "later"}));

  calendar.PruneChanges(today);  // 2025-09-11 is 180 days before 2026-03-10; 2025-09-10 would go
  std::vector<std::string> kept;
  for (const DatedChange& c : calendar.changes) kept.push_back(c.note);
  EXPECT_EQ(kept, (std::vector<std::string>{"later", "old", "today", "yesterday", "a term ago", "today too"}));
  calendar.PruneChanges(AddDays(today, 1));
  EXPECT_EQ(calendar.changes.size(), 5u);
  EXPECT_EQ(calendar.changes[4].note, "today too");
}

}  // namespace
}  // namespace tabulo::app
