#pragma once
// DpiScale: the one rule by which the program's geometry, stated at 96 DPI
// (the forms, the skins, the engine's layouts), becomes pixels at a display's
// DPI, and pixels (a mouse position) become those units again.
//
// A length is multiplied by dpi/96 and rounded to the nearest pixel, halves
// away from zero (as MulDiv does), so a negative offset scales to the
// mirror of its positive one. A rectangle is scaled by its edges, not by
// its position and size: two rectangles that touch at 96 DPI touch at every
// scale, and a row of cells keeps no gap or overlap between neighbours.
#include <cstdint>

#include "base/geometry/rect.h"

namespace tabulo {

class DpiScale {
 public:
  static constexpr int kBaseDpi = 96;

  // A DPI of 0 or below (a system that did not answer) is taken as 96.
  constexpr explicit DpiScale(int dpi = kBaseDpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

  [[nodiscard]] constexpr int dpi() const { return dpi_; }
  [[nodiscard]] constexpr bool IsIdentity() const { return dpi_ == kBaseDpi; }
  [[nodiscard]] constexpr float Factor() const { return static_cast<float>(dpi_) / kBaseDpi; }

  // 96-DPI units to pixels.
  [[nodiscard]] constexpr int Length(int units) const { return MulDivRounded(units, dpi_, kBaseDpi); }
  [[nodiscard]] constexpr Point ToPixels(Point p) const { return {Length(p.x), Length(p.y)}; }
  [[nodiscard]] constexpr Size ToPixels(Size s) const { return {Length(s.width), Length(s.height)}; }
  [[nodiscard]] constexpr Rect ToPixels(const Rect& r) const { return ByEdges(r, &DpiScale::Length); }

  // Pixels back to 96-DPI units, rounded the same way: the point a mouse
  // message names, in the coordinates the controls are laid out in.
  [[nodiscard]] constexpr int Units(int pixels) const { return MulDivRounded(pixels, kBaseDpi, dpi_); }
  [[nodiscard]] constexpr Point ToUnits(Point p) const { return {Units(p.x), Units(p.y)}; }
  [[nodiscard]] constexpr Size ToUnits(Size s) const { return {Units(s.width), Units(s.height)}; }
  // By edges too: at 96 DPI and above, a rectangle scaled by ToPixels comes
  // back as it was, so a window can carry its children's places from one
  // scale to another through the pixels alone.
  [[nodiscard]] constexpr Rect ToUnits(const Rect& r) const { return ByEdges(r, &DpiScale::Units); }
  // The smallest unit rectangle whose pixels (by ToPixels) cover `pixels`:
  // what must be recomposed or presented when something drew into a pixel
  // area, such as the text services' invalidations or a caret. ToUnits
  // rounds and may come back a pixel short on any side.
  [[nodiscard]] constexpr Rect CoveringUnits(const Rect& pixels) const {
    const int left = LastUnitAtOrBefore(pixels.x), top = LastUnitAtOrBefore(pixels.y);
    return {left, top, FirstUnitAtOrAfter(pixels.x + pixels.width) - left,
            FirstUnitAtOrAfter(pixels.y + pixels.height) - top};
  }

  // The pixel height of a font of `points` points (72 to the inch) at this
  // DPI, as a LOGFONT's negative lfHeight takes it.
  [[nodiscard]] constexpr int FontPixels(int points) const { return MulDivRounded(points, dpi_, 72); }

  friend constexpr bool operator==(const DpiScale&, const DpiScale&) = default;

 private:
  [[nodiscard]] constexpr Rect ByEdges(const Rect& r, int (DpiScale::*scale)(int) const) const {
    const int left = (this->*scale)(r.x), top = (this->*scale)(r.y);
    return {left, top, (this->*scale)(r.x + r.width) - left, (this->*scale)(r.y + r.height) - top};
  }
  // Length is monotonic, so the rounded estimate is at most a step or two
  // from the unit wanted, on either side.
  [[nodiscard]] constexpr int LastUnitAtOrBefore(int pixel) const {
    int units = Units(pixel);
    while (Length(units) > pixel) --units;
    while (Length(units + 1) <= pixel) ++units;
    return units;
  }
  [[nodiscard]] constexpr int FirstUnitAtOrAfter(int pixel) const {
    int units = Units(pixel);
    while (Length(units) < pixel) ++units;
    while (Length(units - 1) >= pixel) --units;
    return units;
  }
  [[nodiscard]] static constexpr int MulDivRounded(int value, int numerator, int denominator) {
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
  }

  int dpi_;
};

}  // namespace tabulo
