#include "ui/controls/text_effect.h"

namespace tabulo::ui {

bool IsDarkColour(Argb colour) {
  return 0.299 * RedOf(colour) + 0.587 * GreenOf(colour) + 0.114 * BlueOf(colour) < 192;
}

Argb EffectColour(Argb textColour, Argb effectColour) {
  if (effectColour != 0) return effectColour;
  return IsDarkColour(textColour) && AlphaOf(textColour) > 128 ? 0x55FFFFFFu : 0x4B000000u;
}

std::optional<Argb> TextBrushColour(Argb textColour) {
  if (AlphaOf(textColour) == 0) return std::nullopt;
  if (AlphaOf(textColour) == 255) return (textColour & 0x00FFFFFFu) | 0xFE000000u;
  return textColour;
}

std::optional<TextEffectLayout> LayOutTextEffect(int effect, RectF textRect) {
  if (effect != kTextEffectGlow && effect != kTextEffectOutline) return std::nullopt;
  const int shrink = effect == kTextEffectGlow ? 3 : 1;
  TextEffectLayout layout;
  layout.scratch = {static_cast<int>(textRect.width + 7), static_cast<int>(textRect.height + 7)};
  layout.textOffsets = {Point{5, 4}, Point{3, 4}, Point{4, 3}, Point{4, 5}, Point{4, 4}};
  layout.reduced = {layout.scratch.width / shrink, layout.scratch.height / shrink};
  layout.destination = {textRect.x - 4, textRect.y - 4, textRect.width + 7, textRect.height + 7};
  return layout;
}

}  // namespace tabulo::ui
