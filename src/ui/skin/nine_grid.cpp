#include "ui/skin/nine_grid.h"

namespace tabulo::ui {

std::array<NineGridPiece, 9> NineGridPieces(Size picture, const Rect& grid, const Rect& target) {
  const int W = picture.width, H = picture.height;
  const int gx = grid.x, gy = grid.y;
  const int R = W - grid.x - grid.width;   // right margin
  const int B = H - grid.y - grid.height;  // bottom margin
  const int X = target.x, Y = target.y, DW = target.width, DH = target.height;
  const int midW = DW - gx - R, midH = DH - gy - B;        // stretched sizes in the target
  const int srcMidW = W - gx - R, srcMidH = H - gy - B;    // their sources
  return {{
      {{X, Y, gx, gy}, {0, 0, gx, gy}},
      {{X + DW - R, Y, R, gy}, {W - R, 0, R, gy}},
      {{X + gx, Y, midW, gy}, {gx, 0, srcMidW, gy}},
      {{X, Y + DH - B, gx, B}, {0, H - B, gx, B}},
      {{X + DW - R, Y + DH - B, R, B}, {W - R, H - B, R, B}},
      {{X + gx, Y + DH - B, midW, B}, {gx, H - B, srcMidW, B}},
      {{X, Y + gy, gx, midH}, {0, gy, gx, srcMidH}},
      {{X + DW - R, Y + gy, R, midH}, {W - R, gy, R, srcMidH}},
      {{X + gx, Y + gy, midW, midH}, {gx, gy, srcMidW, srcMidH}},
  }};
}

Rect TruncateRect(const RectF& r) {
  return {static_cast<int>(r.x), static_cast<int>(r.y), static_cast<int>(r.width), static_cast<int>(r.height)};
}

}  // namespace tabulo::ui
