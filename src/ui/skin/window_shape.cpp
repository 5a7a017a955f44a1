#include "ui/skin/window_shape.h"

#include <algorithm>

namespace tabulo::ui {
namespace {

int liveRegions = 0;  // debug count of RegionHandle-owned regions

}  // namespace

RegionHandle::RegionHandle(HRGN region) : region_(region) {
  if (region_) ++liveRegions;
}

RegionHandle::RegionHandle(RegionHandle&& other) noexcept : region_(other.region_) { other.region_ = nullptr; }

RegionHandle& RegionHandle::operator=(RegionHandle&& other) noexcept {
  if (this != &other) {
    reset();
    region_ = other.region_;
    other.region_ = nullptr;
  }
  return *this;
}

RegionHandle::~RegionHandle() { reset(); }

HRGN RegionHandle::release() {
  HRGN region = region_;
  if (region_) --liveRegions;
  region_ = nullptr;
  return region;
}

void RegionHandle::reset() {
  if (!region_) return;
  DeleteObject(region_);
  --liveRegions;
  region_ = nullptr;
}

int RegionHandle::LiveCount() { return liveRegions; }

RegionHandle MakeShapeRegion(const Rect& content, int radius) {
  // A window smaller than its shadow margins has no content. GDI would
  // swap the reversed corners and make a region out of them.
  if (content.empty()) return RegionHandle(CreateRectRgn(0, 0, 0, 0));
  if (radius > 0) {
    return RegionHandle(
        CreateRoundRectRgn(content.x, content.y, content.right() + 1, content.bottom() + 1, radius, radius));
  }
  return RegionHandle(CreateRectRgn(content.x, content.y, content.right(), content.bottom()));
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

RegionHandle WindowShape::CopyShape() const {
  if (!shape_) return {};
  RegionHandle copy(CreateRectRgn(0, 0, 0, 0));
  if (copy && CombineRgn(copy.get(), shape_.get(), nullptr, RGN_COPY) == ERROR) return {};
  return copy;
}

}  // namespace tabulo::ui
