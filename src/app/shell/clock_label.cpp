#include "app/shell/clock_label.h"

#include "app/shell/clock_lines.h"
#include "base/win/wide_text.h"
#include "ui/canvas/drawing.h"
#include "ui/controls/label_layout.h"

namespace tabulo::app {

std::string ClockLabelText(const ui::Label& label, std::string_view clockText) {
  const Gdiplus::Font* font = label.Font();
  if (!font) return std::string(clockText);
  Gdiplus::Bitmap scratch(1, 1, PixelFormat32bppPARGB);
  Gdiplus::Graphics graphics(&scratch);
  graphics.SetTextRenderingHint(label.TextRenderingHint());
  const RectF unbounded{0, 0, 4096, 4096};
  const auto widthOf = [&](std::string_view line) {
    return ui::MeasureText(&graphics, Wide(line), font, unbounded, label.StringFormat()).width;
  };
  const float width = ui::LabelTextRect({0, 0, static_cast<float>(label.Width()), 0}).width;
  return BreakClockLines(clockText, width, widthOf);
}

}  // namespace tabulo::app
