#include "ui/window/tray_tip.h"

#include <gtest/gtest.h>

namespace tabulo::ui {
namespace {

std::u16string Repeat(std::u16string_view piece, int times) {
  std::u16string s;
  for (int i = 0; i < times; ++i) s += piece;
  return s;
}

TEST(TrayTip, KeepsAtMost63Units) {
  EXPECT_EQ(TrayTipText("Tabulo 3.0版"), u"Tabulo 3.0版");
  EXPECT_EQ(TrayTipText(""), u"");
  const std::string ascii63(63, 'a');
  EXPECT_EQ(TrayTipText(ascii63).size(), 63u);
  EXPECT_EQ(TrayTipText(ascii63 + "bc"), std::u16string(63, u'a'));

  std::string cjk;
  for (int i = 0; i < 70; ++i) cjk += "课";
  EXPECT_EQ(TrayTipText(cjk), Repeat(u"课", 63));  // one unit each: 63 characters

  // 😀 is a surrogate pair: the cut never leaves half of it behind.
  std::string emoji(62, 'a');
  emoji += "😀x";
  EXPECT_EQ(TrayTipText(emoji), std::u16string(62, u'a'));
  EXPECT_EQ(TrayTipText(std::string(61, 'a') + "😀x"), std::u16string(61, u'a') + u"😀");
}

TEST(TrayTip, RawBytes) {
  EXPECT_EQ(TrayTipFromUtf16Bytes(std::string("T\0i\0p\0", 6)), u"Tip");
  EXPECT_EQ(TrayTipFromUtf16Bytes(std::string("T\0i\0\0\0p\0", 8)), u"Ti");  // ends at a zero unit
  EXPECT_EQ(TrayTipFromUtf16Bytes(std::string("T\0i", 3)), u"Ti");          // odd last byte
  std::string longBytes;
  for (int i = 0; i < 70; ++i) longBytes += std::string("\xFE\x8B", 2);  // U+8BFE 课, little-endian
  EXPECT_EQ(TrayTipFromUtf16Bytes(longBytes), Repeat(u"课", 63));
}

}  // namespace
}  // namespace tabulo::ui
