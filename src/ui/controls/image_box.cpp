#include "ui/controls/image_box.h"

#include "ui/control/control_host.h"
#include "ui/skin/resource_package.h"

namespace tabulo::ui {

bool ImageBox::Create(ControlParent parent, const Rect& rect, std::span<const std::uint8_t> picture,
                      const ImageBoxOptions& options) {
  if (IsCreated()) return false;
  animate_ = options.animate;
  clearColour_ = options.clearColour;
  fixShortDelays_ = options.fixShortDelays;
  drawMode_ = options.drawMode;
  grid_ = options.grid;
  border_ = options.border;
  transition_ = false;
  frameTimerMs_ = 0;
  picture_ = Picture::FromBytes(picture);
  ReadFrames();

  ControlOptions base;
  base.classNumber = kImageBoxClassNumber;
  base.name = "ImageBox";
  base.visible = options.visible;
  return UiControl::Create(parent, rect, base);
}

bool ImageBox::CreateFromPackage(ControlParent parent, const Rect& rect, std::string_view element,
                                 std::string_view name, const ImageBoxOptions& options) {
  ImageBoxOptions still = options;
  still.animate = false;
  if (!Create(parent, rect, {}, still)) return false;
  (void)SetPackagePicture(element, name);
  return true;
}

bool ImageBox::SetPackagePicture(std::string_view element, std::string_view name) {
  const ResourcePackage* package = Host() ? Host()->Package() : nullptr;
  const auto picture = package ? package->Picture(element, name) : std::nullopt;
  Gdiplus::Bitmap* image = picture ? package->Image(picture->image) : nullptr;
  if (!image) return false;
  const Gdiplus::Rect area(static_cast<INT>(picture->area.x), static_cast<INT>(picture->area.y),
                           static_cast<INT>(picture->area.width), static_cast<INT>(picture->area.height));
  auto copy = AdoptGdiplus(image->Clone(area, PixelFormat32bppPARGB));
  if (!copy) return false;
  SetImage(std::move(copy));
  return true;
}

void ImageBox::ReadFrames() {
  if (!picture_) {
    frames_ = {};
    delays_.clear();
    return;
  }
  const int count = picture_->FrameCount();
  delays_ = picture_->FrameDelays(fixShortDelays_);
  frames_ = FrameSequence(count, delays_);
}

std::vector<std::uint8_t> ImageBox::PictureBytes() const {
  return picture_ ? picture_->Bytes() : std::vector<std::uint8_t>();
}

void ImageBox::SetPicture(std::span<const std::uint8_t> bytes, std::optional<PictureTransition> transition) {
  // The new picture is painted now (a fade needs that paint to start), not
  // by the old picture's frame timer.
  if (frameTimerMs_ != 0) DisarmFrameTimer();
  picture_ = Picture::FromBytes(bytes);
  ReadFrames();
  // Without a transition the new picture shows at once.
  transition_ = transition && transition->steps != 0 && transition->intervalMs != 0;
  if (transition_) {
    SetTransitionCurve(transition->curve);
    SetTransitionFrameCount(transition->steps, transition->intervalMs);
  } else {
    SetTransitionFrameCount(0);
  }
  Invalidate();
}

void ImageBox::ContinueWith(std::span<const std::uint8_t> bytes) {
  std::unique_ptr<Picture> longer = Picture::FromBytes(bytes);
  if (!longer) return;
  const int shown = frames_.LastShown();
  picture_ = std::move(longer);
  ReadFrames();
  frames_.ContinueAfter(shown);
}

void ImageBox::SetImage(GdiplusPtr<Gdiplus::Bitmap> image) {
  if (frameTimerMs_ != 0) DisarmFrameTimer();
  picture_ = Picture::FromBitmap(std::move(image));
  ReadFrames();
  Invalidate();
}

template <class T>
void ImageBox::Change(T& field, const T& value) {
  field = value;
  Invalidate();
}

void ImageBox::SetAnimate(bool animate) {
  frames_.Rewind();
  Change(animate_, animate);
}

void ImageBox::SetClearColour(Argb colour) { Change(clearColour_, colour); }
void ImageBox::SetBorder(std::uint32_t border) { Change(border_, border); }
void ImageBox::SetDrawMode(FillType mode) { Change(drawMode_, mode); }
void ImageBox::SetGrid(const std::optional<GridMargins>& grid) { Change(grid_, grid); }

LRESULT ImageBox::ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      Forget();
      return 0;
    case WM_PAINT:
      // While a picture animates its frame timer does the painting.
      if (frameTimerMs_ == 0 || !Animating()) Paint();
      return 0;
    case WM_SHOWWINDOW:
    case kMsgRepaint:
      Paint();
      return 0;
    case WM_TIMER:
      if (transition_) return 0;
      if (Animating()) {
        Paint();
      } else {
        DisarmFrameTimer();
      }
      return 0;
    case kMsgTransitionFinished:
      SetTransitionFrameCount(0);
      transition_ = false;
      // The frame on screen stays for its own delay, then the next follows.
      if (Animating()) ArmFrameTimer(frames_.AdvanceAfterPaint());
      return 0;
    default:
      return UiControl::ClassHandleMessage(message, wParam, lParam);
  }
}

void ImageBox::Paint() {
  Gdiplus::Graphics* graphics = BeginPaint();
  if (!graphics) return;
  if (clearColour_ != 0) graphics->Clear(Gdiplus::Color(clearColour_));
  const RectF whole{0, 0, static_cast<float>(Width()), static_cast<float>(Height())};
  if (picture_) {
    if (Animating()) picture_->SelectFrame(frames_.FrameToShow());
    DrawPicture(*graphics, *picture_, whole, drawMode_, grid_);
  }
  DrawFrame(graphics, whole, border_);
  EndPaint();
  if (!transition_ && Animating()) ArmFrameTimer(frames_.AdvanceAfterPaint());
}

void ImageBox::ArmFrameTimer(int milliseconds) {
  // A zero delay (no fix for short delays) runs as fast as the timer goes.
  frameTimerMs_ = std::max(milliseconds, USER_TIMER_MINIMUM);
  if (!SetTimer(static_cast<UINT>(frameTimerMs_))) frameTimerMs_ = 0;
}

void ImageBox::DisarmFrameTimer() {
  KillTimer();
  frameTimerMs_ = 0;
}

void ImageBox::Forget() {
  if (frameTimerMs_ != 0) DisarmFrameTimer();
  picture_.reset();
  animate_ = false;
  fixShortDelays_ = false;
  transition_ = false;
  frames_ = {};
  delays_.clear();
}

}  // namespace tabulo::ui
