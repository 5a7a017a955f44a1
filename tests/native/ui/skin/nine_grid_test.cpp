#include "ui/skin/nine_grid.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace tabulo::ui {
namespace {

// How many drawable pieces cover each pixel of `area`, through `pick`.
template <typename Pick>
std::vector<int> Coverage(const std::array<NineGridPiece, 9>& pieces, const Rect& area, Pick pick) {
  std::vector<int> hits(static_cast<std::size_t>(area.width * area.height), 0);
  for (const auto& piece : pieces) {
    if (!piece.drawable()) continue;
    const Rect r = pick(piece);
    for (int y = r.y; y < r.bottom(); ++y)
      for (int x = r.x; x < r.right(); ++x) {
        if (!area.contains({x, y})) {
          ADD_FAILURE() << "piece reaches outside at " << x << "," << y;
          continue;
        }
        ++hits[static_cast<std::size_t>((y - area.y) * area.width + (x - area.x))];
      }
  }
  return hits;
}

TEST(NineGrid, PiecesTileTargetAndPictureExactlyOnce) {
  const Size picture{30, 20};
  const Rect grid{8, 5, 12, 9};  // right margin 10, bottom margin 6
  const Rect kTargets[] = {
      {0, 0, 30, 20},     // the picture's own size
      {7, 3, 200, 90},    // larger, offset
      {0, 0, 18, 11},     // exactly the margins: no stretched part left
      {-5, -4, 31, 21},   // one pixel larger, negative origin
  };
  for (const Rect& target : kTargets) {
    SCOPED_TRACE(testing::Message() << "target " << target.x << "," << target.y << " " << target.width << "x" << target.height);
    const auto pieces = NineGridPieces(picture, grid, target);
    for (int hits : Coverage(pieces, target, [](const NineGridPiece& p) { return p.target; })) ASSERT_EQ(hits, 1);
    if (target.width > 18 && target.height > 11) {
      // Every part of the picture is used once when nothing collapses.
      for (int hits : Coverage(pieces, {0, 0, 30, 20}, [](const NineGridPiece& p) { return p.source; }))
        ASSERT_EQ(hits, 1);
    }
  }
}

TEST(NineGrid, OwnSizeMapsEveryPieceOntoItself) {
  const auto pieces = NineGridPieces({30, 20}, {8, 5, 12, 9}, {100, 50, 30, 20});
  for (const auto& piece : pieces) {
    EXPECT_EQ(piece.target, piece.source.offset(100, 50));
  }
}

TEST(NineGrid, TargetSmallerThanMarginsKeepsOnlyUnscaledCorners) {
  const auto pieces = NineGridPieces({30, 20}, {8, 5, 12, 9}, {0, 0, 12, 8});
  for (int i = 0; i < 9; ++i) {
    const bool corner = i == 0 || i == 1 || i == 3 || i == 4;
    SCOPED_TRACE(i);
    EXPECT_EQ(pieces[i].drawable(), corner);
    if (corner) {
      EXPECT_EQ(pieces[i].target.width, pieces[i].source.width);
      EXPECT_EQ(pieces[i].target.height, pieces[i].source.height);
    }
  }
  EXPECT_EQ(pieces[4].target, (Rect{2, 2, 10, 6}));  // bottom-right anchored to the target's corner
}

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

TEST(NineGrid, TruncatesFloatRectanglesTowardZeroAndClampsWhatIsNoWholePixel) {
  const float kNan = std::numeric_limits<float>::quiet_NaN();
  const float kInf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(TruncateRect({1.9f, -1.9f, 10.5f, 0.99f}), (Rect{1, -1, 10, 0}));
  EXPECT_EQ(TruncateRect({kNan, kInf, -kInf, 3e9f}), (Rect{0, kIntMax, kIntMin, kIntMax}));
  EXPECT_EQ(TruncateRect({-3e9f, 2147483520.0f, -2147483648.0f, 1e38f}),
            (Rect{kIntMin, 2147483520, kIntMin, kIntMax}));
}

// Theme numbers can be anything: the pieces stay at the ends of the int
// range instead of wrapping round to the far side.
TEST(NineGrid, ExtremeNumbersClampInsteadOfWrapping) {
  const auto farRight = NineGridPieces({30, 20}, {8, 5, 12, 9}, {kIntMax - 5, 0, 100, 20});
  EXPECT_EQ(farRight[1].target.x, kIntMax) << "top-right corner";
  EXPECT_EQ(farRight[8].target.width, 82);
  const auto hugeGrid = NineGridPieces({30, 20}, {kIntMin, 0, kIntMax, 20}, {0, 0, 40, 20});
  EXPECT_EQ(hugeGrid[0].target.width, kIntMin) << "left margin";
  EXPECT_EQ(hugeGrid[2].target.x, kIntMin);
  EXPECT_EQ(hugeGrid[2].target.width, kIntMax) << "top edge: 40 - min - 31 is beyond the range";
}

TEST(NineGrid, AnAreaLiesInsideItsPictureOnlyWhollyAndWithoutOverflow) {
  struct Case {
    Rect area;
    bool inside;
  };
  const Case kCases[] = {
      {{0, 0, 30, 20}, true},            {{8, 5, 12, 9}, true},
      {{29, 19, 1, 1}, true},            {{30, 0, 0, 20}, true},  // empty, at the edge
      {{29, 0, 2, 20}, false},           {{0, 0, 30, 21}, false},
      {{-1, 0, 5, 5}, false},            {{0, -1, 5, 5}, false},
      {{2, 2, -1, 5}, false},            {{2, 2, 5, -1}, false},
      {{kIntMax, 0, kIntMax, 1}, false}, {{1, 1, kIntMax, kIntMax}, false},
      {{kIntMin, kIntMin, kIntMax, kIntMax}, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.area.x << "," << c.area.y << " " << c.area.width << "x" << c.area.height);
    EXPECT_EQ(LiesInside(c.area, {30, 20}), c.inside);
  }
}

}  // namespace
}  // namespace tabulo::ui
