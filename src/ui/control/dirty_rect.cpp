#include "ui/control/dirty_rect.h"

#include <cmath>

namespace tabulo::ui {

Rect CoveringPixels(const RectF& r) {
  const int left = static_cast<int>(std::floor(r.x));
  const int top = static_cast<int>(std::floor(r.y));
  const int right = static_cast<int>(std::ceil(r.x + r.width));
  const int bottom = static_cast<int>(std::ceil(r.y + r.height));
  return {left, top, right - left, bottom - top};
}

std::optional<Rect> DirtyWindowRect(const RectF& dirty, Point controlOrigin, Size window) {
  const Rect inWindow = CoveringPixels(dirty).offset(controlOrigin.x, controlOrigin.y);
  const Rect cut = inWindow.intersect(Rect{0, 0, window.width, window.height});
  if (cut.empty()) return std::nullopt;
  return cut;
}

}  // namespace tabulo::ui
