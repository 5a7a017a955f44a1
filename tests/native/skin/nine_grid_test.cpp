#include "ui/skin/nine_grid.h"

#include <gtest/gtest.h>

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

TEST(NineGrid, TruncatesFloatRectanglesTowardZero) {
  EXPECT_EQ(TruncateRect({1.9f, -1.9f, 10.5f, 0.99f}), (Rect{1, -1, 10, 0}));
}

}  // namespace
}  // namespace tabulo::ui
