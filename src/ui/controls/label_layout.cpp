#include "ui/controls/label_layout.h"

#include <cmath>

namespace tabulo::ui {

int LabelFormatFlags(bool wordWrap, bool atCreation) {
  if (!wordWrap) return kLabelFormatSingleLine;
  return atCreation ? kLabelFormatWrapAtCreation : kLabelFormatWrapSetLater;
}

RectF LabelTextRect(RectF control) {
  return {control.x + 2, control.y + 2, control.width - 4, control.height - 4};
}

bool HasNonAsciiText(std::string_view utf8) {
  for (char c : utf8) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

RectF LabelDrawRect(RectF textRect, bool wordWrap, VerticalAlignment verticalAlign, const LabelTextMeasure& text) {
  if (wordWrap) return {textRect.x, textRect.y, textRect.width, textRect.height + text.lineHeight};
  float top = textRect.y + 2;
  if (verticalAlign == VerticalAlignment::kCentre) top = textRect.y + (textRect.height - text.measuredHeight) / 2;
  if (verticalAlign == VerticalAlignment::kBottom) top = textRect.y + textRect.height - text.measuredHeight - 2;
  RectF rect{std::trunc(textRect.x), std::trunc(top), std::trunc(textRect.width), std::trunc(text.measuredHeight)};
  if (text.nonAscii) rect.y += 1;
  return rect;
}

RectF WithScaledWrapSlack(RectF drawRect, TextAlignment alignment) {
  const float slack = drawRect.width * kScaledWrapSlack;
  if (alignment == TextAlignment::kCentre) drawRect.x -= slack / 2;
  if (alignment == TextAlignment::kFar) drawRect.x -= slack;
  drawRect.width += slack;
  return drawRect;
}

std::array<Point, 8> AutoContrastSamplePoints(RectF textRect) {
  const int left = static_cast<int>(textRect.x);
  const int top = static_cast<int>(textRect.y);
  const int right = static_cast<int>(textRect.x + textRect.width) - 1;
  const int bottom = static_cast<int>(textRect.y + textRect.height) - 1;
  const int midX = (left + right) / 2;
  const int midY = (top + bottom) / 2;
  return {Point{left, top}, Point{right, top}, Point{left, bottom}, Point{right, bottom},
          Point{midX, top}, Point{midX, bottom}, Point{left, midY}, Point{right, midY}};
}

Argb AutoContrastColour(Argb textColour, int darkSamples, int classNumber) {
  const Argb alpha = textColour & 0xFF000000u;
  if (classNumber >= 0 && classNumber <= 99) return alpha;
  return darkSamples > 4 ? alpha | 0x00FFFFFFu : alpha;
}

}  // namespace tabulo::ui
