#pragma once
// From a control's dirty rectangle (float, control coordinates) to the
// window area that has to be recomposed (whole pixels, window coordinates).
#include <optional>

#include "base/geometry/rect.h"

namespace tabulo::ui {

// The smallest pixel rectangle covering r.
[[nodiscard]] Rect CoveringPixels(const RectF& r);

// The control's dirty rectangle moved by the control's absolute position
// and cut to the window; nothing when no pixel of the window is left.
[[nodiscard]] std::optional<Rect> DirtyWindowRect(const RectF& dirty, Point controlOrigin, Size window);

}  // namespace tabulo::ui
