#include "ui/skin/window_skin_values.h"

#include <gtest/gtest.h>

#include <limits>

#include "ui/skin/theme_table.h"

namespace tabulo::ui {
namespace {

ThemeTable ShadowTable() {
  ThemeTable t;
  t.Set(RectKey("SysShadow.HostWnd", "margin"), Rect{10, 8, 12, 14});
  t.Set(TextKey("SysShadow.HostWnd", "rectround"), std::string("6"));
  t.Set(TextKey("SysShadow.HostWnd", "crborder"), std::string("3355443,16777215"));
  t.Set(TextKey("SysShadow.HostWnd", "cycaption"), std::string("30"));
  t.Set(RectKey("SysShadow.SubWnd", "margin"), Rect{4, 4, 4, 4});
  t.Set(TextKey("SysButton", "offsetright"), std::string("6"));
  t.Set(TextKey("SysButton", "top"), std::string("1"));
  return t;
}

TEST(WindowSkin, TopLevelWindowsReadTheHostShadow) {
  const ThemeTable t = ShadowTable();
  const WindowSkinValues v = ReadWindowSkin(&t, false);
  EXPECT_EQ(v.margins, (Margins{10, 8, 12, 14}));
  EXPECT_EQ(v.cornerRadius, 6);
  EXPECT_EQ(v.borderColours, (std::vector<Rgb>{3355443, 16777215}));
  EXPECT_EQ(v.captionHeight, 30);
  EXPECT_EQ(v.captionButtonsOffsetRight, 6);
  EXPECT_EQ(v.captionButtonsTop, 1);
}

TEST(WindowSkin, WindowsWithAParentReadTheSubWindowShadowOnly) {
  const ThemeTable t = ShadowTable();
  const WindowSkinValues v = ReadWindowSkin(&t, true);
  EXPECT_EQ(v.margins, (Margins{4, 4, 4, 4}));
  EXPECT_EQ(v.cornerRadius, -1);
  EXPECT_TRUE(v.borderColours.empty());
  EXPECT_EQ(v.captionHeight, 0);
  EXPECT_EQ(v.captionButtonsOffsetRight, 6) << "caption buttons are shared";
}

TEST(WindowSkin, NoPackageMeansNoShadowNoBorderNoRadius) {
  const WindowSkinValues v = ReadWindowSkin(nullptr, false);
  EXPECT_EQ(v.margins, Margins{});
  EXPECT_EQ(v.cornerRadius, -1);
  EXPECT_TRUE(v.borderColours.empty());
}

// A damaged theme's margins would make the window's surfaces huge or its
// arithmetic overflow; the window keeps its plain look instead.
TEST(WindowSkin, ImplausibleMarginsAreIgnored) {
  const Rect kMargins[] = {{-1, 8, 12, 14}, {10, 8, 257, 14}, {0, 0, 0, std::numeric_limits<int>::max()},
                           {std::numeric_limits<int>::min(), 0, 0, 0}};
  for (const Rect& margin : kMargins) {
    SCOPED_TRACE(testing::Message() << margin.x << "," << margin.y << "," << margin.width << "," << margin.height);
    ThemeTable t = ShadowTable();
    t.Set(RectKey("SysShadow.HostWnd", "margin"), margin);
    const WindowSkinValues v = ReadWindowSkin(&t, false);
    EXPECT_EQ(v.margins, Margins{});
    EXPECT_EQ(v.captionHeight, 30) << "the rest of the element is still read";
  }
  ThemeTable widest = ShadowTable();
  widest.Set(RectKey("SysShadow.HostWnd", "margin"), Rect{256, 0, 256, 1});
  EXPECT_EQ(ReadWindowSkin(&widest, false).margins, (Margins{256, 0, 256, 1}));
}

TEST(WindowSkin, GeometryClampsInsteadOfOverflowing) {
  constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
  EXPECT_EQ(ContentRect({kMax, kMin}, {-5, 5, -5, 5}), (Rect{-5, 5, kMax, kMin}));
  EXPECT_EQ(MaximisedWindowRect({kMin, 0, kMax, kMax}, {1, 1, 1, 1}), (Rect{kMin, -2, kMax, kMax}));
}

TEST(WindowSkin, GeometryFromMargins) {
  const Margins m{10, 8, 12, 14};
  EXPECT_EQ(ContentRect({300, 200}, m), (Rect{10, 8, 278, 178}));
  EXPECT_EQ(ContentRect({300, 200}, {}), (Rect{0, 0, 300, 200}));
  // Maximised: the content (window minus margins) covers the work area with
  // one pixel to spare on every side.
  const Rect work{0, 0, 1920, 1040};
  const Rect window = MaximisedWindowRect(work, m);
  EXPECT_EQ(window, (Rect{-11, -9, 1944, 1064}));
  EXPECT_EQ(ContentRect({window.width, window.height}, m).offset(window.x, window.y), (Rect{-1, -1, 1922, 1042}));
  EXPECT_EQ(CaptionIconOffset(0), 0);
  EXPECT_EQ(CaptionIconOffset(30), 7);
}

}  // namespace
}  // namespace tabulo::ui
