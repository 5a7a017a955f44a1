#include "ui/skin/theme_source.h"

#include <gtest/gtest.h>

namespace tabulo::ui {
namespace {

std::optional<std::vector<std::uint8_t>> FakeSheets(std::string_view name) {
  if (name == "buttons.png") return std::vector<std::uint8_t>{1, 2, 3};
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
  EXPECT_EQ(result.data->images.at(1), (std::vector<std::uint8_t>{1, 2, 3}));
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

}  // namespace
}  // namespace tabulo::ui
