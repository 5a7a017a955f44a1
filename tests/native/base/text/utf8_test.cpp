#include "base/text/utf8.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

TEST(Utf8, DecodesEachLengthAndRejectsMalformedSequencesOneByteAtATime) {
  struct Case {
    const char* bytes;
    char32_t value;
    std::size_t length;
  };
  const Case kCases[] = {
      {"A", U'A', 1},
      {"\xC3\xA9", U'\u00E9', 2},
      {"\xE4\xB8\xAD", U'\u4E2D', 3},
      {"\xF0\x9F\x98\x80", U'\U0001F600', 4},
      {"\xED\xB2\x81", char32_t{0xDC81}, 3},  // a surrogate, kept for the GBK escapes
      {"\xC0\xAF", kReplacementCharacter, 1},  // overlong '/'
      {"\xE4\xB8", kReplacementCharacter, 1},  // truncated
      {"\xE4" "A" "\xAD", kReplacementCharacter, 1},
      {"\x80", kReplacementCharacter, 1},      // stray continuation byte
      {"\xF4\x90\x80\x80", kReplacementCharacter, 1},  // beyond U+10FFFF
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.bytes);
    const DecodedCodePoint d = DecodeUtf8(c.bytes, 0);
    EXPECT_EQ(d.value, c.value);
    EXPECT_EQ(d.length, c.length);
  }
}

TEST(Utf8, Utf16RoundTripKeepsPairsAndLoneSurrogates) {
  const std::string text = "a\u00E9\u4E2D\U0001F600\xED\xB2\x81z";
  const std::u16string units = Utf8ToUtf16(text);
  EXPECT_EQ(units, (std::u16string{u'a', u'\u00E9', u'\u4E2D', 0xD83D, 0xDE00, 0xDC81, u'z'}));
  EXPECT_EQ(Utf16ToUtf8(units), text);
  EXPECT_EQ(Utf8ToUtf16("\xFF" "a"), (std::u16string{0xFFFD, u'a'}));
}

}  // namespace
}  // namespace tabulo
