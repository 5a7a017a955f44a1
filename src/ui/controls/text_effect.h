#pragma once
// Colours and geometry of the text that labels, buttons and menus draw.
//
// The halo behind text (glow, outline) is made by drawing the text five times
// around its place into a scratch bitmap, shrinking that bitmap (by 3 for the
// glow, which blurs it; not at all for the outline) and stretching it back
// over the text. This file computes the sizes and places; the canvas does the
// drawing.
#include <array>
#include <optional>

#include "base/color/color.h"
#include "base/geometry/rect.h"

namespace tabulo::ui {

inline constexpr int kTextEffectNone = 0;
inline constexpr int kTextEffectGlow = 3;
inline constexpr int kTextEffectOutline = 4;

// Luminance 0.299 R + 0.587 G + 0.114 B below 192: light text or a light
// halo reads better on it.
[[nodiscard]] bool IsDarkColour(Argb colour);

// The effect colour given, or for 0 the automatic one: a light halo
// (0x55FFFFFF) around dark, mostly opaque text, otherwise a dark one
// (0x4B000000).
[[nodiscard]] Argb EffectColour(Argb textColour, Argb effectColour);

// The brush colour for the text itself; nothing for a fully transparent
// colour (only the effect shows then). Opaque text is drawn at alpha 254.
[[nodiscard]] std::optional<Argb> TextBrushColour(Argb textColour);

struct TextEffectLayout {
  Size scratch;                       // first bitmap: the text drawn five times
  std::array<Point, 5> textOffsets;     // where the five copies go in it
  Size reduced;                       // second bitmap the first is shrunk into
  RectF destination;                  // where the reduced bitmap is stretched to
};

// Nothing for an effect other than glow or outline.
[[nodiscard]] std::optional<TextEffectLayout> LayOutTextEffect(int effect, RectF textRect);

}  // namespace tabulo::ui
