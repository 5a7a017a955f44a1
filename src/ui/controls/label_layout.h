#pragma once
// Where a label puts its text, and the string-format flags it uses.
//
// The text sits in the control rectangle inset by 2 px on every side. A
// single line is aligned vertically by its measured height; text with any
// non-ASCII character is moved 1 px down so that CJK captions line up with
// Latin ones of the same font.
// Wrapped text starts at the top and gets one extra line of height, so a
// last line cut in half is still drawn.
#include <array>
#include <string_view>

#include "base/color/color.h"
#include "base/geometry/rect.h"
#include "ui/controls/text_alignment.h"

namespace tabulo::ui {

// GDI+ string-format flags: 0x1000 NoWrap; wrapping adds 0x800
// MeasureTrailingSpaces, 0x2000 LineLimit and 0x4000 NoClip, and a wrap
// switched on after creation also 0x400 NoFitBlackBox.
inline constexpr int kLabelFormatSingleLine = 0x1000;
inline constexpr int kLabelFormatWrapAtCreation = 0x6800;
inline constexpr int kLabelFormatWrapSetLater = 0x6C00;

[[nodiscard]] int LabelFormatFlags(bool wordWrap, bool atCreation);

// The control rectangle moved 2 px right and down, 4 px narrower and lower.
[[nodiscard]] RectF LabelTextRect(RectF control);

[[nodiscard]] bool HasNonAsciiText(std::string_view utf8);

struct LabelTextMeasure {
  float measuredHeight = 0;  // of the text in the text rectangle, single line
  float lineHeight = 0;      // of the font on the label's graphics
  bool nonAscii = false;
};

// The rectangle the text is drawn into, from the text rectangle.
[[nodiscard]] RectF LabelDrawRect(RectF textRect, bool wordWrap, VerticalAlignment verticalAlign,
                                  const LabelTextMeasure& text);

// GDI+ lays text out a little wider under a display scale than the same text
// measured at 96 DPI, so a line that fits a wrapping label at 96 DPI would
// be broken once more at a scale, and the bar's clock, broken into lines by
// the program, would get a third line. A wrapping label at a scale lays its
// text out this much wider, on the side(s) its alignment leaves free; its
// clip stays the text rectangle. Measured under Wine with the clock's
// widest lines: 2 % is too little at 144 DPI, 3 % at 168.
inline constexpr float kScaledWrapSlack = 0.05f;
[[nodiscard]] RectF WithScaledWrapSlack(RectF drawRect, TextAlignment alignment);

// autoContrast samples the canvas at the corners and side midpoints of the
// text rectangle (inside it). The text turns white when more than four of
// the samples are dark (the canvas's luminance test, on straight colours;
// transparent samples do not count) and black otherwise, keeping the text
// colour's alpha; a control whose class number lies in the engine's own
// range 0 to 99 (every class the engine defines, the label among them)
// always gets black.
[[nodiscard]] std::array<Point, 8> AutoContrastSamplePoints(RectF textRect);
[[nodiscard]] Argb AutoContrastColour(Argb textColour, int darkSamples, int classNumber);

}  // namespace tabulo::ui
