// UiWindow: composing the window canvas from the background surface and the
// controls' canvases, and presenting it. Only the area that changed is
// restored and recomposed: controls that do not meet it cost a rectangle
// test each.
#include "ui/canvas/drawing.h"
#include "ui/control/ui_control.h"
#include "ui/window/ui_window.h"

namespace tabulo::ui {
namespace {

BLENDFUNCTION Blend(int alpha) {
  return BLENDFUNCTION{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), AC_SRC_ALPHA};
}

}  // namespace

void UiWindow::Compose(const Rect& area, bool present) {
  if (!canvas_.valid() || composeHold_ > 0) return;
  const Rect cut = area.intersect(Rect{0, 0, size_.width, size_.height});
  if (cut.empty()) return;
  canvas_.Flush();
  background_.Flush();
  HDC dc = canvas_.dc();
  if (shape_.shape()) SelectClipRgn(dc, shape_.shape());
  BitBlt(dc, cut.x, cut.y, cut.width, cut.height, background_.dc(), cut.x, cut.y, SRCCOPY);
  ComposeList(children_, cut);
  SelectClipRgn(dc, nullptr);
  DrawFocusRectangle(cut);
  if (present) Present(cut);
}

void UiWindow::ComposeAll(bool present) {
  if (!canvas_.valid()) return;
  canvas_.Flush();
  background_.Flush();
  // The shadow band lies outside the shape: copy the whole background first.
  BitBlt(canvas_.dc(), 0, 0, size_.width, size_.height, background_.dc(), 0, 0, SRCCOPY);
  Compose(Rect{0, 0, size_.width, size_.height}, present);
}

void UiWindow::ComposeList(const std::vector<UiControl*>& list, const Rect& area) {
  for (UiControl* control : list) ComposeControl(*control, area);
}

void UiWindow::ComposeControl(UiControl& control, const Rect& area) {
  if (!control.Visible()) return;
  const Rect abs = control.AbsoluteRect();
  const Rect hit = abs.intersect(area);
  if (hit.empty()) return;
  const Canvas& picture = control.GetCanvas();
  const Point from{hit.x - abs.x, hit.y - abs.y};
  const bool fits = picture.valid() && from.x + hit.width <= picture.width() && from.y + hit.height <= picture.height();
  if (fits && control.ShowsTransitionFrame()) {
    control.DrawTransitionFrame(canvas_, abs, hit);
  } else if (fits) {
    BlendCanvas(canvas_, hit, picture, from, control.Alpha());
  }
  ComposeList(control.Children(), area);
}

void UiWindow::DrawFocusRectangle(const Rect& area) {
  UiControl* control = router_.TabFocus();
  if (!control || !OwnsControl(control) || !control->DrawTabStop() || !control->Visible()) return;
  const std::optional<RectF> content = control->ContentRect();
  if (!content) return;
  const Rect abs = control->AbsoluteRect();
  const RectF frame{content->x + static_cast<float>(abs.x), content->y + static_cast<float>(abs.y), content->width,
                    content->height};
  Gdiplus::Graphics* graphics = canvas_.graphics();
  if (!graphics) return;
  graphics->SetClip(Gdiplus::Rect(area.x, area.y, area.width, area.height), Gdiplus::CombineModeReplace);
  DrawFrame(graphics, frame, kFrameFocus);
  graphics->ResetClip();
  canvas_.Flush();
}

void UiWindow::Present(const Rect& area) {
  if (!hwnd_ || !canvas_.valid()) return;
  if (alpha_ != -1) {
    // Translucency comes from the alpha drawn into the surface, not from the
    // blend constant. Only the changed area needs copying to the screen.
    PresentLayered(255, &area);
    return;
  }
  const RECT r{area.x, area.y, area.right(), area.bottom()};
  ::InvalidateRect(hwnd_, &r, FALSE);
}

void UiWindow::PresentLayered(int opacity, const Rect* dirty) {
  if (!hwnd_ || !canvas_.valid() || alpha_ == -1) return;
  canvas_.Flush();
  SIZE size{size_.width, size_.height};
  POINT origin{0, 0};
  BLENDFUNCTION blend = Blend(std::clamp(opacity, 0, 255));
  RECT changed{};
  UPDATELAYEREDWINDOWINFO info{};
  info.cbSize = sizeof info;
  info.psize = &size;
  info.hdcSrc = canvas_.dc();
  info.pptSrc = &origin;
  info.pblend = &blend;
  info.dwFlags = ULW_ALPHA;
  if (dirty) {
    changed = RECT{dirty->x, dirty->y, dirty->right(), dirty->bottom()};
    info.prcDirty = &changed;
  }
  if (!UpdateLayeredWindowIndirect(hwnd_, &info) && dirty) {
    info.prcDirty = nullptr;  // some systems refuse a dirty rectangle: push everything
    UpdateLayeredWindowIndirect(hwnd_, &info);
  }
}

}  // namespace tabulo::ui
