#pragma once
// A drawing surface: a memory DC with a 32-bit top-down DIB section selected
// into it (premultiplied B, G, R, A) and a GDI+ graphics on that DC. Every
// control draws into its own canvas; a host window composes them into its
// window canvas. A size of zero is raised to 1 x 1, so a canvas that exists
// always has pixels.
//
// Scale: the surface is always allocated in pixels. A canvas made with a
// mapping other than the identity carries a GDI+ world transform (scale
// dpi/96, then the mapping's offset in pixels), so what draws into it
// through graphics() draws in 96-DPI units and lands on the scaled pixels.
// Clear, ClearRect, Pixel, pixels and every GDI call on dc() stay in
// pixels. No GDI world transform is ever set on the DC: Wine's GDI+ honours
// a DC's transform and Windows' GDI+ on a DIB-section DC is not known to, so
// one set there would scale twice on one system and not at all on the other.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <cstdint>
#include <span>

#include "base/geometry/dpi_scale.h"
#include "base/geometry/rect.h"
#include "base/win/device_space.h"
#include "base/win/unique_handle.h"

namespace tabulo::ui {

// How a canvas's 96-DPI units map to its pixels: pixel = unit * scale +
// offset. A control's canvas is allocated at the pixel edges of its window
// rectangle; the offset puts its local unit 0 where the window's own
// coordinates would land, so neighbouring controls meet without seams.
struct CanvasMapping {
  DpiScale scale = DpiScale();
  Gdiplus::PointF offset = Gdiplus::PointF(0, 0);
  [[nodiscard]] bool IsIdentity() const { return scale.IsIdentity() && offset.X == 0 && offset.Y == 0; }
};

class Canvas {
 public:
  Canvas() = default;
  Canvas(Canvas&&) noexcept;
  Canvas& operator=(Canvas&&) noexcept;
  ~Canvas();

  // (Re)builds the surface; false (and no surface) when the DC, the DIB or
  // the graphics cannot be made. The pixels start transparent black.
  // Width and height are pixels; the mapping is how the graphics draws.
  [[nodiscard]] bool Create(int width, int height, Gdiplus::TextRenderingHint hint,
                            const CanvasMapping& mapping = {});
  void Release();

  [[nodiscard]] bool valid() const { return graphics_ != nullptr; }
  [[nodiscard]] HDC dc() const { return dc_.get(); }
  [[nodiscard]] Gdiplus::Graphics* graphics() const { return graphics_.get(); }
  [[nodiscard]] int width() const { return width_; }
  [[nodiscard]] int height() const { return height_; }
  [[nodiscard]] Size size() const { return {width_, height_}; }
  [[nodiscard]] const DpiScale& scale() const { return mapping_.scale; }
  [[nodiscard]] const CanvasMapping& mapping() const { return mapping_; }

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
  CanvasMapping mapping_;
};

// Blends the source's pixels from `from` over the target's area `at` (same
// size) with an overall alpha; nothing for an alpha of 0 or below.
void BlendCanvas(const Canvas& target, const Rect& at, const Canvas& source, Point from, int alpha);

}  // namespace tabulo::ui
