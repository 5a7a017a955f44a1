#include "ui/skin/skin_text.h"

#include <gtest/gtest.h>

namespace tabulo::ui {
namespace {

TEST(GridText, OnlyExactlyFourNumbersMakeAGrid) {
  const struct {
    const char* text;
    std::optional<RectF> grid;
  } kCases[] = {
      {"4,5,20,10", RectF{4, 5, 20, 10}},
      {" 4 , 5 ,20, 10 ", RectF{4, 5, 20, 10}},
      {"1.5,2,3,4", RectF{1.5f, 2, 3, 4}},
      {"4,5,20", std::nullopt},
      {"4,5,20,10,3", std::nullopt},
      {"4,5,20,", std::nullopt},
      {"a,b,c,d", std::nullopt},
      {"4,5,20,10px", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseGridText(c.text), c.grid);
  }
}

TEST(BorderColours, ListsRingsOutermostFirst) {
  EXPECT_EQ(ParseBorderColours("3355443,16777215"), (std::vector<Rgb>{3355443, 16777215}));
  EXPECT_EQ(ParseBorderColours(" 255 "), (std::vector<Rgb>{255}));
  EXPECT_EQ(ParseBorderColours("255,"), (std::vector<Rgb>{255}));
  EXPECT_TRUE(ParseBorderColours("").empty());
  EXPECT_TRUE(ParseBorderColours("  ").empty());
}

}  // namespace
}  // namespace tabulo::ui
