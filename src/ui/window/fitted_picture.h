#pragma once
// A window's picture as drawn into its content rectangle by a fill type
// that fits it there (stretched, centred, nine-grid), kept at that size
// instead of the decoded picture: a photo several times the window's size
// would otherwise stay decoded (some 8 MB for 1080 x 1920) for the window's
// whole life, only to be scaled down again at each repaint. The window makes
// it again, from the picture's bytes, when its content size changes.
//
// Drawn through the same kind of surface as the window's background, so
// the 1:1 copy drawn later gives the very pixels the fill type would.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <optional>

#include "base/geometry/rect.h"
#include "base/win/unique_handle.h"
#include "ui/canvas/canvas.h"
#include "ui/skin/fill_type.h"

namespace tabulo::ui {

class FittedPicture {
 public:
  // The picture made for a content rectangle of `size`, or null when it was
  // made for another size or not at all.
  [[nodiscard]] Gdiplus::Bitmap* Of(Size size) const;
  // Draws `whole` by `fillType` (with `grid` for the nine-grid) into a new
  // transparent surface of `size`; false when the surface cannot be made.
  [[nodiscard]] bool Make(Gdiplus::Bitmap& whole, Size size, FillType fillType, const std::optional<RectF>& grid);
  void Reset();

 private:
  Canvas canvas_;
  GdiplusPtr<Gdiplus::Bitmap> bitmap_;  // over canvas_'s pixels
};

}  // namespace tabulo::ui
