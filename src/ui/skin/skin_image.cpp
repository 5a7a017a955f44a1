// Decoded pictures are copied into bitmaps of their own: a GDI+ bitmap made
// from a stream may keep reading that stream, and a premultiplied copy
// draws faster on the premultiplied canvases.
#include "ui/skin/skin_image.h"

#include <shlwapi.h>

#include <cmath>
#include <cstring>
#include <optional>

#include "base/win/device_space.h"
#include "ui/skin/nine_grid.h"
#include "ui/skin/picture_size.h"

namespace tabulo::ui {
namespace {

struct StreamRelease {
  void operator()(IStream* s) const { s->Release(); }
};

Gdiplus::Rect ToGdi(const Rect& r) { return {r.x, r.y, r.width, r.height}; }

// Where a target in the graphics' units lands on the device, its edges
// rounded to whole pixels; nothing when the graphics draws in pixels (or
// turns, which the engine never does). Neighbouring pieces of a nine-grid
// share their edge values, so they meet without a seam at any scale.
std::optional<Rect> DeviceTarget(Gdiplus::Graphics& graphics, const Rect& target) {
  Gdiplus::Matrix transform;
  graphics.GetTransform(&transform);
  if (transform.IsIdentity()) return std::nullopt;
  Gdiplus::REAL m[6]{};
  transform.GetElements(m);
  if (m[1] != 0 || m[2] != 0) return std::nullopt;
  const auto snap = [](float v) { return static_cast<int>(std::floor(v + 0.5f)); };
  const int left = snap(static_cast<float>(target.x) * m[0] + m[4]);
  const int top = snap(static_cast<float>(target.y) * m[3] + m[5]);
  const int right = snap(static_cast<float>(target.right()) * m[0] + m[4]);
  const int bottom = snap(static_cast<float>(target.bottom()) * m[3] + m[5]);
  return Rect{left, top, right - left, bottom - top};
}

}  // namespace

std::unique_ptr<Gdiplus::Bitmap> LoadBitmapFromBytes(std::span<const std::uint8_t> bytes) {
  if (!IsDecodablePicture(bytes)) return nullptr;
  std::unique_ptr<IStream, StreamRelease> stream(SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size())));
  if (!stream) return nullptr;
  Gdiplus::Bitmap decoded(stream.get(), FALSE);
  if (decoded.GetLastStatus() != Gdiplus::Ok) return nullptr;
  const int width = static_cast<int>(decoded.GetWidth()), height = static_cast<int>(decoded.GetHeight());
  if (width <= 0 || height <= 0) return nullptr;

  auto copy = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppPARGB);
  if (copy->GetLastStatus() != Gdiplus::Ok) return nullptr;
  const Gdiplus::Rect all(0, 0, width, height);
  Gdiplus::BitmapData from{}, to{};
  if (decoded.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &from) != Gdiplus::Ok) return nullptr;
  const bool writable = copy->LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat32bppPARGB, &to) == Gdiplus::Ok;
  if (writable) {
    for (int y = 0; y < height; ++y) {
      std::memcpy(static_cast<std::uint8_t*>(to.Scan0) + static_cast<std::ptrdiff_t>(y) * to.Stride,
                  static_cast<const std::uint8_t*>(from.Scan0) + static_cast<std::ptrdiff_t>(y) * from.Stride,
                  static_cast<std::size_t>(width) * 4);
    }
    copy->UnlockBits(&to);
  }
  decoded.UnlockBits(&from);
  return writable ? std::move(copy) : nullptr;
}

std::unique_ptr<Gdiplus::Bitmap> CloneArea(Gdiplus::Bitmap& image, const Rect& area) {
  if (area.empty() || !LiesInside(area, {static_cast<int>(image.GetWidth()), static_cast<int>(image.GetHeight())}))
    return nullptr;
  std::unique_ptr<Gdiplus::Bitmap> clone(image.Clone(ToGdi(area), image.GetPixelFormat()));
  if (!clone || clone->GetLastStatus() != Gdiplus::Ok) return nullptr;
  return clone;
}

PixelLock::PixelLock(Gdiplus::Bitmap& bitmap, const Rect& area, bool writable) : bitmap_(bitmap) {
  const Gdiplus::Rect rect = ToGdi(area);
  const UINT mode = Gdiplus::ImageLockModeRead | (writable ? Gdiplus::ImageLockModeWrite : 0);
  locked_ = !area.empty() && bitmap_.LockBits(&rect, mode, PixelFormat32bppARGB, &data_) == Gdiplus::Ok;
}

