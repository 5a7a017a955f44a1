#pragma once
// Where the pure geometry types meet RECT and POINT.
#include <windows.h>

#include "base/geometry/rect.h"

namespace tabulo {

[[nodiscard]] inline RECT ToRECT(const Rect& r) { return RECT{r.x, r.y, r.right(), r.bottom()}; }
[[nodiscard]] inline Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}; }
[[nodiscard]] inline POINT ToPOINT(const Point& p) { return POINT{p.x, p.y}; }
[[nodiscard]] inline Point FromPOINT(const POINT& p) { return Point{p.x, p.y}; }

}  // namespace tabulo
