#pragma once
// Nine-grid arithmetic: the corners of a picture keep their size, the edges
// stretch along one axis and the centre along both. Whole pixels throughout.
// A target smaller than the two margins together gives edge and centre
// pieces of zero or negative size, which draw nothing: only the corners show.
#include <array>

#include "base/geometry/rect.h"

namespace tabulo::ui {

struct NineGridPiece {
  Rect target;
  Rect source;  // in the picture's own pixels
  // A piece with a zero or negative size on either side draws nothing.
  [[nodiscard]] bool drawable() const { return !target.empty() && !source.empty(); }
};

// picture: the picture's size; grid: the stretchable centre (x, y, w, h) in
// the picture; target: where the picture goes. Order: top-left, top-right,
// top edge, bottom-left, bottom-right, bottom edge, left edge, right edge,
// centre.
[[nodiscard]] std::array<NineGridPiece, 9> NineGridPieces(Size picture, const Rect& grid, const Rect& target);

// Whole-pixel view of a float rectangle, truncating toward zero.
[[nodiscard]] Rect TruncateRect(const RectF& r);

}  // namespace tabulo::ui
