#include "base/text/text_to_int.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

struct Case {
  const char* text;
  std::int32_t expected;
};

TEST(TextToInt, ReadsLikeTheProgramExpects) {
  const Case kCases[] = {
      {"", 0},
      {"abc", 0},
      {"07", 7},
      {"5", 5},
      {"7:30", 7},
      {"  -5", -5},
      {"+12x3", 12},
      {"-", 0},
      {"1-2", 1},
      {"\t 42", 42},
      {"０７", 7},            // full-width digits
      {"－５", -5},           // full-width minus
      {"\u3000\u3000３０分", 30},  // ideographic spaces, then full-width digits
      {"2147483647", 2147483647},
      {"2147483648", 2147483647},   // clamped, not wrapped
      {"99999999999999999999", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"-99999999999999999999", -2147483647 - 1},
      {"- 5", 0},              // a blank after the sign ends the number
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TextToInt(c.text), c.expected);
  }
}

}  // namespace
}  // namespace tabulo
