#include "ui/controls/text_control.h"

#include "base/win/wide_text.h"

namespace tabulo::ui {

void TextControl::SetText(std::string_view text) {
  SetBaseText(text);
  wide_ = Wide(text);
  Invalidate();
}

void TextControl::SetFont(const FontChoice& choice) {
  if (auto font = MakeControlFont(choice)) UiControl::SetFont(std::move(font));
}

void TextControl::SetStringFormat(GdiplusPtr<Gdiplus::StringFormat> format) {
  if (!format) return;
  format_ = std::move(format);
  Invalidate();
}

void TextControl::SetUpText(TextSetup setup) {
  SetFont(setup.font);
  textColour_ = setup.colour;
  effect_ = setup.effect;
  effectColour_ = setup.effectColour;
  format_ = std::move(setup.format);
  SetBaseText(setup.text);
  wide_ = Wide(setup.text);
}

LRESULT TextControl::OnSetText(WPARAM wParam, LPARAM lParam) {
  if (auto text = TextOfSetText(wParam, lParam, Text(), wide_)) SetText(*text);
  return 1;
}

void TextControl::DrawTextIn(Gdiplus::Graphics& graphics, const RectF& rect, Argb colour) const {
  DrawText(&graphics, rect, wide_, Font(), colour, format_.get(), effect_,
           effectColour_ != 0 ? std::optional<Argb>(effectColour_) : std::nullopt);
}

}  // namespace tabulo::ui
