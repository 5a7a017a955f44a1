#pragma once
// Edge fade: a picture's chosen edges fade in linearly over a strip of
// K = trunc(min(width, height) * fraction) pixels, so a background picture
// smaller than its window blends into the background colour instead of
// ending in a hard line.
#include <cstdint>
#include <span>

namespace tabulo::ui {

enum EdgeFlags : std::uint32_t {
  kFadeLeft = 1,
  kFadeTop = 2,
  kFadeRight = 4,
  kFadeBottom = 8,
};

struct EdgeFade {
  std::uint32_t edges = 0;  // EdgeFlags; 0 = no fade
  double fraction = 0.25;
};

[[nodiscard]] int FadeWidth(int width, int height, double fraction);

// alpha * distance / K for a pixel `distance` pixels (0 .. K-1) from the edge.
[[nodiscard]] std::uint8_t FadedAlpha(std::uint8_t alpha, int distance, int fadeWidth);

// Fades 32-bit ARGB (not premultiplied) pixels in place; stride in pixels.
// Two flagged edges meeting at a corner both apply there.
void FadeEdges(std::span<std::uint32_t> pixels, int width, int height, int stride, EdgeFade fade);

}  // namespace tabulo::ui
