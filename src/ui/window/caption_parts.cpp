#include "ui/window/caption_parts.h"

#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include "base/win/wide_text.h"
#include "base/win/window_text.h"
#include "ui/canvas/drawing.h"
#include "ui/control/control_host.h"
#include "ui/engine/control_classes.h"
#include "ui/engine/engine_state.h"

namespace tabulo::ui {
namespace {

constexpr int kSmallIconPixels = 16;

}  // namespace

bool CaptionPart::CreatePart(ControlHost& host, const Rect& rect, int classNumber, std::string_view name) {
  ControlOptions options;
  options.classNumber = classNumber;
  options.name = std::string(name);
  options.mayTakeFocus = false;
  options.mouseTrack = false;
  options.tabStop = false;
  options.drawTabStop = false;
  return UiControl::Create(host, rect, options);
}

LRESULT CaptionPart::ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT || message == kMsgRepaint || message == kMsgSkinChanged) {
    Paint();
    return 0;
  }
  return UiControl::ClassHandleMessage(message, wParam, lParam);
}

void DrawIconOnCanvas(Canvas& canvas, HICON icon, const Rect& rect) {
  if (!icon || !canvas.valid() || rect.empty()) return;
  canvas.Flush();
  DrawIconEx(canvas.dc(), rect.x, rect.y, icon, rect.width, rect.height, 0, nullptr, DI_NORMAL);
  GdiFlush();
  const Rect area = rect.intersect(Rect{0, 0, canvas.width(), canvas.height()});
  std::span<std::uint32_t> pixels = canvas.pixels();
  const auto at = [&](int x, int y) -> std::uint32_t& {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(canvas.width()) + static_cast<std::size_t>(x)];
  };
  for (int y = area.y; y < area.bottom(); ++y) {
    for (int x = area.x; x < area.right(); ++x) {
      if (at(x, y) >> 24) return;  // the icon brought its own alpha
    }
  }
  // No alpha channel: the AND mask tells which pixels are opaque.
  Canvas mask;
  if (!mask.Create(rect.width, rect.height, Gdiplus::TextRenderingHintSystemDefault)) return;
  mask.Clear(0xFFFFFFFF);
  DrawIconEx(mask.dc(), 0, 0, icon, rect.width, rect.height, 0, nullptr, DI_MASK);
  GdiFlush();
  for (int y = area.y; y < area.bottom(); ++y) {
    for (int x = area.x; x < area.right(); ++x) {
      const bool opaque = (mask.Pixel(x - rect.x, y - rect.y) & 0x00FFFFFF) == 0;
      at(x, y) = opaque ? (at(x, y) | 0xFF000000u) : 0u;
    }
  }
}

bool CaptionIcon::Create(ControlHost& host, const Rect& rect, HICON icon) {
  icon_ = icon;
  return CreatePart(host, rect, kImageBoxClassNumber, "CaptionIcon");
}

void CaptionIcon::SetIcon(HICON icon) {
  icon_ = icon;
  Invalidate();
}

AccessibleInfo CaptionIcon::Accessible() const {
  AccessibleInfo info = CaptionPart::Accessible();
  if (info.name.empty()) info.name = WindowText(HostWindowHandle());
  return info;
}

void CaptionIcon::Paint() {
  if (!BeginPaint()) return;
  // GDI draws the icon, past the canvas's scale: at the canvas's pixels.
  const Rect pixels = CanvasPixels(LocalRect());
  DrawIconOnCanvas(MutableCanvas(), IconFor({pixels.width, pixels.height}), pixels);
  EndPaint();
}

HICON CaptionIcon::IconFor(Size pixels) const {
  if (pixels.width <= kSmallIconPixels && pixels.height <= kSmallIconPixels) return icon_;
  // Larger than the small image (at a display scale): the window's large
  // image drawn down is sharper than the small one stretched up.
  HICON large = reinterpret_cast<HICON>(SendMessageW(HostWindowHandle(), WM_GETICON, ICON_BIG, 0));
  if (!large && icon_ == Engine().smallIcon.get()) large = Engine().largeIcon.get();
  return large ? large : icon_;
}

bool CaptionTitle::Create(ControlHost& host, const Rect& rect, std::string text) {
  SetBaseText(text);
  return CreatePart(host, rect, kLabelClassNumber, "CaptionTitle");
}

void CaptionTitle::SetTitle(std::string text) {
  SetBaseText(text);
  Invalidate();
}

void CaptionTitle::Paint() {
  Gdiplus::Graphics* graphics = BeginPaint();
  if (!graphics) return;
  Gdiplus::StringFormat format;
  format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
  format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
  format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  const RectF rect{0, 0, static_cast<float>(Width()), static_cast<float>(Height())};
  DrawText(graphics, rect, Wide(Text()), Font(), 0xFFFFFFFFu, &format);
  EndPaint();
}

}  // namespace tabulo::ui
