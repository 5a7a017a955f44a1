#include "ui/engine/plain_text.h"

#include "base/color/text_colours.h"

namespace tabulo::ui {

void DrawPlainText(Gdiplus::Graphics& graphics, const RectF& rect, std::wstring_view text, const Gdiplus::Font& font,
                   Argb colour, const Gdiplus::StringFormat* format) {
  if (AlphaOf(colour) == 0 || text.empty()) return;
  Gdiplus::SolidBrush brush{Gdiplus::Color(TextDrawColour(colour))};
  const Gdiplus::RectF layout{rect.x, rect.y, rect.width, rect.height};
  graphics.DrawString(text.data(), static_cast<INT>(text.size()), &font, layout, format, &brush);
}

}  // namespace tabulo::ui
