#include "base/text/line_breaks.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

TEST(OneLineFeedPerBreak, EachBreakBecomesOneLineFeed) {
  struct Case {
    std::wstring_view text;
    std::wstring_view lines;
  };
  constexpr Case kCases[] = {
      {L"单\r\n击\r\n此", L"单\n击\n此"},
      {L"a\rb", L"a\nb"},          // a lone CR
      {L"a\nb", L"a\nb"},          // a lone LF stays
      {L"a\n\rb", L"a\n\nb"},      // LF CR is two breaks
      {L"a\r\r\nb", L"a\n\nb"},    // CR, then a pair
      {L"a\r\n\r\nb", L"a\n\nb"},  // an empty line between
      {L"\r\nab\r", L"\nab\n"},    // at both ends
      {L"", L""},
      {L"no break", L"no break"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
    EXPECT_EQ(OneLineFeedPerBreak(c.text), c.lines);
  }
}

}  // namespace
}  // namespace tabulo
