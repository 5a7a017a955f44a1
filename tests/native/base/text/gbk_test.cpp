#include "base/text/gbk.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace tabulo {
namespace {

// The exhaustive comparison with Windows itself runs under Wine
// (tests/win/base/text/gbk_windows_test.cpp); these pin the cases that matter.
TEST(Gbk, DecodesLikeCodePage936) {
  struct Case {
    const char* gbk;
    const char* utf8;
  };
  const Case kCases[] = {
      {"abc\r\n", "abc\r\n"},
      {"\xC4\xE3\xBA\xC3", "你好"},
      {"\x80", "\u20AC"},              // the single-byte euro sign
      {"\xA2\xE3", "\uE76C"},          // not a second euro sign: private use
      {"\xFF", "\uF8F5"},
      {"\xAA\xA1", "\uE000"},          // user-defined area
      {"\xB0\x5B\x81\x5C", "\u7667\u4E57"},  // trail bytes '[' and '\'
      {"\xC4\x61\xC4\x41", "\u8176\u8141"},  // trail bytes 'a' and 'A' are distinct characters
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8);
    EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk);
  }
}

TEST(Gbk, EncodesWhatGbkLacksAsWindowsDoes) {
  struct Case {
    const char* utf8;
    const char* gbk;
  };
  const Case kCases[] = {
      {"\u00E4", "?"},                 // no GBK form, no best fit
      {"\u00C0", "\xA8\xA4"},          // best fit: capital A grave -> small a grave
      {"\u00A5", "\xA3\xA4"},          // yen -> full-width yen
      {"\U0001F600", "??"},            // one '?' per UTF-16 unit
      {"a\xFF" "b", "a?b"},            // malformed UTF-8
      {"\xED\xB2\x80", "?"},           // a surrogate that is not one of our escapes
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.gbk);
    EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk);
    EXPECT_EQ(GbkLength(c.utf8), std::string(c.gbk).size());
  }
}

TEST(Gbk, LengthCountsGbkBytesNotCharacters) {
  EXPECT_EQ(GbkLength("数学"), 4u);
  EXPECT_EQ(GbkLength("数学a"), 5u);
  EXPECT_EQ(GbkLength("体育课"), 6u);  // one byte too many for a timetable cell
  EXPECT_EQ(GbkLength(""), 0u);
}

TEST(Gbk, KeepsUndecodableBytesAndDoesNotSwallowTheNextOne) {
  struct Case {
    const char* gbk;
    const char* utf8;
  };
  const Case kCases[] = {
      {"\x81\x30z", "\xED\xB2\x81" "0z"},     // Windows: "?z", the '0' lost
      {"k=\x81\r\n", "k=\xED\xB2\x81\r\n"},   // Windows would swallow the '\r'
      {"end\xFE", "end\xED\xB3\xBE"},         // lone lead byte at the end
      {"\x81\x7F\xC4\xE3", "\xED\xB2\x81\x7F你"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.gbk);
    EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8);
    EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk);
  }
}

TEST(Gbk, EveryByteStringSurvivesARoundTrip) {
  std::string pairs;
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) {
      const std::string bytes{static_cast<char>(a), static_cast<char>(b)};
      ASSERT_EQ(Utf8ToGbk(GbkToUtf8(bytes)), bytes) << a << "," << b;
    }
  }
  std::mt19937 random(936);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int n = 0; n < 2000; ++n) {
    std::string bytes(static_cast<std::size_t>(n % 40), '\0');
    for (char& c : bytes) c = static_cast<char>(byte(random));
    ASSERT_EQ(Utf8ToGbk(GbkToUtf8(bytes)), bytes);
  }
}

}  // namespace
}  // namespace tabulo
