// GbkToUtf8/Utf8ToGbk against Windows' own code page 936 conversions, for
// every byte, every lead/trail pair and every UTF-16 unit.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/text/gbk.h"
#include "base/text/utf8.h"

namespace tabulo {
namespace {

std::u16string WindowsDecode(std::string_view bytes) {
  wchar_t out[8];
  const int n = MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), out, 8);
  return std::u16string(out, out + n);
}

std::string WindowsEncode(char16_t unit) {
  const wchar_t in = unit;
  char out[8];
  const int n = WideCharToMultiByte(936, 0, &in, 1, out, sizeof out, nullptr, nullptr);
  return std::string(out, static_cast<std::size_t>(n));
}

std::u16string OurDecode(std::string_view bytes) { return Utf8ToUtf16(GbkToUtf8(bytes)); }

bool IsLead(unsigned b) { return b >= 0x81 && b <= 0xFE; }

TEST(GbkAgainstWindows, DecodesEverySingleByteAndEveryPairWindowsDecodes) {
  for (unsigned b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    if (IsLead(b)) {
      // Windows: '?'. We keep the byte (see gbk.h).
      ASSERT_EQ(WindowsDecode(byte), u"?") << b;
      ASSERT_EQ(OurDecode(byte), std::u16string(1, static_cast<char16_t>(0xDC00 + b))) << b;
    } else {
      ASSERT_EQ(OurDecode(byte), WindowsDecode(byte)) << b;
    }
  }
  int pairs = 0;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0; trail < 256; ++trail) {
      const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
      const std::u16string windows = WindowsDecode(bytes);
      const std::u16string trailAlone = OurDecode(bytes.substr(1));
      if (windows.size() != 1 || windows == u"?") {
        // An invalid pair. Windows gives '?' and usually swallows the trail
        // byte; we keep the lead byte and decode the trail byte alone.
        ASSERT_EQ(windows[0], u'?') << lead << "," << trail;
        if (windows.size() == 2) {
          ASSERT_EQ(windows.substr(1), trailAlone) << lead << "," << trail;
        }
        ASSERT_EQ(OurDecode(bytes), static_cast<char16_t>(0xDC00 + lead) + trailAlone) << lead << "," << trail;
        continue;
      }
      ASSERT_EQ(OurDecode(bytes), windows) << lead << "," << trail;
      ++pairs;
    }
  }
  EXPECT_EQ(pairs, 126 * 190);
}

TEST(GbkAgainstWindows, EncodesEveryUtf16Unit) {
  for (unsigned u = 0; u <= 0xFFFF; ++u) {
    const std::u16string unit(1, static_cast<char16_t>(u));
    const std::string ours = Utf8ToGbk(Utf16ToUtf8(unit));
    if (u >= 0xDC81 && u <= 0xDCFE) {
      ASSERT_EQ(ours, std::string(1, static_cast<char>(u - 0xDC00))) << u;  // our escapes
      continue;
    }
    ASSERT_EQ(ours, WindowsEncode(static_cast<char16_t>(u))) << u;
  }
  const wchar_t pair[] = {0xD83D, 0xDE00};
  char out[8];
  const int n = WideCharToMultiByte(936, 0, pair, 2, out, sizeof out, nullptr, nullptr);
  EXPECT_EQ(Utf8ToGbk("\U0001F600"), std::string(out, static_cast<std::size_t>(n)));
}

}  // namespace
}  // namespace tabulo
