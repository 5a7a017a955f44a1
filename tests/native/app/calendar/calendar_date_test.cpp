#include "app/calendar/calendar_date.h"

#include <gtest/gtest.h>

namespace tabulo::app {
namespace {

TEST(CalendarDate, DayNumbersWeekdaysAndTextAgree) {
  struct Case {
    const char* text;
    long long day_number;
    int weekday;  // 0 = Sunday
  };
  const Case kCases[] = {
      {"1970-01-01", 0, 4},         {"1969-12-31", -1, 3},       {"2000-02-29", 11016, 2},
      {"2024-12-31", 20088, 2},     {"2025-01-01", 20089, 3},    {"2028-02-28", 21242, 1},
      {"2028-02-29", 21243, 2},     {"2028-03-01", 21244, 3},    {"2100-03-01", 47541, 1},
      {"0001-01-01", -719162, 1},   {"9999-12-31", 2932896, 5},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    const std::optional<CalendarDate> date = ParseDate(c.text);
    ASSERT_TRUE(date);
    EXPECT_EQ(DayNumber(*date), c.day_number);
    EXPECT_EQ(DateOfDayNumber(c.day_number), *date);
    EXPECT_EQ(WeekdayOf(*date), c.weekday);
    EXPECT_EQ(DateText(*date), c.text);
  }
}

TEST(CalendarDate, EveryDayOfFourHundredYearsFollowsTheDayBefore) {
  CalendarDate previous = *ParseDate("1999-12-31");
  for (long long n = DayNumber(previous) + 1; n <= DayNumber(*ParseDate("2400-01-01")); ++n) {
    const CalendarDate date = DateOfDayNumber(n);
    ASSERT_TRUE(IsValidDate(date)) << n;
    ASSERT_LT(previous, date);
    ASSERT_EQ(DayNumber(date), n);
    const bool next_day = date.day == previous.day + 1 && date.month == previous.month;
    const bool next_month = date.day == 1 && (date.month == previous.month + 1 || (date.month == 1 && previous.month == 12));
    ASSERT_TRUE(next_day || next_month) << DateText(previous) << " then " << DateText(date);
    previous = date;
  }
}

TEST(CalendarDate, OnlyValidDatesInTheirOwnFormParse) {
  for (const char* text : {"2027-02-29", "2100-02-29", "2025-13-01", "2025-00-10", "2025-04-31", "0000-01-01",
                           "2025-1-01", "2025/01/01", " 2025-01-01", "2025-01-01 ", "２０２５-01-01", "", "abcd-ef-gh"}) {
    EXPECT_FALSE(ParseDate(text)) << text;
  }
  EXPECT_TRUE(ParseDate("2000-02-29"));
}

TEST(CalendarDate, WeeksStartOnMonday) {
  for (const char* text : {"2028-02-28", "2028-02-29", "2028-03-04", "2028-03-05"}) {
    EXPECT_EQ(MondayOfWeek(*ParseDate(text)), *ParseDate("2028-02-28")) << text;
  }
  EXPECT_EQ(MondayOfWeek(*ParseDate("2026-01-01")), *ParseDate("2025-12-29"));
  EXPECT_EQ(AddDays(*ParseDate("2028-02-28"), 2), *ParseDate("2028-03-01"));
}

}  // namespace
}  // namespace tabulo::app
