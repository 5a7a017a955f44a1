#include "ui/canvas/canvas.h"

#include <algorithm>
#include <utility>

namespace tabulo::ui {

Canvas::Canvas(Canvas&& other) noexcept { *this = std::move(other); }

Canvas& Canvas::operator=(Canvas&& other) noexcept {
  if (this != &other) {
    Release();
    dc_ = std::move(other.dc_);
    bitmap_ = std::move(other.bitmap_);
    previousBitmap_ = std::exchange(other.previousBitmap_, nullptr);
    bits_ = std::exchange(other.bits_, nullptr);
    graphics_ = std::move(other.graphics_);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    mapping_ = std::exchange(other.mapping_, CanvasMapping{});
  }
  return *this;
}

Canvas::~Canvas() { Release(); }

void Canvas::RestoreSelection() {
  if (dc_ && previousBitmap_) SelectObject(dc_.get(), previousBitmap_);
  previousBitmap_ = nullptr;
}

void Canvas::Release() {
  graphics_.reset();  // before the DC it draws on
  RestoreSelection();
  bitmap_.reset();
  dc_.reset();
  bits_ = nullptr;
  width_ = height_ = 0;
  mapping_ = {};
}

bool Canvas::Create(int width, int height, Gdiplus::TextRenderingHint hint, const CanvasMapping& mapping) {
  Release();
  width = std::max(width, 1);
  height = std::max(height, 1);
  UniqueDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return false;
  dc_ = std::move(dc);
  bitmap_ = std::move(bitmap);
  previousBitmap_ = SelectObject(dc_.get(), bitmap_.get());
  bits_ = static_cast<std::uint32_t*>(bits);
  width_ = width;
  height_ = height;
  std::fill_n(bits_, static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0u);
  graphics_ = MakeGdiplus<Gdiplus::Graphics>(dc_.get());
  if (!graphics_) {
    Release();
    return false;
  }
  graphics_->SetSmoothingMode(Gdiplus::SmoothingModeHighSpeed);
  graphics_->SetTextRenderingHint(hint);
  mapping_ = mapping;
  if (!mapping.IsIdentity()) {
    const float f = mapping.scale.Factor();
    const Gdiplus::Matrix transform(f, 0, 0, f, mapping.offset.X, mapping.offset.Y);
    graphics_->SetTransform(&transform);
    // Skin pictures are resampled to the scaled size; the default
    // (bilinear) blurs a shrunk and blocks a grown picture.
    if (!mapping.scale.IsIdentity()) graphics_->SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  }
  return true;
}

std::span<std::uint32_t> Canvas::pixels() const {
  if (!bits_) return {};
  return {bits_, static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)};
}

std::uint32_t Canvas::Pixel(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

void Canvas::Flush() const {
  if (graphics_) graphics_->Flush(Gdiplus::FlushIntentionSync);
  GdiFlush();
}

namespace {

std::uint32_t Premultiplied(std::uint32_t argb) {
  const std::uint32_t a = argb >> 24;
  const auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
  return a << 24 | scale((argb >> 16) & 0xFF) << 16 | scale((argb >> 8) & 0xFF) << 8 | scale(argb & 0xFF);
}

}  // namespace

void Canvas::Clear(std::uint32_t argb) { ClearRect(Rect{0, 0, width_, height_}, argb); }

void Canvas::ClearRect(const Rect& area, std::uint32_t argb) {
  if (!bits_) return;
  Flush();
  const Rect cut = area.intersect(Rect{0, 0, width_, height_});
  if (cut.empty()) return;
  const std::uint32_t value = Premultiplied(argb);
  for (int y = cut.y; y < cut.bottom(); ++y) {
    std::uint32_t* row = bits_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    std::fill(row + cut.x, row + cut.right(), value);
  }
}

void BlendCanvas(const Canvas& target, const Rect& at, const Canvas& source, Point from, int alpha) {
  if (alpha <= 0) return;
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), AC_SRC_ALPHA};
  GdiAlphaBlend(target.dc(), at.x, at.y, at.width, at.height, source.dc(), from.x, from.y, at.width, at.height, blend);
}

}  // namespace tabulo::ui
