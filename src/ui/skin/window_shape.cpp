#include "ui/skin/window_shape.h"

#include <algorithm>

namespace tabulo::ui {

UniqueRegion MakeShapeRegion(const Rect& content, int radius) {
  // A window smaller than its shadow margins has no content. GDI would
  // swap the reversed corners and make a region out of them.
  if (content.empty()) return UniqueRegion(CreateRectRgn(0, 0, 0, 0));
  if (radius > 0) {
    return UniqueRegion(
        CreateRoundRectRgn(content.x, content.y, content.right() + 1, content.bottom() + 1, radius, radius));
  }
  return UniqueRegion(CreateRectRgn(content.x, content.y, content.right(), content.bottom()));
}

WindowShape WindowShape::Build(const Rect& content, int radius) {
  WindowShape shape;
  shape.content_ = content;
  shape.radius_ = radius;
  shape.shape_ = MakeShapeRegion(content, radius);
  // One pixel in on every side; the corner ellipse shrinks by the same two
  // pixels, so the inner outline runs parallel to the outer one.
  const int innerRadius = radius > 0 ? std::max(1, radius - 2) : radius;
  shape.innerClip_ = MakeShapeRegion({content.x + 1, content.y + 1, content.width - 2, content.height - 2}, innerRadius);
  if (shape.shape_) {
    auto clip = std::make_unique<Gdiplus::Region>(shape.shape_.get());
    if (clip->GetLastStatus() == Gdiplus::Ok) shape.clip_ = std::move(clip);
  }
  return shape;
}

UniqueRegion WindowShape::CopyShape() const {
  if (!shape_) return {};
  UniqueRegion copy(CreateRectRgn(0, 0, 0, 0));
  if (copy && CombineRgn(copy.get(), shape_.get(), nullptr, RGN_COPY) == ERROR) return {};
  return copy;
}

}  // namespace tabulo::ui
