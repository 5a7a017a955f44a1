#pragma once
// A full week's timetable.dat as the editors write it: six day sections,
// each with eight subjects and eight start times (144 keys), in GBK.
#include <string>

#include "base/text/gbk.h"

namespace tabulo::bench {

inline std::string SampleTimetableFile() {
  const char* const kDays[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  const char* const kSubjects[] = {"语文", "数学", "英语", "物理", "化学", "生物", "政治", "地理"};
  std::string text;
  for (const char* day : kDays) {
    text.append("[").append(day).append("]\r\n");
    for (int p = 1; p <= 8; ++p) text.append(std::to_string(p)).append("=").append(kSubjects[p - 1]).append("\r\n");
    for (int p = 1; p <= 8; ++p) {
      text.append("T").append(std::to_string(p)).append("=").append(std::to_string(7 + p)).append("\r\n");
      text.append("F").append(std::to_string(p)).append("=").append(std::to_string(p * 5)).append("\r\n");
    }
  }
  return Utf8ToGbk(text);
}

}  // namespace tabulo::bench
