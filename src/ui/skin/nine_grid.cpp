#include "ui/skin/nine_grid.h"

#include <cstdint>

#include "base/number/saturating_int.h"

namespace tabulo::ui {
namespace {

// Whole-pixel arithmetic in 64 bits: the inputs may be anything a theme
// holds, and no sum of a few ints leaves the 64-bit range.
struct Wide {
  std::int64_t x, y, width, height;
};

Rect Narrow(const Wide& r) { return {ClampToInt(r.x), ClampToInt(r.y), ClampToInt(r.width), ClampToInt(r.height)}; }

}  // namespace

std::array<NineGridPiece, 9> NineGridPieces(Size picture, const Rect& grid, const Rect& target) {
  const std::int64_t W = picture.width, H = picture.height;
  const std::int64_t gx = grid.x, gy = grid.y;
  const std::int64_t R = W - gx - grid.width;   // right margin
  const std::int64_t B = H - gy - grid.height;  // bottom margin
  const std::int64_t X = target.x, Y = target.y, DW = target.width, DH = target.height;
  const std::int64_t midW = DW - gx - R, midH = DH - gy - B;      // stretched sizes in the target
  const std::int64_t srcMidW = W - gx - R, srcMidH = H - gy - B;  // their sources
  const Wide pieces[9][2] = {
      {{X, Y, gx, gy}, {0, 0, gx, gy}},
      {{X + DW - R, Y, R, gy}, {W - R, 0, R, gy}},
      {{X + gx, Y, midW, gy}, {gx, 0, srcMidW, gy}},
      {{X, Y + DH - B, gx, B}, {0, H - B, gx, B}},
      {{X + DW - R, Y + DH - B, R, B}, {W - R, H - B, R, B}},
      {{X + gx, Y + DH - B, midW, B}, {gx, H - B, srcMidW, B}},
      {{X, Y + gy, gx, midH}, {0, gy, gx, srcMidH}},
      {{X + DW - R, Y + gy, R, midH}, {W - R, gy, R, srcMidH}},
      {{X + gx, Y + gy, midW, midH}, {gx, gy, srcMidW, srcMidH}},
  };
  std::array<NineGridPiece, 9> result;
  for (std::size_t i = 0; i < result.size(); ++i) result[i] = {Narrow(pieces[i][0]), Narrow(pieces[i][1])};
  return result;
}

bool LiesInside(const Rect& area, Size picture) {
  return area.x >= 0 && area.y >= 0 && area.width >= 0 && area.height >= 0 &&
         std::int64_t{area.x} + area.width <= picture.width && std::int64_t{area.y} + area.height <= picture.height;
}

Rect TruncateRect(const RectF& r) {
  return {TruncateToInt(r.x), TruncateToInt(r.y), TruncateToInt(r.width), TruncateToInt(r.height)};
}

}  // namespace tabulo::ui
