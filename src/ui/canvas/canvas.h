#pragma once
// A drawing surface: a memory DC with a 32-bit top-down DIB section selected
// into it (premultiplied B, G, R, A) and a GDI+ graphics on that DC. Every
// control draws into its own canvas; a host window composes them into its
// window canvas. A size of zero is raised to 1 x 1, so a canvas that exists
// always has pixels.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <cstdint>
#include <span>

#include "base/geometry/rect.h"
#include "base/win/unique_handle.h"

namespace tabulo::ui {

class Canvas {
 public:
  Canvas() = default;
  Canvas(Canvas&&) noexcept;
  Canvas& operator=(Canvas&&) noexcept;
  ~Canvas();

  // (Re)builds the surface; false (and no surface) when the DC, the DIB or
  // the graphics cannot be made. The pixels start transparent black.
  [[nodiscard]] bool Create(int width, int height, Gdiplus::TextRenderingHint hint);
  void Release();

  [[nodiscard]] bool valid() const { return graphics_ != nullptr; }
  [[nodiscard]] HDC dc() const { return dc_.get(); }
  [[nodiscard]] Gdiplus::Graphics* graphics() const { return graphics_.get(); }
  [[nodiscard]] int width() const { return width_; }
  [[nodiscard]] int height() const { return height_; }
  [[nodiscard]] Size size() const { return {width_, height_}; }

  // Premultiplied 0xAARRGGBB pixels, rows top-down; empty when invalid.
  // GDI+ may still hold drawing in its queue: Flush() first.
  [[nodiscard]] std::span<std::uint32_t> pixels() const;
  [[nodiscard]] std::uint32_t Pixel(int x, int y) const;
  void Flush() const;

  // Fills the whole surface, or one area, with a colour (ARGB, stored
  // premultiplied), replacing what was there.
  void Clear(std::uint32_t argb);
  void ClearRect(const Rect& area, std::uint32_t argb);

 private:
  void RestoreSelection();

  UniqueDc dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ previousBitmap_ = nullptr;  // the DC's stock bitmap, put back before the DC goes
  std::uint32_t* bits_ = nullptr;
  GdiplusPtr<Gdiplus::Graphics> graphics_;
  int width_ = 0;
  int height_ = 0;
};

// Blends the source's pixels from `from` over the target's area `at` (same
// size) with an overall alpha; nothing for an alpha of 0 or below.
void BlendCanvas(const Canvas& target, const Rect& at, const Canvas& source, Point from, int alpha);

}  // namespace tabulo::ui
