#pragma once
// Small geometry types of the pure code. Windows code converts them to and
// from RECT/POINT in one place (base/win/geometry_win.h).
#include <algorithm>

namespace tabulo {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct SizeF {
  float width = 0;
  float height = 0;
  friend bool operator==(const SizeF&, const SizeF&) = default;
};

// Integer rectangle by position and size, the way the forms and the engine
// state them. right()/bottom() are exclusive.
struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  [[nodiscard]] int right() const { return x + width; }
  [[nodiscard]] int bottom() const { return y + height; }
  [[nodiscard]] bool empty() const { return width <= 0 || height <= 0; }
  [[nodiscard]] bool contains(Point p) const { return p.x >= x && p.x < right() && p.y >= y && p.y < bottom(); }
  [[nodiscard]] Rect offset(int dx, int dy) const { return {x + dx, y + dy, width, height}; }
  [[nodiscard]] Rect intersect(const Rect& o) const {
    const int l = std::max(x, o.x), t = std::max(y, o.y);
    const int r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
    if (r <= l || b <= t) return {l, t, 0, 0};
    return {l, t, r - l, b - t};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Float rectangle (x, y, width, height) as GDI+ and the skin pictures use it.
struct RectF {
  float x = 0;
  float y = 0;
  float width = 0;
  float height = 0;
  friend bool operator==(const RectF&, const RectF&) = default;
};

}  // namespace tabulo
