#include "ui/window/caption_layout.h"

#include <array>

#include "ui/control/engine_messages.h"
#include "ui/skin/window_skin_values.h"

namespace tabulo::ui {

std::span<const std::uint32_t> CaptionButtonOrder() {
  static constexpr std::array<std::uint32_t, 7> kOrder = {kCaptionClose, kCaptionMax,    kCaptionMin,    kCaptionMenu,
                                                          kCaptionSkin,  kCaptionReport, kCaptionSetting};
  return kOrder;
}

std::vector<PlacedCaptionButton> LayoutCaptionButtons(const Rect& content, int offsetRight, int top,
                                                      std::span<const CaptionButtonSize> buttons) {
  std::vector<PlacedCaptionButton> placed;
  int right = content.right() - offsetRight;
  for (const CaptionButtonSize& b : buttons) {
    const int left = right - b.size.width;
    placed.push_back({b.bit, Rect{left, content.y + top, b.size.width, b.size.height}});
    right = left;
  }
  return placed;
}

Rect CaptionIconRect(const Rect& content, int captionHeight) {
  const int offset = CaptionIconOffset(captionHeight);
  return Rect{content.x + offset, content.y + offset, 16, 16};
}

}  // namespace tabulo::ui
