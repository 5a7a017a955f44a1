#include "base/geometry/dpi_scale.h"

#include <gtest/gtest.h>

#include <vector>

namespace tabulo {
namespace {

constexpr int kDpis[] = {96, 120, 144, 168, 192};

TEST(DpiScaleTest, LengthsRoundToTheNearestPixelAlikeOnBothSidesOfZero) {
  struct Case {
    int dpi;
    int units;
    int pixels;
  };
  constexpr Case kCases[] = {
      {96, 146, 146},   {96, -7, -7},     {120, 1, 1},     {120, 2, 3},     {120, 3, 4},   {120, -2, -3},
      {144, 1, 2},      {144, 3, 5},      {144, -3, -5},   {144, 146, 219}, {144, 702, 1053},
      {144, 156, 234},  {168, 1, 2},      {168, 5, 9},     {168, -5, -9},   {168, 146, 256},
      {192, 7, 14},     {192, -7, -14},   {192, 156, 312}, {0, 33, 33},     {-5, 33, 33},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.units << " at " << c.dpi);
    EXPECT_EQ(DpiScale(c.dpi).Length(c.units), c.pixels);
  }
}

TEST(DpiScaleTest, RectanglesScaleByTheirEdgesSoNeighboursStayNeighbours) {
  // A row of odd-sized cells, some at negative offsets, each starting where
  // the one before it ends.
  const std::vector<Rect> row = {{-7, -3, 5, 9}, {-2, -3, 3, 9}, {1, -3, 7, 9}, {8, -3, 1, 9}, {9, -3, 13, 9}};
  for (int dpi : kDpis) {
    SCOPED_TRACE(dpi);
    const DpiScale scale(dpi);
    for (std::size_t i = 1; i < row.size(); ++i) {
      const Rect before = scale.ToPixels(row[i - 1]);
      const Rect after = scale.ToPixels(row[i]);
      EXPECT_EQ(before.right(), after.x);
      EXPECT_EQ(before.y, after.y);
      EXPECT_EQ(before.bottom(), after.bottom());
    }
    for (const Rect& cell : row) {
      const Rect pixels = scale.ToPixels(cell);
      EXPECT_EQ(pixels.x, scale.Length(cell.x));
      EXPECT_EQ(pixels.right(), scale.Length(cell.right()));
    }
  }
}

TEST(DpiScaleTest, AtNinetySixDpiNothingChanges) {
  const DpiScale scale;
  EXPECT_TRUE(scale.IsIdentity());
  const Rect r{-13, 7, 219, 1053};
  EXPECT_EQ(scale.ToPixels(r), r);
  EXPECT_EQ(scale.ToPixels(Size{146, 702}), (Size{146, 702}));
  EXPECT_EQ(scale.ToUnits(Point{-3, 5}), (Point{-3, 5}));
  EXPECT_EQ(scale.FontPixels(9), 12);
}

TEST(DpiScaleTest, PixelsGoBackToTheUnitsTheyCameFrom) {
  for (int dpi : kDpis) {
    SCOPED_TRACE(dpi);
    const DpiScale scale(dpi);
    for (int units = -300; units <= 300; ++units) ASSERT_EQ(scale.Units(scale.Length(units)), units) << units;
    EXPECT_EQ(scale.ToUnits(scale.ToPixels(Point{-41, 77})), (Point{-41, 77}));
    for (const Rect& r : {Rect{-41, 77, 3, 5}, Rect{7, -9, 146, 702}, Rect{1, 1, 1, 1}}) {
      EXPECT_EQ(scale.ToUnits(scale.ToPixels(r)), r);
    }
  }
}

TEST(DpiScaleTest, CoveringUnitsAreTheSmallestUnitRectangleOverAPixelArea) {
  struct Case {
    int dpi;
    Rect pixels;
    Rect units;
  };
  // Several rows differ from flooring the left/top and ceiling the
  // right/bottom of pixels × 96 / dpi, which is a unit wider than needed
  // wherever an edge pixel rounds onto the unit past it.
  constexpr Case kCases[] = {
      {96, {5, -3, 7, 9}, {5, -3, 7, 9}},     {120, {1, 1, 1, 1}, {1, 1, 1, 1}},
      {120, {-3, 4, 5, 3}, {-2, 3, 4, 3}},    {144, {2, 0, 1, 3}, {1, 0, 1, 2}},
      {144, {-5, -1, 4, 2}, {-3, -1, 3, 2}},  {144, {0, 0, 219, 1053}, {0, 0, 146, 702}},
      {168, {7, 9, 3, 1}, {4, 5, 2, 1}},      {192, {1, 3, 1, 1}, {0, 1, 1, 1}},
      {192, {-3, -1, 6, 2}, {-2, -1, 4, 2}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.pixels.x << "," << c.pixels.y << " " << c.pixels.width << "x"
                                    << c.pixels.height << " at " << c.dpi);
    EXPECT_EQ(DpiScale(c.dpi).CoveringUnits(c.pixels), c.units);
  }
}

TEST(DpiScaleTest, CoveringUnitsCoverThePixelsAndNoEdgeCanComeIn) {
  const auto covers = [](const Rect& outer, const Rect& inner) {
    return outer.x <= inner.x && outer.y <= inner.y && outer.right() >= inner.right() &&
           outer.bottom() >= inner.bottom();
  };
  for (int dpi : kDpis) {
    SCOPED_TRACE(dpi);
    const DpiScale scale(dpi);
    for (int x = -9; x <= 9; ++x) {
      for (int width = 1; width <= 7; ++width) {
        const Rect pixels{x, -x, width, width + 2};
        const Rect units = scale.CoveringUnits(pixels);
        ASSERT_TRUE(covers(scale.ToPixels(units), pixels)) << x << " " << width;
        const Rect shrunk[] = {{units.x + 1, units.y, units.width - 1, units.height},
                               {units.x, units.y + 1, units.width, units.height - 1},
                               {units.x, units.y, units.width - 1, units.height},
                               {units.x, units.y, units.width, units.height - 1}};
        for (const Rect& smaller : shrunk) ASSERT_FALSE(covers(scale.ToPixels(smaller), pixels)) << x << " " << width;
      }
    }
  }
}

TEST(DpiScaleTest, FontsAreSizedForTheDpi) {
  struct Case {
    int dpi;
    int points;
    int pixels;
  };
  constexpr Case kCases[] = {{96, 9, 12}, {120, 9, 15}, {144, 9, 18}, {168, 9, 21}, {192, 9, 24},
                             {96, 26, 35}, {144, 26, 52}, {96, 180, 240}, {144, 180, 360}, {192, 180, 480}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.points << " pt at " << c.dpi);
    EXPECT_EQ(DpiScale(c.dpi).FontPixels(c.points), c.pixels);
  }
}

}  // namespace
}  // namespace tabulo
