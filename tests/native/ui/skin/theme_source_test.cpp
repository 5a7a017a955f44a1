#include "ui/skin/theme_source.h"

#include <gtest/gtest.h>

namespace tabulo::ui {
namespace {

// The start of a PNG file: signature and the IHDR chunk's size fields,
// which is all the packer reads of a sheet.
std::vector<std::uint8_t> PngHeader(std::uint32_t width, std::uint32_t height) {
  std::vector<std::uint8_t> bytes = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (std::uint32_t v : {width, height})
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<std::uint8_t>(v >> shift));
  return bytes;
}

std::optional<std::vector<std::uint8_t>> FakeSheets(std::string_view name) {
  if (name == "buttons.png") return PngHeader(64, 48);
  if (name == "huge.png") return PngHeader(8193, 1);
  if (name == "notes.txt") return std::vector<std::uint8_t>{'h', 'i'};
  return std::nullopt;
}

TEST(ThemeSource, ReadsEveryValueKind) {
  const auto result = ParseThemeSource(R"(; a comment
[images]
1 = buttons.png

[Button]
normal = picture(1, 0, 24, 64.5, 24)
gird   = grid(6, 6, 52, 12)
margin = rect(4, 3, -4, -3)
filltype = 3
caption = "  rect(1,2,3,4) as text "
# another comment
[SysShadow.HostWnd]
crborder = 3355443,16777215
)",
                                       FakeSheets);
  ASSERT_TRUE(result.errors.empty()) << result.errors.front();
  ASSERT_TRUE(result.data);
  const ThemeTable& t = result.data->table;
  EXPECT_EQ(t.Picture("Button", "normal"), (SkinPicture{{0, 24, 64.5f, 24}, 1}));
  EXPECT_EQ(t.Picture("Button", "gird"), (SkinPicture{{6, 6, 52, 12}, 0}));
  EXPECT_EQ(t.IntRect("Button", "margin"), (Rect{4, 3, -4, -3}));
  EXPECT_EQ(t.Text("Button", "filltype"), "3");
  EXPECT_EQ(t.Text("Button", "caption"), "  rect(1,2,3,4) as text ");
  EXPECT_EQ(t.Text("SysShadow.HostWnd", "crborder"), "3355443,16777215");
  EXPECT_EQ(result.data->images.at(1), PngHeader(64, 48));
  EXPECT_EQ(t.Entries().size(), 6u);
}

TEST(ThemeSource, AcceptsWindowsLineEndsAndAByteOrderMark) {
  const auto result = ParseThemeSource("\xEF\xBB\xBF; theme\r\n[Edit]\r\nfilltype = 3\r\n", FakeSheets);
  ASSERT_TRUE(result.data) << result.errors.front();
  EXPECT_EQ(result.data->table.Text("Edit", "filltype"), "3");
}

TEST(ThemeSource, ReportsEachMistakeWithItsLine) {
  const auto result = ParseThemeSource(R"(orphan = 1
[images]
1 = missing.png
x = buttons.png
[Button]
normal = picture(1, 0, 0, 64)
margin = rect(1, 2, 3, 4.5)
down = picture(2, 0, 0, 64, 24)
no equals sign
)",
                                       FakeSheets);
  EXPECT_FALSE(result.data);
  const std::vector<std::string> expected = {
      "line 1: value outside a section",
      "line 3: cannot read image file 'missing.png'",
      "line 4: image numbers are whole numbers",
      "line 6: picture(image, x, y, width, height) takes five numbers",
      "line 7: rect(a, b, c, d) takes four whole numbers",
      "line 9: expected 'name = value'",
      "line 8: image 2 is not listed in [images]",
  };
  EXPECT_EQ(result.errors, expected);
}

// What the program would misread or refuse is refused here, naming the
// element, so no package is written that does not mean what its source says.
TEST(ThemeSource, RefusesNumbersNoPictureCanHaveAndSheetsTheProgramWouldNotDecode) {
  const std::string longName(65536, 'n');
  const auto result = ParseThemeSource("[images]\n"
                                       "1 = buttons.png\n"
                                       "2 = huge.png\n"
                                       "3 = notes.txt\n"
                                       "[Button]\n"
                                       "a = picture(1e10, 0, 0, 8, 8)\n"
                                       "b = picture(nan, 0, 0, 8, 8)\n"
                                       "c = picture(1.5, 0, 0, 8, 8)\n"
                                       "d = picture(1, nan, 0, 8, 8)\n"
                                       "e = picture(1, 0, inf, 8, 8)\n"
                                       "f = grid(0, 0, 8193, 8)\n"
                                       "g = rect(0, 0, 0, -9000)\n"
                                       "h = picture(1, 0, 0, 8192, 8192)\n" +
                                           longName + " = 1\n",
                                       FakeSheets);
  EXPECT_FALSE(result.data);
  const std::vector<std::string> expected = {
      "line 3: image file 'huge.png' is not a PNG, JPEG, GIF or BMP picture of at most 8192 x 8192 pixels",
      "line 4: image file 'notes.txt' is not a PNG, JPEG, GIF or BMP picture of at most 8192 x 8192 pixels",
      "line 6: [Button] a: the image number must be a whole number",
      "line 7: [Button] b: the image number must be a whole number",
      "line 8: [Button] c: the image number must be a whole number",
      "line 9: [Button] d: numbers must be finite and within -8192 to 8192",
      "line 10: [Button] e: numbers must be finite and within -8192 to 8192",
      "line 11: [Button] f: numbers must be finite and within -8192 to 8192",
      "line 12: [Button] g: numbers must be finite and within -8192 to 8192",
      "line 14: [Button] nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn...: element and name together are longer than "
      "65,535 bytes",
  };
  EXPECT_EQ(result.errors, expected);
}

}  // namespace
}  // namespace tabulo::ui
