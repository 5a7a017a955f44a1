// UiWindow: the skin (package, skin values, background), the shape given to
// Windows, the window alpha, size changes, the maximised placement and Show.
#include "base/win/geometry_win.h"
#include "ui/control/ui_control.h"
#include "ui/engine/engine_state.h"
#include "ui/skin/resource_package.h"
#include "ui/skin/skin_draw.h"
#include "ui/skin/window_background.h"
#include "ui/window/ui_window.h"

namespace tabulo::ui {
namespace {

bool HasParentWindow(HWND window) { return GetParent(window) != nullptr; }

}  // namespace

void UiWindow::ApplySkin(std::span<const std::uint8_t> theme, std::string_view password,
                         std::shared_ptr<const ResourcePackage> package, bool redraw) {
  if (!hwnd_) return;
  // The previous package goes when nobody else holds it (the engine keeps
  // the default one; an owner keeps what it lends).
  if (package) {
    package_ = std::move(package);
  } else if (!theme.empty()) {
    package_ = Engine().decodes.Package(theme, password);
  } else {
    package_ = Engine().defaultPackage;
  }
  skin_ = ReadWindowSkinFrom(package_ ? &package_->Table() : nullptr, ShadowElementName());
  content_ = ui::ContentRect(size_, skin_.margins);
  radius_ = requestedRadius_ == -1 ? skin_.cornerRadius : requestedRadius_;
  RebuildShape();
  if (!redraw) return;
  {
    const WindowCompositor::Hold hold(compositor_);
    for (UiControl* control : captionControlPtrs_) control->HandleMessage(kMsgSkinChanged, 0, 0);
    LayoutCaptionBand();
    const std::vector<UiControl*> children = children_;
    for (UiControl* control : children) {
      if (OwnsControl(control)) control->HandleMessage(kMsgLayoutAnchors, 0, 0);
    }
  }
  if (IsZoomed(hwnd_)) {
    PlaceMaximised();
  } else {
    PaintBackground(std::nullopt, true, true);
  }
  ApplyShape();
}

// Keeps only the picture as fitted to the content size; decodes it again
// from its bytes when that size has changed. Null for the natural fill type
// (the picture is drawn at its own size) and when fitting fails, in which
// case the whole picture is drawn as before.
Gdiplus::Bitmap* UiWindow::FittedBackground() {
  if (fillType_ == FillType::kNatural || pictureBytes_.empty()) return nullptr;
  const Size size{content_.width, content_.height};
  if (Gdiplus::Bitmap* ready = fitted_.Of(size)) return ready;
  std::shared_ptr<Gdiplus::Bitmap> whole = picture_;
  if (!whole) whole = Engine().decodes.BackgroundPicture(pictureBytes_, fillType_, backgroundOffset_);
  if (!whole || !fitted_.Make(*whole, size, fillType_, grid_)) {
    picture_ = std::move(whole);
    return nullptr;
  }
  picture_.reset();
  return fitted_.Of(size);
}

std::string_view UiWindow::ShadowElementName() const {
  if (!shadowElement_.empty()) return shadowElement_;
  return ShadowElement(HasParentWindow(hwnd_));
}

void UiWindow::PaintBackground(std::optional<std::span<const std::uint8_t>> picture, bool recompose,
                               bool forceControls) {
  if (!hwnd_) return;
  if (picture) {
    picture_ = Engine().decodes.BackgroundPicture(*picture, fillType_, backgroundOffset_);
    pictureBytes_.clear();
    if (fillType_ != FillType::kNatural) pictureBytes_.assign(picture->begin(), picture->end());
    fitted_.Reset();
  }
  if (Gdiplus::Graphics* graphics = compositor_.Background().graphics()) {
    WindowBackground in;
    in.window = pixelSize_;
    in.scale = scale_;
    in.shape = &shape_;
    in.background = backgroundColour_.value_or(0xFFFFFFFF);
    in.windowAlpha = alpha_;
    in.picture = picture_.get();
    in.fillType = fillType_;
    in.grid = grid_;
    in.offset = backgroundOffset_;
    if (Gdiplus::Bitmap* fitted = FittedBackground()) {  // drawn 1:1 where the fill type would draw
      in.picture = fitted;
      in.fillType = FillType::kNatural;
      in.offset = {content_.x, content_.y};
    }
    in.package = package_.get();
    in.shadowElement = ShadowElementName();
    in.borderColours = skin_.borderColours;
    in.hook = backgroundHook_;
    PaintWindowBackground(*graphics, in);
    graphics->ResetClip();
    compositor_.Background().Flush();
  }
  if (forceControls) {
    const WindowCompositor::Hold hold(compositor_);  // one composition for all of them, below
    for (UiControl* control : LiveControls()) {
      if (OwnsControl(control)) control->HandleMessage(kMsgRepaint, 0, 0);
    }
  }
  if (recompose) ComposeAll(regionValid_);
}

void UiWindow::SetBackgroundOffset(std::optional<int> x, std::optional<int> y) {
  backgroundOffset_ = {x.value_or(backgroundOffset_.x), y.value_or(backgroundOffset_.y)};
  PaintBackground();
}

void UiWindow::SetBackgroundColour(std::optional<Rgb> colour) {
  backgroundColour_ = colour;
  PaintBackground();
}

// The shape is pixels: Windows, the glass and the compositor's clip take it.
void UiWindow::RebuildShape() {
  shape_ = WindowShape::Build(scale_.ToPixels(content_), radius_ > 0 ? scale_.Length(radius_) : radius_);
}

void UiWindow::ApplyShape() {
  if (!hwnd_) return;
  if (alpha_ == -1) {
    UniqueRegion region = shape_.CopyShape();
    if (region) SetWindowRgn(hwnd_, region.release(), TRUE);  // Windows owns it from here
  } else if (glass_) {
    if (ServiceModule* service = Engine().service.get()) service->SetGlass(hwnd_, shape_.shape(), alpha_);
  }
  ComposeAll(true);
  regionValid_ = true;
}

int UiWindow::SetWindowAlpha(int alpha) {
  if (!hwnd_ || alpha == alpha_ || alpha < -1 || alpha > 255) return alpha_;
  const LONG exStyle = GetWindowLongW(hwnd_, GWL_EXSTYLE);
  if (alpha == -1) {
    SetWindowLongW(hwnd_, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
  } else if (alpha_ == -1) {
    SetWindowLongW(hwnd_, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetWindowRgn(hwnd_, nullptr, FALSE);
  }
  alpha_ = alpha;
  PaintBackground(std::nullopt, false, false);
  ApplyShape();
  if (alpha_ == -1) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  return alpha_;
}

void UiWindow::OnSize(int width, int height) {
  const Rect r = WindowRectOf(hwnd_);
  const Size now{r.width, r.height};
  (void)width;
  (void)height;
  if (now == pixelSize_ && compositor_.valid() && compositor_.scale() == scale_) return;
  pixelSize_ = now;
  size_ = scale_.ToUnits(now);
  ResizeSurfaces();
  content_ = ui::ContentRect(size_, skin_.margins);
  RebuildShape();
  {
    const WindowCompositor::Hold hold(compositor_);
    LayoutCaptionBand();
    const std::vector<UiControl*> children = children_;
    for (UiControl* control : children) {
      if (OwnsControl(control)) control->HandleMessage(kMsgLayoutAnchors, 0, 0);
    }
  }
  PaintBackground(std::nullopt, false, true);
  if (regionValid_) {
    ApplyShape();
  } else {
    ComposeAll(false);
  }
}

Margins UiWindow::PixelMargins() const {
  const Margins& m = skin_.margins;
  return {scale_.Length(m.left), scale_.Length(m.top), scale_.Length(m.right), scale_.Length(m.bottom)};
}

// The window keeps its size in units: it takes the suggested position and
// its own pixel size at the new scale (the suggested size may differ by a
// rounding pixel). The controls' canvases are made again first, so the
// relayout that follows paints each once at the new scale.
void UiWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  const DpiScale scale(dpi);
  if (scale == scale_) return;
  HWND window = hwnd_;
  scale_ = scale;
  {
    const WindowCompositor::Hold hold(compositor_);
    for (UiControl* control : LiveControls()) {
      if (OwnsControl(control)) control->HandleMessage(kMsgScaleChanged, static_cast<WPARAM>(dpi), 0);
    }
  }
  if (!StillBound(this, window)) return;
  const Size pixels = scale_.ToPixels(size_);
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, pixels.width, pixels.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (!StillBound(this, window)) return;
  OnSize(pixels.width, pixels.height);  // when the size in pixels did not change, the scale still did
  if (!StillBound(this, window)) return;
  DeliverWindowEvent(kMsgScaleChanged, static_cast<WPARAM>(dpi), 0);
}

void UiWindow::PlaceMaximised() {
  const Rect r = MaximisedWindowRect(WorkArea(), PixelMargins());
  SetWindowPos(hwnd_, nullptr, r.x, r.y, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void UiWindow::OnGetMinMaxInfo(MINMAXINFO& info) const {
  const Rect work = WorkArea();
  const Rect max = MaximisedWindowRect(work, PixelMargins());
  // ptMaxPosition is relative to the monitor, whose origin the work area
  // of the primary monitor shares.
  info.ptMaxPosition = {max.x, max.y};
  info.ptMaxSize = {max.width, max.height};
  int captionWidth = 0;
  for (const UiControl* control : captionControlPtrs_) captionWidth += control->Width();
  info.ptMinTrackSize.x = scale_.Length(skin_.margins.left + skin_.margins.right + captionWidth + 2);
  info.ptMinTrackSize.y = scale_.Length(skin_.margins.top + skin_.margins.bottom + std::max(CaptionHeight(), 1));
}

void UiWindow::Show(const WindowEffect* effect) {
  if (!hwnd_) return;
  shown_ = false;
  if (effect && effect->effect != ShowEffect::kNone) {
    // The effect shows the composed picture from its first frame; the
    // at-once path below composes it once, with the shape.
    ComposeAll(false);
    RunWindowEffect(hwnd_, *effect, false);
    shown_ = hwnd_ != nullptr;
    return;
  }
  SendMessageW(hwnd_, kMsgTransitionStarted, 0, 0);
  ApplyShape();
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  POINT cursor{};
  GetCursorPos(&cursor);
  if (WindowFromPoint(cursor) == hwnd_) {
    UpdateCursorAt(CursorInClientUnits(*this));
  } else {
    ::SetCursor(Engine().defaultCursor);
  }
  SendMessageW(hwnd_, kMsgTransitionFinished, 0, 0);
  shown_ = hwnd_ != nullptr;
}

}  // namespace tabulo::ui
