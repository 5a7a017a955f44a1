#include "ui/window/caption_layout.h"

#include <array>

#include "ui/skin/window_skin_values.h"

namespace tabulo::ui {

std::span<const CaptionButton> CaptionButtonOrder() {
  using enum CaptionButton;
  static constexpr std::array<CaptionButton, 7> kOrder = {kClose, kMax, kMin, kMenu, kSkin, kReport, kSetting};
  return kOrder;
}

std::vector<PlacedCaptionButton> LayoutCaptionButtons(const Rect& content, int offsetRight, int top,
                                                      std::span<const CaptionButtonSize> buttons) {
  std::vector<PlacedCaptionButton> placed;
  int right = content.right() - offsetRight;
  for (const CaptionButtonSize& b : buttons) {
    const int left = right - b.size.width;
    placed.push_back({b.button, Rect{left, content.y + top, b.size.width, b.size.height}});
    right = left;
  }
  return placed;
}

Rect CaptionIconRect(const Rect& content, int captionHeight) {
  const int offset = CaptionIconOffset(captionHeight);
  return Rect{content.x + offset, content.y + offset, 16, 16};
}

}  // namespace tabulo::ui
