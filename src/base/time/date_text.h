#pragma once
// The date and the weekday as the bar shows them.
#include <string>
#include <string_view>

#include "base/time/date_time.h"

namespace tabulo {

// "2017年7月19日" followed by the time down to its last non-zero part:
// "8时5分9秒", "9时30分", "10时" or nothing at midnight. A zero in front of a
// non-zero part still shows ("10时0分5秒"); numbers have no leading zeros.
[[nodiscard]] std::string ClockText(const DateTime& when);

// "星期日" for 0 (Sunday) to "星期六" for 6; "" outside that range.
[[nodiscard]] std::string_view WeekdayName(int weekday);

}  // namespace tabulo
