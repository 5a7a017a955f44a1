#pragma once
// The resize zones of a frameless window: a band along the content edge,
// inside the shadow margins, 3 pixels wide on an opaque window and 1 pixel
// on a layered one (whose shadow band is visible around it); the corner
// zones reach 2 pixels further along each edge so corners are easy to grab.
#include "base/geometry/rect.h"

namespace tabulo::ui {

// The WMSZ_* codes SC_SIZE takes: 0 none, 1 left, 2 right, 3 top,
// 4 top-left, 5 top-right, 6 bottom, 7 bottom-left, 8 bottom-right.
enum class SizingZone { kNone = 0, kLeft, kRight, kTop, kTopLeft, kTopRight, kBottom, kBottomLeft, kBottomRight };

[[nodiscard]] SizingZone SizingZoneAt(Point point, const Rect& content, bool layered);

// The system cursor id (IDC_SIZE*) for a zone; 0 for none.
[[nodiscard]] int SizingCursorId(SizingZone zone);

}  // namespace tabulo::ui
