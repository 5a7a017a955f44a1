#pragma once
// Where the shell puts its windows and controls: the pieces of the bar, tool
// window and start-up window that are plain arithmetic on the forms
// (form_catalogue.h) and the screen size.
#include "base/geometry/dpi_scale.h"
#include "base/geometry/rect.h"

namespace tabulo::app {

// The bar stands 10 units in from the right edge of the screen. Its width
// (units) and the gap are scaled together, as one length, so the bar's
// right edge is where a window of width + 10 units would end: scaled apart,
// the two roundings could put it a pixel off that.
[[nodiscard]] int BarLeftEdge(int screenWidth, int barWidth, DpiScale scale);
// The top edge of a window centred on the screen (both heights in pixels).
[[nodiscard]] int CentredTop(int screenHeight, int windowHeight);

// The bar's controls in client pixels, from the placeholders of its form.
struct BarLayout {
  Rect toolButton;
  Rect periodRow[8];  // rows 1..8, 64 pixels apart
  Rect weekday;
  Rect separator;
  Rect clock;
};
[[nodiscard]] BarLayout MakeBarLayout();

// A tool window button: the left of `placeholder`'s column, one button width
// × 1.2 per column to the right (rounded), its top, and the size of `sizeFrom`.
[[nodiscard]] Rect ToolButtonRect(const Rect& placeholder, const Rect& sizeFrom, int column);

}  // namespace tabulo::app
