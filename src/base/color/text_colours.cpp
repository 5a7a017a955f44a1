#include "base/color/text_colours.h"

namespace tabulo {

bool IsDarkColour(Argb colour) {
  return 0.299 * RedOf(colour) + 0.587 * GreenOf(colour) + 0.114 * BlueOf(colour) < 192.0;
}

Argb AutomaticEffectColour(Argb textColour) {
  return IsDarkColour(textColour) && AlphaOf(textColour) > 128 ? kLightEffect : kDarkEffect;
}

Argb TextDrawColour(Argb textColour) {
  return AlphaOf(textColour) == 255 ? (textColour & 0x00FFFFFFu) | 0xFE000000u : textColour;
}

}  // namespace tabulo
