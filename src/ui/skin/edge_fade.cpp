#include "ui/skin/edge_fade.h"

#include <algorithm>

namespace tabulo::ui {

int FadeWidth(int width, int height, double fraction) {
  return static_cast<int>(std::min(width, height) * fraction);
}

std::uint8_t FadedAlpha(std::uint8_t alpha, int distance, int fadeWidth) {
  if (fadeWidth <= 0) return alpha;
  return static_cast<std::uint8_t>(alpha * distance / fadeWidth);
}

namespace {

void FadePixel(std::uint32_t& pixel, int distance, int fadeWidth) {
  const auto alpha = static_cast<std::uint8_t>(pixel >> 24);
  pixel = (pixel & 0x00FFFFFFu) | (static_cast<std::uint32_t>(FadedAlpha(alpha, distance, fadeWidth)) << 24);
}

}  // namespace

void FadeEdges(std::span<std::uint32_t> pixels, int width, int height, int stride, EdgeFade fade) {
  const int k = FadeWidth(width, height, fade.fraction);
  if (k <= 0 || fade.edges == 0) return;
  const auto at = [&](int x, int y) -> std::uint32_t& { return pixels[static_cast<std::size_t>(y) * stride + x]; };
  for (int d = 0; d < k; ++d) {
    if (fade.edges & kFadeLeft)
      for (int y = 0; y < height; ++y) FadePixel(at(d, y), d, k);
    if (fade.edges & kFadeRight)
      for (int y = 0; y < height; ++y) FadePixel(at(width - 1 - d, y), d, k);
    if (fade.edges & kFadeTop)
      for (int x = 0; x < width; ++x) FadePixel(at(x, d), d, k);
    if (fade.edges & kFadeBottom)
      for (int x = 0; x < width; ++x) FadePixel(at(x, height - 1 - d), d, k);
  }
}

}  // namespace tabulo::ui
