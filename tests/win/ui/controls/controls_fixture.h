#pragma once
// Shared pieces of the control tests: pictures made on the spot (solid PNGs
// and a GIF of solid frames with chosen delays) and reads of a control's
// own canvas.
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "base/color/color.h"
#include "base/geometry/rect.h"
#include "ui/canvas/canvas.h"
#include "win/ui/skin/skin_fixture.h"
#include "win/ui/engine_fixture.h"

namespace tabulo::ui::testing {

inline std::vector<std::uint8_t> SolidPng(int width, int height, Argb colour) {
  auto bitmap = test::PaintBitmap(width, height, [colour](int, int) { return colour; });
  return test::EncodePng(*bitmap);
}

// A 1 x 1 GIF with one frame per colour (ARGB, alpha ignored), each shown
// for its delay in hundredths of a second. The frames are written by hand:
// frame i is palette index i, coded as LZW clear, i, end (3-bit codes).
inline std::vector<std::uint8_t> SolidFramesGif(std::initializer_list<std::pair<Argb, int>> frames) {
  std::vector<std::uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0xF1, 0, 0};
  std::vector<Argb> palette;
  for (const auto& frame : frames) palette.push_back(frame.first);
  palette.resize(4, 0);
  for (const Argb c : palette) gif.insert(gif.end(), {RedOf(c), GreenOf(c), BlueOf(c)});
  std::uint8_t index = 0;
  for (const auto& [colour, delay] : frames) {
    const auto d = static_cast<std::uint16_t>(delay);
    gif.insert(gif.end(), {0x21, 0xF9, 4, 0x04, static_cast<std::uint8_t>(d & 0xFF), static_cast<std::uint8_t>(d >> 8), 0, 0});
    gif.insert(gif.end(), {0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0});
    gif.insert(gif.end(), {2, 2, static_cast<std::uint8_t>(0x44 + 8 * index), 0x01, 0});
    ++index;
  }
  gif.push_back(0x3B);
  return gif;
}

// A control's canvas pixel, premultiplied 0xAARRGGBB.
inline std::uint32_t PixelOf(const UiControl& control, int x, int y) {
  control.GetCanvas().Flush();
  return control.GetCanvas().Pixel(x, y);
}

// The smallest rectangle holding every pixel of the canvas that matches.
template <class Match>
std::optional<Rect> InkBox(const Canvas& canvas, Match match) {
  canvas.Flush();
  int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      if (!match(canvas.Pixel(x, y))) continue;
      left = std::min(left, x);
      top = std::min(top, y);
      right = std::max(right, x);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return std::nullopt;
  return Rect{left, top, right - left + 1, bottom - top + 1};
}

inline bool Opaque(std::uint32_t pixel) { return (pixel >> 24) != 0; }

}  // namespace tabulo::ui::testing
