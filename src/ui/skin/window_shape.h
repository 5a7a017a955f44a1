#pragma once
// A window's outline: the content rectangle, square or with rounded corners,
// as the GDI regions Windows and the painters need. An opaque window hands
// a copy of the shape to SetWindowRgn (which takes ownership of what it is
// given); a layered one only clips its drawing to it.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <memory>

#include "base/geometry/rect.h"
#include "base/win/unique_handle.h"

namespace tabulo::ui {

// CreateRoundRectRgn(l, t, r + 1, b + 1, radius, radius) when radius > 0,
// else CreateRectRgn(l, t, r, b).
[[nodiscard]] UniqueRegion MakeShapeRegion(const Rect& content, int radius);

class WindowShape {
 public:
  WindowShape() = default;
  // The shape of the content rectangle; the inner clip is the content
  // inset by one pixel with the radius reduced to match (never below 1).
  [[nodiscard]] static WindowShape Build(const Rect& content, int radius);

  [[nodiscard]] const Rect& content() const { return content_; }
  [[nodiscard]] int radius() const { return radius_; }
  [[nodiscard]] HRGN shape() const { return shape_.get(); }
  [[nodiscard]] HRGN innerClip() const { return innerClip_.get(); }
  // The shape as a GDI+ region for clipping drawing; null when no region
  // could be made (the window is then unclipped).
  [[nodiscard]] const Gdiplus::Region* clip() const { return clip_.get(); }
  // A fresh copy of the shape for SetWindowRgn, which owns it afterwards.
  [[nodiscard]] UniqueRegion CopyShape() const;

 private:
  Rect content_;
  int radius_ = -1;
  UniqueRegion shape_;
  UniqueRegion innerClip_;
  std::unique_ptr<Gdiplus::Region> clip_;
};

}  // namespace tabulo::ui
