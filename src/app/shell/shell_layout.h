#pragma once
// Where the shell puts its windows and controls: the pieces of the bar, tool
// window and start-up window that are plain arithmetic on the forms
// (form_catalogue.h) and the screen size.
#include "base/geometry/rect.h"

namespace tabulo::app {

// The bar stands 10 pixels in from the right edge of the screen.
[[nodiscard]] int BarLeftEdge(int screenWidth, int barWidth);
// The top edge of a window centred on the screen.
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
