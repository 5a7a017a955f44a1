#pragma once
// Colours. The application states colours as Windows RGB integers (red in the
// low byte, 0x00BBGGRR); GDI+ draws with ARGB (0xAARRGGBB).
#include <cstdint>

namespace tabulo {

using Rgb = std::uint32_t;   // 0x00BBGGRR
using Argb = std::uint32_t;  // 0xAARRGGBB

// Swaps red and blue and puts the alpha in the top byte.
[[nodiscard]] constexpr Argb ToArgb(Rgb rgb, std::uint8_t alpha = 255) {
  return (static_cast<Argb>(alpha) << 24) | ((rgb & 0xFFu) << 16) | (rgb & 0xFF00u) | ((rgb >> 16) & 0xFFu);
}

// The other way: the RGB part of an ARGB colour; the alpha is dropped.
[[nodiscard]] constexpr Rgb ToRgb(Argb argb) {
  return ((argb >> 16) & 0xFFu) | (argb & 0xFF00u) | ((argb & 0xFFu) << 16);
}

[[nodiscard]] constexpr std::uint8_t AlphaOf(Argb c) { return static_cast<std::uint8_t>(c >> 24); }
[[nodiscard]] constexpr std::uint8_t RedOf(Argb c) { return static_cast<std::uint8_t>(c >> 16); }
[[nodiscard]] constexpr std::uint8_t GreenOf(Argb c) { return static_cast<std::uint8_t>(c >> 8); }
[[nodiscard]] constexpr std::uint8_t BlueOf(Argb c) { return static_cast<std::uint8_t>(c); }
[[nodiscard]] constexpr Argb MakeArgb(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return (static_cast<Argb>(a) << 24) | (static_cast<Argb>(r) << 16) | (static_cast<Argb>(g) << 8) | b;
}

static_assert(ToArgb(0x0000FF) == 0xFFFF0000u, "red in the low byte becomes ARGB red");
static_assert(ToArgb(0xFFFFFF, 0) == 0x00FFFFFFu);
static_assert(ToRgb(0xFF3399FFu) == 0xFF9933u, "ARGB 0xFF3399FF is Windows RGB(51, 153, 255)");

}  // namespace tabulo
