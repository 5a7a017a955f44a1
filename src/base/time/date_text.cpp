#include "base/time/date_text.h"

#include <array>

namespace tabulo {

std::string ClockText(const DateTime& t) {
  std::string text = std::to_string(t.year) + "年" + std::to_string(t.month) + "月" +
                     std::to_string(t.day) + "日";
  if (t.hour == 0 && t.minute == 0 && t.second == 0) return text;
  text += std::to_string(t.hour) + "时";
  if (t.minute == 0 && t.second == 0) return text;
  text += std::to_string(t.minute) + "分";
  if (t.second == 0) return text;
  return text + std::to_string(t.second) + "秒";
}

std::string_view WeekdayName(int weekday) {
  static constexpr std::array<std::string_view, 7> kNames = {
      "星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
  if (weekday < 0 || weekday >= static_cast<int>(kNames.size())) return {};
  return kNames[static_cast<std::size_t>(weekday)];
}

}  // namespace tabulo