PixelLock::~PixelLock() {
  if (locked_) bitmap_.UnlockBits(&data_);
}

std::span<std::uint32_t> PixelLock::pixels() const {
  if (!locked_) return {};
  return {static_cast<std::uint32_t*>(data_.Scan0),
          static_cast<std::size_t>(stride()) * static_cast<std::size_t>(height())};
}

void SetAlpha(Gdiplus::ImageAttributes& attributes, std::uint8_t alpha) {
  Gdiplus::ColorMatrix matrix = {{
      {1, 0, 0, 0, 0},
      {0, 1, 0, 0, 0},
      {0, 0, 1, 0, 0},
      {0, 0, 0, alpha / 255.0f, 0},
      {0, 0, 0, 0, 1},
  }};
  attributes.SetColorMatrix(&matrix, Gdiplus::ColorMatrixFlagsDefault, Gdiplus::ColorAdjustTypeBitmap);
}

std::unique_ptr<Gdiplus::ImageAttributes> MakeDrawAttributes(std::uint8_t alpha) {
  auto attributes = std::make_unique<Gdiplus::ImageAttributes>();
  attributes->SetWrapMode(Gdiplus::WrapModeTileFlipXY);
  if (alpha != 255) SetAlpha(*attributes, alpha);
  return attributes;
}

void DrawImagePart(Gdiplus::Graphics& graphics, Gdiplus::Image& image, const Rect& target, const Rect& source,
                   const Gdiplus::ImageAttributes* attributes) {
  if (target.empty() || source.empty()) return;
  // Under a scale every draw is a stretch: it goes to the device pixels of
  // the target through the scratch bitmap below, resampled once.
  const std::optional<Rect> device = DeviceTarget(graphics, target);
  if (!device && target.width == source.width && target.height == source.height) {
    graphics.DrawImage(&image, ToGdi(target), source.x, source.y, source.width, source.height, Gdiplus::UnitPixel,
                       attributes);
    return;
  }
  const Rect drawn = device.value_or(target);
  if (drawn.empty()) return;
  // Under a scale corners and edges are resampled too: from their own
  // pixels only, or the bicubic filter blends the neighbouring piece of a
  // nine-grid into their edge.
  std::optional<Gdiplus::Bitmap> part;
  Gdiplus::Image* from = &image;
  Rect area = source;
  if (device) {
    part.emplace(source.width, source.height, PixelFormat32bppPARGB);
    if (part->GetLastStatus() != Gdiplus::Ok) return;
    {
      Gdiplus::Graphics copy(&*part);
      copy.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
      copy.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
      copy.DrawImage(&image, Gdiplus::Rect(0, 0, source.width, source.height), source.x, source.y, source.width,
                     source.height, Gdiplus::UnitPixel);
    }
    from = &*part;
    area = {0, 0, source.width, source.height};
  }
  // Wine's GDI+ leaves the first column or row of a stretched image empty
  // for many sizes when the target does not start at the device origin.
  // Stretching into a scratch bitmap at its origin and copying that at its
  // own size gives every platform the same, complete result.
  Gdiplus::Bitmap stretched(drawn.width, drawn.height, PixelFormat32bppPARGB);
  if (stretched.GetLastStatus() != Gdiplus::Ok) return;
  {
    Gdiplus::Graphics scratch(&stretched);
    scratch.SetInterpolationMode(graphics.GetInterpolationMode());
    scratch.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
    const auto edges = MakeDrawAttributes(255);
    scratch.DrawImage(from, Gdiplus::Rect(0, 0, drawn.width, drawn.height), area.x, area.y, area.width, area.height,
                      Gdiplus::UnitPixel, edges.get());
  }
  if (!device) {
    graphics.DrawImage(&stretched, ToGdi(target), 0, 0, target.width, target.height, Gdiplus::UnitPixel, attributes);
    return;
  }
  const DeviceSpace pixels(graphics);
  graphics.DrawImage(&stretched, ToGdi(*device), 0, 0, device->width, device->height, Gdiplus::UnitPixel, attributes);
}

void FadeBitmapEdges(Gdiplus::Bitmap& bitmap, EdgeFade fade) {
  if (fade.edges == 0) return;
  const int width = static_cast<int>(bitmap.GetWidth()), height = static_cast<int>(bitmap.GetHeight());
  PixelLock lock(bitmap, {0, 0, width, height}, true);
  if (lock.locked()) FadeEdges(lock.pixels(), width, height, lock.stride(), fade);
}

}  // namespace tabulo::ui
