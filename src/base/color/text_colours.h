#pragma once
// Colour rules of the engine's text drawing. Text drawn with a fully opaque
// colour goes down with alpha 254; the effect colour of a glow or outline,
// when none is given, is a translucent white behind dark opaque text and a
// translucent black otherwise.
#include "base/color/color.h"

namespace tabulo {

inline constexpr Argb kLightEffect = 0x55FFFFFF;  // white at alpha 85
inline constexpr Argb kDarkEffect = 0x4B000000;   // black at alpha 75

[[nodiscard]] Argb AutomaticEffectColour(Argb textColour);

// 0.299 R + 0.587 G + 0.114 B below 192.
[[nodiscard]] bool IsDarkColour(Argb colour);

// The colour the text itself is drawn with: alpha 255 becomes 254.
[[nodiscard]] Argb TextDrawColour(Argb textColour);

}  // namespace tabulo
