#include "ui/window/fitted_picture.h"

#include "base/win/unique_handle.h"
#include "ui/skin/skin_draw.h"

namespace tabulo::ui {

Gdiplus::Bitmap* FittedPicture::Of(Size size) const {
  if (!bitmap_ || canvas_.size() != size) return nullptr;
  return bitmap_.get();
}

bool FittedPicture::Make(Gdiplus::Bitmap& whole, Size size, FillType fillType, const std::optional<RectF>& grid) {
  Reset();
  if (!canvas_.Create(size.width, size.height, Gdiplus::TextRenderingHintSystemDefault)) return false;
  const RectF source{0, 0, static_cast<float>(whole.GetWidth()), static_cast<float>(whole.GetHeight())};
  const RectF target{0, 0, static_cast<float>(size.width), static_cast<float>(size.height)};
  if (!DrawWithFillType(*canvas_.graphics(), whole, source, target, fillType, grid.value_or(RectF{}), 255)) {
    Reset();
    return false;
  }
  canvas_.Flush();
  bitmap_ = MakeGdiplus<Gdiplus::Bitmap>(size.width, size.height, size.width * 4, PixelFormat32bppPARGB,
                                         reinterpret_cast<BYTE*>(canvas_.pixels().data()));
  if (!bitmap_) {
    Reset();
    return false;
  }
  return true;
}

void FittedPicture::Reset() {
  bitmap_.reset();
  canvas_.Release();
}

}  // namespace tabulo::ui
