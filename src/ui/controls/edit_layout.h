#pragma once
// Geometry of an Edit: the rectangle the text lies in, the scroll bars
// beside it, and the view inset and extent the rich-text engine is told in
// HIMETRIC units (0.01 mm).
//
// The text rectangle is the control shrunk by the skin's "margin" of the
// "Edit" element, or by 2 px inside a border. A multi-line field gives 11 px
// to each bar (10 for the bar, 1 between it and the text); a single-line
// field is centred vertically by a top inset of half the room left over by
// one line.
#include <optional>

#include "base/color/color.h"
#include "base/geometry/rect.h"

namespace tabulo::ui {

inline constexpr int kHimetricPerInch = 2540;
inline constexpr int kEditBarThickness = 10;

// MulDiv's rounding: number * numerator / denominator rounded half away
// from zero, computed without overflow; -1 when the denominator is 0 or the
// result does not fit.
[[nodiscard]] int MulDivRounded(int number, int numerator, int denominator);

// A device resolution of 0 (an unreadable device) counts as 96.
[[nodiscard]] int HimetricFromPixels(int pixels, int dpi);

struct EditMargin {  // added to the left, top, right and bottom sides
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct EditLayoutInput {
  Size size;
  EditMargin skinMargin;  // used only when border and backgroundColour are both 0
  int border = 0;
  Argb backgroundColour = 0;
  bool multiLine = false;
  int scrollBars = 0;
  int lineHeight = 0;  // whole pixels of one measured line of the font
  int dpiX = 96;
  int dpiY = 96;
};

struct EditBar {
  Rect rect;  // in the Edit's coordinates
  int pageSize = 0;
  int lineStep = 0;
  int pageStep = 0;
};

struct HimetricInset {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const HimetricInset&, const HimetricInset&) = default;
};

struct EditLayout {
  Rect textRect;
  HimetricInset viewInset;
  Size extent;  // HIMETRIC
  std::optional<EditBar> verticalBar;
  std::optional<EditBar> horizontalBar;
};

[[nodiscard]] EditLayout LayOutEdit(const EditLayoutInput& in);

// What the engine is told of a text rectangle: its extent, and for a
// single-line field the top inset that centres one line. From the engine's
// own pixels (the text rectangle's and one line's) at its surface's DPI;
// LayOutEdit uses it with the layout's own numbers, a field drawn at a
// scale with its pixels.
struct EditHimetric {
  HimetricInset viewInset;
  Size extent;
};
[[nodiscard]] EditHimetric HimetricOf(Size textPixels, int linePixels, bool multiLine, int dpiX, int dpiY);

}  // namespace tabulo::ui
