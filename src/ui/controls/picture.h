#pragma once
// A picture a control shows (ImageBox, a button's picture, ImageButton's
// state images), decoded by GDI+ from picture file bytes held in memory.
//
// GDI+ may read a picture lazily from the stream it was loaded from (the
// frames of an animated GIF are decoded when selected), so the stream on the
// copied bytes lives as long as the image. The bytes are kept as well:
// asking a picture for its file bytes gives back exactly what it was made
// from, all frames included; only a picture made from an image object is
// encoded anew.
#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "base/geometry/rect.h"
#include "base/win/unique_handle.h"
#include "ui/skin/fill_type.h"

namespace tabulo::ui {

struct ComRelease {
  void operator()(IUnknown* object) const { object->Release(); }
};
using StreamPtr = std::unique_ptr<IStream, ComRelease>;

// Nine-grid margins in picture pixels: the corners outside them keep their
// size when the picture is stretched.
struct GridMargins {
  float left = 0;
  float top = 0;
  float right = 0;
  float bottom = 0;
  friend bool operator==(const GridMargins&, const GridMargins&) = default;
};

class Picture {
 public:
  // Nothing for empty bytes, bytes GDI+ cannot decode, and pictures that
  // are not PNG, JPEG, GIF or BMP or declare more than kMaxPictureSide
  // pixels on a side (picture_size.h).
  [[nodiscard]] static std::unique_ptr<Picture> FromBytes(std::span<const std::uint8_t> bytes);
  // Takes over an image made in memory; nothing for null.
  [[nodiscard]] static std::unique_ptr<Picture> FromBitmap(GdiplusPtr<Gdiplus::Bitmap> bitmap);

  [[nodiscard]] Gdiplus::Bitmap& bitmap() const { return *bitmap_; }
  [[nodiscard]] SizeF size() const;

  // Frames along the time dimension (an animated GIF); 1 for a still picture.
  [[nodiscard]] int FrameCount() const;
  // Per-frame delays in hundredths of a second (see image_frames.h).
  [[nodiscard]] std::vector<int> FrameDelays(bool fixShortDelays) const;
  void SelectFrame(int index);

  // The file bytes: those it was made from, else the image encoded in its
  // own format (PNG for an image made in memory, which has no file format).
  [[nodiscard]] std::vector<std::uint8_t> Bytes() const;

 private:
  Picture() = default;
  void ForgetFailedQuery() const;

  StreamPtr stream_;
  GdiplusPtr<Gdiplus::Bitmap> bitmap_;
  std::vector<std::uint8_t> bytes_;
};

// Encodes an image with the encoder of its own format (PNG when it has
// none); empty when encoding fails.
[[nodiscard]] std::vector<std::uint8_t> EncodeImage(Gdiplus::Image& image);

// Draws the picture into the target by fill type; a nine-grid without
// margins stretches.
void DrawPicture(Gdiplus::Graphics& graphics, const Picture& picture, const RectF& target, FillType fillType,
                 const std::optional<GridMargins>& grid);

}  // namespace tabulo::ui
