#include "app/shell/shell_layout.h"

#include <cmath>

#include "app/forms/form_catalogue.h"

namespace tabulo::app {

int BarLeftEdge(int screenWidth, int barWidth, DpiScale scale) {
  constexpr int kGapToScreenEdge = 10;
  return screenWidth - scale.Length(barWidth + kGapToScreenEdge);
}

int CentredTop(int screenHeight, int windowHeight) { return (screenHeight - windowHeight) / 2; }

BarLayout MakeBarLayout() {
  constexpr Rect row1 = FormControlOf(FormId::kBar, "标签1").rect;
  constexpr Rect weekday = FormControlOf(FormId::kBar, "标签9").rect;
  constexpr Rect separator = FormControlOf(FormId::kBar, "标签10").rect;
  constexpr Rect clock = FormControlOf(FormId::kBar, "标签11").rect;
  BarLayout layout;
  layout.toolButton = FormControlOf(FormId::kBar, "按钮_工具").rect;
  for (int n = 1; n <= 8; ++n) layout.periodRow[n - 1] = {row1.x, n * 64 - 48, row1.width, row1.height};
  // Every label lines up with the first row's left edge.
  layout.weekday = {row1.x, 528, weekday.width, weekday.height};
  layout.separator = {row1.x, separator.y, separator.width, separator.height};
  layout.clock = {row1.x, clock.y, weekday.width, weekday.height};
  return layout;
}

Rect ToolButtonRect(const Rect& placeholder, const Rect& sizeFrom, int column) {
  const double left = placeholder.x + placeholder.width * (column - 1) * 1.2;
  return {static_cast<int>(std::lround(left)), placeholder.y, sizeFrom.width, sizeFrom.height};
}

}  // namespace tabulo::app
