#include "ui/window/window_compositor.h"

#include <algorithm>

#include "base/win/geometry_win.h"
#include "ui/canvas/drawing.h"
#include "ui/control/ui_control.h"

namespace tabulo::ui {

void WindowCompositor::Resize(Size pixels, DpiScale scale) {
  size_ = pixels;
  scale_ = scale;
  const CanvasMapping mapping{scale, {}};
  (void)canvas_.Create(pixels.width, pixels.height, Gdiplus::TextRenderingHintAntiAlias, mapping);
  (void)background_.Create(pixels.width, pixels.height, Gdiplus::TextRenderingHintAntiAlias, mapping);
}

void WindowCompositor::Release() {
  canvas_.Release();
  background_.Release();
}

std::optional<Rect> WindowCompositor::Compose(const Rect& area, const Scene& scene) {
  if (!canvas_.valid() || holds_ > 0) return std::nullopt;
  const Rect cut = area.intersect(Rect{0, 0, size_.width, size_.height});
  if (cut.empty()) return std::nullopt;
  canvas_.Flush();
  background_.Flush();
  HDC dc = canvas_.dc();
  if (scene.shape) SelectClipRgn(dc, scene.shape);
  BitBlt(dc, cut.x, cut.y, cut.width, cut.height, background_.dc(), cut.x, cut.y, SRCCOPY);
  ComposeList(scene.controls, cut);
  SelectClipRgn(dc, nullptr);
  if (scene.focusRectangleOf) DrawFocusRectangle(*scene.focusRectangleOf, cut);
  return cut;
}

void WindowCompositor::CopyBackground() {
  if (!canvas_.valid()) return;
  canvas_.Flush();
  background_.Flush();
  BitBlt(canvas_.dc(), 0, 0, size_.width, size_.height, background_.dc(), 0, 0, SRCCOPY);
}

void WindowCompositor::ComposeList(const std::vector<UiControl*>& list, const Rect& area) {
  for (UiControl* control : list) ComposeControl(*control, area);
}

void WindowCompositor::ComposeControl(UiControl& control, const Rect& area) {
  if (!control.Visible()) return;
  const Rect abs = scale_.ToPixels(control.AbsoluteRect());
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

void WindowCompositor::DrawFocusRectangle(const UiControl& control, const Rect& area) {
  if (!control.DrawTabStop() || !control.Visible()) return;
  const std::optional<RectF> content = control.ContentRect();
  if (!content) return;
  const Rect abs = control.AbsoluteRect();
  const RectF frame{content->x + static_cast<float>(abs.x), content->y + static_cast<float>(abs.y), content->width,
                    content->height};
  Gdiplus::Graphics* graphics = canvas_.graphics();
  if (!graphics) return;
  const Gdiplus::Rect clip(area.x, area.y, area.width, area.height);
  if (scale_.IsIdentity()) {
    graphics->SetClip(clip, Gdiplus::CombineModeReplace);
  } else {
    const DeviceSpace pixels(*graphics);  // the area is pixels; the frame is drawn in units
    graphics->SetClip(clip, Gdiplus::CombineModeReplace);
  }
  DrawFrame(graphics, frame, kFrameFocus);
  graphics->ResetClip();
  canvas_.Flush();
}

void WindowCompositor::PresentLayered(HWND window, int opacity, const Rect* dirty) const {
  canvas_.Flush();
  SIZE size{size_.width, size_.height};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(std::clamp(opacity, 0, 255)), AC_SRC_ALPHA};
  RECT changed{};
  UPDATELAYEREDWINDOWINFO info{};
  info.cbSize = sizeof info;
  info.psize = &size;
  info.hdcSrc = canvas_.dc();
  info.pptSrc = &origin;
  info.pblend = &blend;
  info.dwFlags = ULW_ALPHA;
  if (dirty) {
    changed = ToRECT(*dirty);
    info.prcDirty = &changed;
  }
  if (!UpdateLayeredWindowIndirect(window, &info) && dirty) {
    info.prcDirty = nullptr;  // some systems refuse a dirty rectangle: push everything
    UpdateLayeredWindowIndirect(window, &info);
  }
}

void WindowCompositor::PaintTo(HDC dc, const RECT& area) const {
  if (!dc || !canvas_.valid()) return;
  canvas_.Flush();
  const Rect r = FromRECT(area);
  BitBlt(dc, r.x, r.y, r.width, r.height, canvas_.dc(), r.x, r.y, SRCCOPY);
}

}  // namespace tabulo::ui
