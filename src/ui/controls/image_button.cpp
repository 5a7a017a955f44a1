#include "ui/controls/image_button.h"


namespace tabulo::ui {

bool ImageButton::Create(ControlParent parent, const Rect& rect, const ButtonOptions& options) {
  return CreateButton(parent, rect, options, kImageButtonClassNumber, "ImageButton");
}

std::vector<std::uint8_t> ImageButton::ImageBytes(ButtonImage which) const {
  const Picture* picture = Image(which);
  return picture ? picture->Bytes() : std::vector<std::uint8_t>();
}

void ImageButton::SetImage(ButtonImage which, std::span<const std::uint8_t> bytes) {
  images_[static_cast<int>(which)] = Picture::FromBytes(bytes);
  Invalidate();
}

void ImageButton::SetImages(const ButtonImageBytes& images, std::optional<FillType> drawMode,
                            std::optional<GridMargins> grid) {
  const std::array<std::span<const std::uint8_t>, 5> bytes = {images.normal, images.hot, images.pressed,
                                                              images.focus, images.disabled};
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (!bytes[i].empty()) images_[i] = Picture::FromBytes(bytes[i]);
  }
  if (drawMode) drawMode_ = *drawMode;
  if (grid) grid_ = grid;
  Invalidate();
}

void ImageButton::SetImageDrawMode(FillType mode) {
  drawMode_ = mode;
  Invalidate();
}

void ImageButton::SetImageGrid(const std::optional<GridMargins>& grid) {
  grid_ = grid;
  Invalidate();
}

bool ImageButton::PreClassHook(UINT message, WPARAM, LPARAM, LRESULT&) {
  if (message == WM_CREATE) {
    drawMode_ = FillType::kStretch;
  } else if (message == WM_DESTROY) {
    for (auto& image : images_) image.reset();
  }
  return false;
}

const Picture* ImageButton::ImageFor(int state) const {
  const Picture* picture = nullptr;
  switch (state) {
    case kButtonNormal:
      picture = Disabled() ? Image(ButtonImage::kDisabled) : nullptr;
      break;
    case kButtonFocus:
      picture = Image(ButtonImage::kFocus);
      break;
    case kButtonPressed:
      picture = Image(ButtonImage::kPressed);
      break;
    case kButtonHot:
      picture = Image(ButtonImage::kHot);
      break;
    default:
      break;
  }
  return picture ? picture : Image(ButtonImage::kNormal);
}

bool ImageButton::BackgroundHook(Gdiplus::Graphics& graphics, const RectF& rect, int state) {
  if (const Picture* picture = ImageFor(state)) DrawPicture(graphics, *picture, rect, drawMode_, grid_);
  return true;
}

bool ImageButton::CaptionHook(Gdiplus::Graphics&, const RectF&, Argb& colour) {
  if (Disabled() && Image(ButtonImage::kDisabled)) colour = kDisabledCaptionColour;
  return false;
}

}  // namespace tabulo::ui
