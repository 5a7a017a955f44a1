#include "base/time/date_text.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

TEST(ClockText, ShowsTheTimeDownToItsLastNonZeroPart) {
  struct Case {
    DateTime when;
    const char* text;
  };
  const Case kCases[] = {
      {{2017, 7, 19, 8, 5, 9, 3}, "2017年7月19日8时5分9秒"},
      {{2017, 7, 19, 0, 0, 0, 3}, "2017年7月19日"},
      {{2017, 7, 19, 9, 30, 0, 3}, "2017年7月19日9时30分"},
      {{2017, 7, 19, 10, 0, 0, 3}, "2017年7月19日10时"},
      {{2017, 7, 19, 10, 0, 5, 3}, "2017年7月19日10时0分5秒"},
      {{2017, 7, 19, 0, 0, 5, 3}, "2017年7月19日0时0分5秒"},
      {{2017, 7, 19, 0, 7, 0, 3}, "2017年7月19日0时7分"},
      {{2026, 12, 31, 23, 59, 59, 4}, "2026年12月31日23时59分59秒"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ClockText(c.when), c.text);
  }
}

TEST(WeekdayName, NamesSundayToSaturday) {
  const char* const kNames[] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
  for (int day = 0; day < 7; ++day) EXPECT_EQ(WeekdayName(day), kNames[day]);
  EXPECT_EQ(WeekdayName(-1), "");
  EXPECT_EQ(WeekdayName(7), "");
}

}  // namespace
}  // namespace tabulo
