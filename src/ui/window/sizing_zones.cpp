#include "ui/window/sizing_zones.h"

namespace tabulo::ui {

SizingZone SizingZoneAt(Point p, const Rect& content, bool layered) {
  if (!content.contains(p)) return SizingZone::kNone;
  const int band = layered ? 1 : 3;
  const int corner = band + 2;
  const int fromLeft = p.x - content.x;
  const int fromTop = p.y - content.y;
  const int fromRight = content.right() - 1 - p.x;
  const int fromBottom = content.bottom() - 1 - p.y;
  const auto near = [](int distance, int width) { return distance < width; };
  const bool left = near(fromLeft, band), right = near(fromRight, band);
  const bool top = near(fromTop, band), bottom = near(fromBottom, band);
  const bool leftCorner = near(fromLeft, corner), rightCorner = near(fromRight, corner);
  const bool topCorner = near(fromTop, corner), bottomCorner = near(fromBottom, corner);
  if ((top && leftCorner) || (left && topCorner)) return SizingZone::kTopLeft;
  if ((top && rightCorner) || (right && topCorner)) return SizingZone::kTopRight;
  if ((bottom && leftCorner) || (left && bottomCorner)) return SizingZone::kBottomLeft;
  if ((bottom && rightCorner) || (right && bottomCorner)) return SizingZone::kBottomRight;
  if (left) return SizingZone::kLeft;
  if (right) return SizingZone::kRight;
  if (top) return SizingZone::kTop;
  if (bottom) return SizingZone::kBottom;
  return SizingZone::kNone;
}

int SizingCursorId(SizingZone zone) {
  constexpr int kSizeNwse = 32642, kSizeNesw = 32643, kSizeWe = 32644, kSizeNs = 32645;
  switch (zone) {
    case SizingZone::kLeft:
    case SizingZone::kRight: return kSizeWe;
    case SizingZone::kTop:
    case SizingZone::kBottom: return kSizeNs;
    case SizingZone::kTopLeft:
    case SizingZone::kBottomRight: return kSizeNwse;
    case SizingZone::kTopRight:
    case SizingZone::kBottomLeft: return kSizeNesw;
    case SizingZone::kNone: break;
  }
  return 0;
}

}  // namespace tabulo::ui
