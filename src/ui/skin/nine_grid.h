#pragma once
// Nine-grid arithmetic: the corners of a picture keep their size, the edges
// stretch along one axis and the centre along both. Whole pixels throughout.
// A target smaller than the two margins together gives edge and centre
// pieces of zero or negative size, which draw nothing: only the corners show.
// Any inputs give defined results (worked out in 64 bits, clamped to int).
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

// Whether an area (a picture in its sheet, a nine-grid centre in its
// picture) lies wholly inside a picture of the given size, with no negative
// size. Safe for any values; a theme whose area fails this is damaged.
[[nodiscard]] bool LiesInside(const Rect& area, Size picture);

// Whole-pixel view of a float rectangle, truncating toward zero. Values
// beyond the int range stick at its ends and NaN becomes 0, so a damaged
// theme gives a rectangle that LiesInside refuses instead of undefined
// behaviour.
[[nodiscard]] Rect TruncateRect(const RectF& r);

}  // namespace tabulo::ui
