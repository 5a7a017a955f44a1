#include "app/calendar/change_line.h"

#include <gtest/gtest.h>

#include "calendar_test_helpers.h"

namespace tabulo::app {
namespace {

using test::Cycle;
using test::Holiday;
using test::Skip;
using test::Swap;

TEST(ChangeLine, SaysTheDateItsWeekdayAndWhatHappensInOneLine) {
  const SchoolCalendar none = Cycle(1, nullptr);
  const SchoolCalendar two = Cycle(2, "2025-09-01");
  const SchoolCalendar three = Cycle(3, "2025-09-01");
  struct Case {
    DatedChange change;
    const SchoolCalendar& calendar;
    const char* line;
  };
  const Case kCases[] = {
      {Holiday("2025-10-01", "国庆节"), none, "2025-10-01 星期三  假日，不上课（国庆节）"},
      {Skip("2025-10-15", PeriodBit(1) | PeriodBit(2) | PeriodBit(8)), none, "2025-10-15 星期三  停课：第 1、2、8 节"},
      {Swap("2025-10-11", 5), two, "2025-10-11 星期六  调休：上星期五的课"},
      {Swap("2025-10-11", 5, 2), two, "2025-10-11 星期六  调休：上双周星期五的课"},
      {Swap("2025-10-11", 1, 1), two, "2025-10-11 星期六  调休：上单周星期一的课"},
      {Swap("2025-10-12", 3, 3), three, "2025-10-12 星期日  调休：上第3周星期三的课"},
      // A week the cycle does not have (any more) is the date's own, as the bar runs it.
      {Swap("2025-10-11", 5, 3), two, "2025-10-11 星期六  调休：上星期五的课"},
      {Swap("2025-10-11", 5, 2), none, "2025-10-11 星期六  调休：上星期五的课"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(ChangeLine(c.change, c.calendar), c.line);
  }
}

}  // namespace
}  // namespace tabulo::app
