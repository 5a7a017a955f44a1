#pragma once
// Where the caption band's pieces go: the window icon and title at the left
// of the content's top edge, the caption buttons from the right edge
// leftwards in the order close, maximise, minimise, menu, skin, report,
// setting, each at the size its skin gives it.
#include <cstdint>
#include <span>
#include <vector>

#include "base/geometry/rect.h"
#include "ui/window/caption_buttons.h"

namespace tabulo::ui {

struct CaptionButtonSize {
  CaptionButton button = CaptionButton::kClose;
  Size size;
};

struct PlacedCaptionButton {
  CaptionButton button = CaptionButton::kClose;
  Rect rect;
};

// The buttons of a caption in layout order (right to left).
[[nodiscard]] std::span<const CaptionButton> CaptionButtonOrder();

// Lays out the buttons present in `buttons` (already in layout order): the
// first ends offsetRight pixels left of the content's right edge, at
// `top` pixels below the content's top; the others follow leftwards.
[[nodiscard]] std::vector<PlacedCaptionButton> LayoutCaptionButtons(const Rect& content, int offsetRight, int top,
                                                                   std::span<const CaptionButtonSize> buttons);

// The 16 x 16 icon box, centred in the caption band height (a band lower
// than 17 pixels counts as 16).
[[nodiscard]] Rect CaptionIconRect(const Rect& content, int captionHeight);

}  // namespace tabulo::ui
