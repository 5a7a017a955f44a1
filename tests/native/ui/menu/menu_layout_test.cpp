#include "ui/menu/menu_layout.h"

#include <gtest/gtest.h>

namespace tabulo::ui {
namespace {

const MenuMargin kMargin{5, 4, 6, 7};  // a 112 x 53 body in a 123 x 64 window below

TEST(MenuLayout, StacksVisibleItemsInsideTheMargins) {
  const std::vector<MenuItemMeasure> items{
      {false, false, 0, {40, 14}},
      {true, false, 0, {}},
      {false, false, kMenuItemHidden, {200, 14}},  // hidden: neither room nor width
      {false, true, kMenuItemChecked, {60, 14}},
  };
  const MenuLayout layout = LayOutMenu(items, {14.2f, 0, 20, 12, kMargin});
  EXPECT_EQ(layout.window, (Size{123, 64}));  // 60 + 2 * 20 + 12 arrow room, inside the margins
  ASSERT_EQ(layout.items.size(), 4u);
  EXPECT_EQ(layout.items[0], (Rect{5, 4, 112, 25}));
  EXPECT_EQ(layout.items[1], (Rect{5, 29, 112, 3}));
  EXPECT_TRUE(layout.items[2].empty());
  EXPECT_EQ(layout.items[3], (Rect{5, 32, 112, 25}));  // no gap where the hidden one was
}

TEST(MenuLayout, MinimumWidth) {
  const std::vector<MenuItemMeasure> items{{false, false, 0, {10.2f, 14}}};
  struct Case {
    int minimum;
    int width;
  };
  const Case kCases[] = {{0, 11}, {30, 50}, {49, 50}, {80, 80}, {-5, 11}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.minimum);
    EXPECT_EQ(LayOutMenu(items, {14, c.minimum, 0, 12, {}}).window.width, c.width);
  }
}

// The body's pixel edges decide the margins: at 144 and 168 a side scaled
// alone would be a pixel wider than the room the window leaves it.
TEST(MenuLayout, MarginsAtAScaleFollowTheBodysPixelEdges) {
  const Size window{123, 64};
  struct Case {
    int dpi;
    MenuMargin expected;
  };
  const Case kCases[] = {
      {96, {5, 4, 6, 7}}, {120, {6, 5, 8, 9}}, {144, {8, 6, 9, 10}}, {168, {9, 7, 10, 12}}, {192, {10, 8, 12, 14}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.dpi);
    const MenuMargin m = ScaledMargin(kMargin, window, DpiScale(c.dpi));
    EXPECT_EQ((Rect{m.left, m.top, m.right, m.bottom}),
              (Rect{c.expected.left, c.expected.top, c.expected.right, c.expected.bottom}));
  }
}

TEST(MenuLayout, TopLevelMenuStaysInTheWorkArea) {
  const Size window{123, 64};
  struct Case {
    const char* why;
    Rect work;
    Point at;
    Point expected;
  };
  const Case kCases[] = {
      {"right of and below the point", {0, 0, 1920, 1040}, {100, 100}, {95, 96}},
      {"bottom-right corner: up and to the left", {0, 0, 1920, 1040}, {1900, 1030}, {1783, 973}},
      {"fits exactly", {0, 0, 1920, 1040}, {1808, 987}, {1803, 983}},
      {"work area starting right of a side taskbar", {60, 0, 1860, 1080}, {10, 10}, {55, 6}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(PlaceMenu(c.at, window, kMargin, c.work), c.expected);
  }
}

TEST(MenuLayout, SubMenuBesideItsItem) {
  const Rect work{0, 0, 1920, 1040};
  const Size window{123, 64};
  // Parent body 112 wide starts at x + 5; the item's top is where the sub-menu's body starts.
  EXPECT_EQ(PlaceSubMenu({100, 100, 123, 64}, kMargin, {105, 132, 112, 25}, window, kMargin, work),
            (Point{212, 128}));
  EXPECT_EQ(PlaceSubMenu({1800, 100, 123, 64}, kMargin, {1805, 132, 112, 25}, window, kMargin, work),
            (Point{1688, 128}));
  EXPECT_EQ(PlaceSubMenu({100, 990, 123, 64}, kMargin, {105, 1010, 112, 25}, window, kMargin, work),
            (Point{212, 983}));
}

TEST(MenuLayout, HoverTimerStep) {
  struct Case {
    MenuHoverInput in;
    MenuHoverAction action;
  };
  const Case kCases[] = {
      {{false, true, 2, -1, true}, MenuHoverAction::OpenSubMenu},
      {{false, true, 2, -1, false}, MenuHoverAction::None},
      {{false, false, -1, -1, false}, MenuHoverAction::None},
      {{true, false, -1, 2, false}, MenuHoverAction::KeepOpenItemHighlighted},
      {{true, true, 1, 2, false}, MenuHoverAction::CloseSubMenu},
      {{true, true, 2, 2, true}, MenuHoverAction::None},
      {{true, true, -1, 2, false}, MenuHoverAction::None},  // between items, on the margin
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.in.subMenuOpen << c.in.cursorOverThisMenu << c.in.itemUnderCursor);
    EXPECT_EQ(HoverStep(c.in), c.action);
  }
}

TEST(MenuLayout, HotItemAndSeparatorColours) {
  const MenuHotColours hot = HotItemColours(0xFF3399FF);
  EXPECT_EQ(hot.gradientTop, 0xB53399FFu);
  EXPECT_EQ(hot.gradientBottom, 0xCC3399FFu);

  const MenuSeparatorLine line = SeparatorLine({5, 29, 112, 3}, 24, 4, 0xFF3399FF);
  EXPECT_EQ(line.from, (Point{29, 30}));
  EXPECT_EQ(line.to, (Point{113, 30}));
  EXPECT_EQ(line.colour, 0x663399FFu);
}

TEST(MenuLayout, AccessKeys) {
  struct Case {
    const char* text;
    char32_t key;
    const char* spoken;  // as a screen reader is told
  };
  const Case kCases[] = {
      {"&About", U'a', "A"},        {"E&xit", U'x', "X"},  {"关于(&A)", U'a', "A"},
      {"Save && &Quit", U'q', "Q"}, {"A && B", 0, ""},     {"none", 0, ""},
      {"trailing&", 0, ""},         {"&中文", U'中', "中"}, {"&1", U'1', "1"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(MenuAccessKey(c.text), c.key);
    EXPECT_EQ(MenuAccessKeyName(c.text), c.spoken);
  }
  EXPECT_EQ(FoldAccessKey(U'Q'), U'q');
}

TEST(MenuLayout, ItemNamesLeaveOutTheAccessKey) {
  struct Case {
    const char* text;
    const char* name;
  };
  const Case kCases[] = {
      {"关于(&A)", "关于"},       {"退出（&E）", "退出"},  {"&About", "About"},  {"Save && &Quit", "Save & Quit"},
      {"打开(&O)...", "打开..."}, {"(&)", "()"},           {"(&", "("},          {"a(&bc)", "a(bc)"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(MenuItemName(c.text), c.name);
  }
  EXPECT_EQ(FoldAccessKey(U'中'), U'中');
}

}  // namespace
}  // namespace tabulo::ui
