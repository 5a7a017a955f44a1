#include "ui/window/sys_button.h"

#include "ui/accessibility/spoken_language.h"
#include "ui/canvas/drawing.h"
#include "ui/control/control_host.h"
#include "ui/skin/resource_package.h"
#include "ui/skin/skin_draw.h"

namespace tabulo::ui {
namespace {

constexpr Size kPlainSize{26, 20};

// What a caption button does, as screen readers say it; `restores` when the
// maximise or minimise button would restore the window.
std::string CaptionButtonName(CaptionButton kind, bool restores, bool chinese) {
  const auto say = [chinese](const char* zh, const char* en) { return std::string(chinese ? zh : en); };
  switch (kind) {
    case CaptionButton::kClose:
      return say("关闭", "Close");
    case CaptionButton::kMax:
      return restores ? say("还原", "Restore") : say("最大化", "Maximize");
    case CaptionButton::kMin:
      return restores ? say("还原", "Restore") : say("最小化", "Minimize");
    case CaptionButton::kMenu:
      return say("菜单", "Menu");
    case CaptionButton::kSkin:
      return say("皮肤", "Skin");
    case CaptionButton::kReport:
      return say("反馈", "Report");
    case CaptionButton::kSetting:
      return say("设置", "Settings");
    default:
      return {};
  }
}
constexpr int kFrameInterval = 25;
constexpr int kHoverFrames = 8;

}  // namespace

std::string SysButtonElement(CaptionButton kind, bool zoomed, bool iconic) {
  const char* name = nullptr;
  switch (kind) {
    case CaptionButton::kClose: name = "Close"; break;
    case CaptionButton::kMax: name = zoomed ? "Restore" : "Max"; break;
    case CaptionButton::kMin: name = iconic ? "Restore" : "Min"; break;
    case CaptionButton::kMenu: name = "Menu"; break;
    case CaptionButton::kSkin: name = "Skn"; break;
    case CaptionButton::kReport: name = "Report"; break;
    case CaptionButton::kSetting: name = "Setting"; break;
    default: return {};
  }
  return std::string("SysButton.") + name;
}

bool SysButton::Create(ControlHost& host, CaptionButton kind) {
  kind_ = kind;
  ControlOptions options;
  options.classNumber = kSysButtonClassNumber;
  options.name = "SysButton";
  options.mayTakeFocus = false;
  options.tabStop = false;
  options.drawTabStop = false;
  options.transitionIntervalMs = kFrameInterval;
  const Size size = [&] {
    const ResourcePackage* package = host.Package();
    const auto skinned = package ? package->IntRect(SysButtonElement(kind, false, false), "size") : std::nullopt;
    return skinned ? Size{skinned->width, skinned->height} : kPlainSize;
  }();
  return UiControl::Create(host, Rect{0, 0, size.width, size.height}, options);
}

Size SysButton::SkinSize() const {
  const ResourcePackage* package = Host() ? Host()->Package() : nullptr;
  const auto skinned = package ? package->IntRect(Element(), "size") : std::nullopt;
  return skinned ? Size{skinned->width, skinned->height} : kPlainSize;
}

std::string SysButton::Element() const {
  HWND window = HostWindowHandle();
  return SysButtonElement(kind_, window && IsZoomed(window), window && IsIconic(window));
}

AccessibleInfo SysButton::Accessible() const {
  AccessibleInfo info = UiControl::Accessible();
  if (!info.name.empty()) return info;
  HWND window = HostWindowHandle();
  const bool restores =
      window && (kind_ == CaptionButton::kMax ? IsZoomed(window) : kind_ == CaptionButton::kMin && IsIconic(window));
  info.name = CaptionButtonName(kind_, restores, SpeaksChinese());
  return info;
}

LRESULT SysButton::ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
    case kMsgMouseEntered:
    case kMsgMouseLeft:
      // Hover changes fade; presses show at once.
      SetTransitionFrameCount(kHoverFrames);
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      SetTransitionFrameCount(0);
      Paint();
      return 0;
    case kMsgRepaint:
    case kMsgSkinChanged:
      Paint();
      return 0;
    case kMsgClicked:
      Act();
      return 0;
    default:
      return UiControl::ClassHandleMessage(message, wParam, lParam);
  }
}

void SysButton::Paint() {
  Gdiplus::Graphics* graphics = BeginPaint();
  if (!graphics) return;
  const RectF rect{0, 0, static_cast<float>(Width()), static_cast<float>(Height())};
  const ResourcePackage* package = Host() ? Host()->Package() : nullptr;
  if (!DrawSkinElement(package, *graphics, Element(), rect, StateFlags())) PaintPlain(*graphics, rect);
  EndPaint();
}

// A glyph in white on a translucent hover background, for windows whose
// theme has no caption button pictures.
void SysButton::PaintPlain(Gdiplus::Graphics& graphics, const RectF& rect) {
  const std::uint32_t state = StateFlags();
  if (state & (kStateHot | kStatePressed)) {
    const Argb back = kind_ == CaptionButton::kClose ? 0xE0E04343u : 0x40FFFFFFu;
    Gdiplus::SolidBrush brush{Gdiplus::Color(back)};
    graphics.FillRectangle(&brush, ToGdiplus(rect));
  }
  Gdiplus::Pen pen(Gdiplus::Color(0xF0FFFFFFu), 1.5f);
  const Gdiplus::SmoothingMode mode = graphics.GetSmoothingMode();
  graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  const float cx = rect.x + rect.width / 2, cy = rect.y + rect.height / 2, r = 4.5f;
  switch (kind_) {
    case CaptionButton::kClose:
      graphics.DrawLine(&pen, cx - r, cy - r, cx + r, cy + r);
      graphics.DrawLine(&pen, cx - r, cy + r, cx + r, cy - r);
      break;
    case CaptionButton::kMax:
      graphics.DrawRectangle(&pen, cx - r, cy - r, 2 * r, 2 * r);
      break;
    case CaptionButton::kMin:
      graphics.DrawLine(&pen, cx - r, cy + r / 2, cx + r, cy + r / 2);
      break;
    default:
      graphics.DrawEllipse(&pen, cx - 2, cy - 2, 4.0f, 4.0f);
      break;
  }
  graphics.SetSmoothingMode(mode);
}

void SysButton::Act() {
  HWND window = HostWindowHandle();
  if (!window) return;
  switch (kind_) {
    case CaptionButton::kClose:
      PostMessageW(window, WM_CLOSE, 0, 0);
      break;
    case CaptionButton::kMax:
      PostMessageW(window, WM_SYSCOMMAND, IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE, 0);
      break;
    case CaptionButton::kMin:
      PostMessageW(window, WM_SYSCOMMAND, IsIconic(window) ? SC_RESTORE : SC_MINIMIZE, 0);
      break;
    default:
      break;
  }
}

}  // namespace tabulo::ui
