#include "ui/controls/edit_layout.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

#include "ui/controls/edit_properties.h"

namespace tabulo::ui {
namespace {

constexpr int kBarRoom = kEditBarThickness + 1;

struct Sides {
  int left, top, right, bottom;
  [[nodiscard]] int width() const { return right - left; }
  [[nodiscard]] int height() const { return bottom - top; }
};

EditBar Bar(Rect rect, int pageSize, int lineHeight) { return {rect, pageSize, lineHeight, 3 * lineHeight}; }

}  // namespace

int MulDivRounded(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
  const bool negative = (product < 0) != (denominator < 0);
  const std::int64_t magnitude = std::llabs(product);
  const std::int64_t divisor = std::llabs(static_cast<std::int64_t>(denominator));
  const std::int64_t quotient = (magnitude + divisor / 2) / divisor;
  if (quotient > std::numeric_limits<int>::max()) return -1;
  return static_cast<int>(negative ? -quotient : quotient);
}

int HimetricFromPixels(int pixels, int dpi) { return MulDivRounded(pixels, kHimetricPerInch, dpi > 0 ? dpi : 96); }

EditHimetric HimetricOf(Size textPixels, int linePixels, bool multiLine, int dpiX, int dpiY) {
  EditHimetric out;
  if (!multiLine) out.viewInset.top = HimetricFromPixels((textPixels.height - linePixels) / 2, dpiY);
  out.extent = {HimetricFromPixels(textPixels.width, dpiX), HimetricFromPixels(textPixels.height, dpiY)};
  return out;
}

EditLayout LayOutEdit(const EditLayoutInput& in) {
  Sides r{0, 0, in.size.width, in.size.height};
  if (in.border == 0 && in.backgroundColour == 0) {
    r = {r.left + in.skinMargin.left, r.top + in.skinMargin.top, r.right + in.skinMargin.right,
         r.bottom + in.skinMargin.bottom};
  } else if (in.border != 0) {
    r = {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
  }

  EditLayout layout;
  const bool vertical = in.scrollBars == kEditVerticalBar || in.scrollBars == kEditBothBars;
  const bool horizontal = in.scrollBars == kEditHorizontalBar || in.scrollBars == kEditBothBars;
  if (in.multiLine) {
    if (vertical) {
      r.right -= kBarRoom;
      layout.verticalBar = Bar({r.right + 1, r.top, kEditBarThickness, r.height()}, 0, in.lineHeight);
    }
    if (horizontal) {
      r.bottom -= kBarRoom;
      layout.horizontalBar = Bar({r.left, r.bottom + 1, r.width(), kEditBarThickness}, 0, in.lineHeight);
    }
    // The pages are what is left for the text once both bars took their room.
    if (layout.verticalBar) layout.verticalBar->pageSize = r.height();
    if (layout.horizontalBar) layout.horizontalBar->pageSize = r.width();
  }
  const EditHimetric himetric = HimetricOf({r.width(), r.height()}, in.lineHeight, in.multiLine, in.dpiX, in.dpiY);
  layout.viewInset = himetric.viewInset;
  layout.extent = himetric.extent;
  layout.textRect = {r.left, r.top, r.width(), r.height()};
  return layout;
}

}  // namespace tabulo::ui
