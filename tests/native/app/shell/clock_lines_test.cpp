#include "app/shell/clock_lines.h"

#include <gtest/gtest.h>

namespace tabulo::app {
namespace {

// A digit 7 px wide, any other character 13 px: close to the bar's 13 px
// font, whose digits are about half as wide as a Chinese character.
float FakeWidth(std::string_view line) {
  float width = 0;
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (c >= '0' && c <= '9') {
      width += 7;
    } else if ((byte & 0xC0) != 0x80) {
      width += 13;
    }
  }
  return width;
}

TEST(BreakClockLines, BreaksAtTheLastPlaceThatFitsButNeverInsideANumber) {
  struct Case {
    std::string_view text;
    float width;
    std::string_view lines;
  };
  constexpr Case kCases[] = {
      // Wine's own wrapping gave "2026年12月6日1" / "0时0分37秒".
      {"2026年12月6日10时0分37秒", 100, "2026年12月6日\n10时0分37秒"},
      {"2026年12月31日23时59分59秒", 100, "2026年12月31日\n23时59分59秒"},
      // A short date leaves room for a whole number, as on Windows.
      {"2026年1月1日10时5分3秒", 100, "2026年1月1日10\n时5分3秒"},
      {"2026年12月31日", 100, "2026年12月31日"},  // midnight: the date alone
      {"2026年12月31日", 60, "2026年12\n月31日"},
      {"12345年", 10, "12345\n年"},  // a number wider than a line stays whole
      {"", 100, ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    const std::string lines = BreakClockLines(c.text, c.width, FakeWidth);
    EXPECT_EQ(lines, c.lines);
  }
}

}  // namespace
}  // namespace tabulo::app
