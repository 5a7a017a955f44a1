#pragma once
// GDI+ image helpers of the skin layer: decoding picture bytes, cutting
// areas out of a sheet, locking pixels, drawing part of an image with an
// overall alpha, and fading a bitmap's edges.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "base/geometry/rect.h"
#include "ui/skin/edge_fade.h"

namespace tabulo::ui {

// Decodes picture file bytes (PNG, JPEG, GIF or BMP) into a 32-bit
// premultiplied bitmap that does not depend on the bytes afterwards.
// Empty or undecodable bytes give null, and so does a picture whose header
// declares more than kMaxPictureSide pixels on a side (picture_size.h).
[[nodiscard]] std::unique_ptr<Gdiplus::Bitmap> LoadBitmapFromBytes(std::span<const std::uint8_t> bytes);

// A copy of an area of an image in the image's own pixel format; null when
// the area lies outside the image or the copy fails.
[[nodiscard]] std::unique_ptr<Gdiplus::Bitmap> CloneArea(Gdiplus::Bitmap& image, const Rect& area);

// Pixels of a bitmap area locked as 32-bit ARGB; unlocked (and written back
// when writable) on destruction.
class PixelLock {
 public:
  PixelLock(Gdiplus::Bitmap& bitmap, const Rect& area, bool writable);
  PixelLock(const PixelLock&) = delete;
  PixelLock& operator=(const PixelLock&) = delete;
  ~PixelLock();

  [[nodiscard]] bool locked() const { return locked_; }
  [[nodiscard]] std::span<std::uint32_t> pixels() const;
  [[nodiscard]] int stride() const { return data_.Stride / 4; }  // in pixels
  [[nodiscard]] int width() const { return static_cast<int>(data_.Width); }
  [[nodiscard]] int height() const { return static_cast<int>(data_.Height); }

 private:
  Gdiplus::Bitmap& bitmap_;
  Gdiplus::BitmapData data_{};
  bool locked_ = false;
};

// Image attributes that scale every pixel's alpha by alpha / 255 (colour
// matrix element [3][3]) and mirror at the image edges, so stretched pieces
// do not fade out towards their borders.
[[nodiscard]] std::unique_ptr<Gdiplus::ImageAttributes> MakeDrawAttributes(std::uint8_t alpha);
void SetAlpha(Gdiplus::ImageAttributes& attributes, std::uint8_t alpha);

// Draws the source area of an image into the target, in the graphics'
// units. Under a scale the target is snapped to whole device pixels and the
// picture resampled once to that size. Empty areas draw nothing.
void DrawImagePart(Gdiplus::Graphics& graphics, Gdiplus::Image& image, const Rect& target, const Rect& source,
                   const Gdiplus::ImageAttributes* attributes);

// Fades the bitmap's flagged edges in place (see edge_fade.h).
void FadeBitmapEdges(Gdiplus::Bitmap& bitmap, EdgeFade fade);

}  // namespace tabulo::ui
