#include "ui/menu/menu_item.h"

#include <algorithm>
#include <cmath>

#include "base/win/wide_text.h"
#include "ui/canvas/drawing.h"
#include "ui/control/control_host.h"
#include "base/color/text_colours.h"
#include "ui/menu/menu_window.h"
#include "ui/skin/skin_draw.h"
#include "ui/skin/skin_image.h"
#include "ui/skin/skin_state.h"

namespace tabulo::ui {
namespace {

constexpr Argb kDisabledText = 0xFF9A9A9Au;
constexpr Argb kWhite = 0xFFFFFFFFu;
constexpr Argb kBlack = 0xFF000000u;
// Keeps a hot item's fill off the menu's border ring.
constexpr float kHotInset = 2;
// Grid keys the theme does not define: the check mark and the arrow are
// drawn centred at their own size (the element's "gird" is the shadow's).
constexpr char kNoGrid[] = "none_gird";

RectF Whole(const UiControl& c) { return {0, 0, static_cast<float>(c.Width()), static_cast<float>(c.Height())}; }

}  // namespace

bool MenuItem::Create(HWND host, const Rect& rect, bool disabled) {
  ControlOptions options;
  options.name = kMenuItemControlName;
  options.mayTakeFocus = false;
  options.tabStop = false;
  options.drawTabStop = false;
  if (!UiControl::Create(host, rect, options)) return false;
  if (disabled) SetDisabled(true);
  return true;
}

AccessibleInfo MenuItem::Accessible() const {
  const UiMenu::Item& item = window_.ItemData(index_);
  AccessibleInfo info;
  if (item.separator) {
    info.role = AccessibleRole::kSeparator;
    return info;
  }
  info.role = AccessibleRole::kMenuItem;
  info.name = MenuItemName(item.text);
  info.shortcut = MenuAccessKeyName(item.text);
  info.checked = (item.state & kMenuItemChecked) != 0;
  info.opensSubMenu = item.subMenu != nullptr;
  info.highlighted = window_.IsHot(*this);
  info.clickable = true;
  return info;
}

LRESULT MenuItem::ClassHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
    case kMsgRepaint:
      Paint();
      return 0;
    case kMsgMouseEntered:
      window_.OnItemEntered(*this);
      return 0;
    case kMsgMouseLeft:
      window_.OnItemLeft(*this);
      return 0;
    case kMsgClicked:
      window_.OnItemClicked(*this);
      return 0;
    default:
      return UiControl::ClassHandleMessage(message, wParam, lParam);
  }
}

void MenuItem::Paint() {
  Gdiplus::Graphics* graphics = BeginPaint();
  if (!graphics) return;
  const UiMenu::Item& item = window_.ItemData(index_);
  if (item.separator) {
    PaintSeparator(*graphics);
    EndPaint();
    return;
  }
  const MenuLook& look = window_.Look();
  const RectF whole = Whole(*this);
  Argb textColour = item.textColour.value_or(ToArgb(look.text));
  if (Disabled()) {
    textColour = kDisabledText;
  } else if (window_.IsHot(*this)) {
    // The theme's "MenuItem" picture when it has one, else a gradient of
    // the highlight colour.
    const RectF band{whole.x + kHotInset, whole.y, whole.width - 2 * kHotInset, whole.height};
    if (!DrawSkinElement(window_.Package(), *graphics, kMenuItemElement, band, kSkinStateHot)) {
      const MenuHotColours hot = HotItemColours(ToArgb(look.highlight));
      FillGradient(graphics, band, hot.gradientTop, hot.gradientBottom);
    }
    textColour = IsDarkColour(ToArgb(look.highlight)) ? kWhite : kBlack;
  }
  PaintIcon(*graphics);
  const float left = static_cast<float>(look.leftText);
  const RectF text{left, 0, std::max(whole.width - left - window_.ArrowRoom(), 1.0f), whole.height};
  DrawText(graphics, text, Wide(item.text), window_.Font(), textColour, window_.TextFormat());
  if (item.subMenu) PaintArrow(*graphics, textColour);
  EndPaint();
}

void MenuItem::PaintSeparator(Gdiplus::Graphics& graphics) {
  const MenuLook& look = window_.Look();
  const MenuSeparatorLine line =
      SeparatorLine({0, 0, Width(), Height()}, look.leftCutline, look.rightCutline, ToArgb(look.highlight));
  Gdiplus::Pen pen{Gdiplus::Color(line.colour), 1.0f};
  graphics.DrawLine(&pen, line.from.x, line.from.y, line.to.x, line.to.y);
}

// The icon column shows the check mark of a checked item, otherwise the
// item's own picture, centred (a picture larger than the column is scaled
// down to fit).
void MenuItem::PaintIcon(Gdiplus::Graphics& graphics) {
  const UiMenu::Item& item = window_.ItemData(index_);
  const RectF column{0, 0, static_cast<float>(window_.Look().leftIcon), static_cast<float>(Height())};
  if (item.state & kMenuItemChecked) {
    if (DrawSkinPicture(window_.Package(), graphics, kMenuElement, kMenuCheckPicture, column, kNoGrid,
                        FillType::kCentre)) {
      return;
    }
    Gdiplus::Pen pen{Gdiplus::Color(kBlack), 1.5f};
    const float cx = column.width / 2, cy = column.height / 2;
    const Gdiplus::PointF tick[] = {{cx - 4, cy}, {cx - 1, cy + 3}, {cx + 4, cy - 3}};
    graphics.DrawLines(&pen, tick, 3);
    return;
  }
  Gdiplus::Bitmap* icon = window_.Icon(index_);
  if (!icon) return;
  const float w = static_cast<float>(icon->GetWidth()), h = static_cast<float>(icon->GetHeight());
  const float scale = std::min({1.0f, column.width / w, column.height / h});
  const float dw = w * scale, dh = h * scale;
  const float x = static_cast<float>(static_cast<int>((column.width - dw) / 2));
  const float y = static_cast<float>(static_cast<int>((column.height - dh) / 2));
  const ControlHost* host = Host();
  if (host && !host->Scale().IsIdentity()) {
    // At a display scale the picture goes the skin pictures' way: resampled
    // once onto whole device pixels, without a soft edge.
    const Rect target{static_cast<int>(x), static_cast<int>(y), static_cast<int>(std::lround(dw)),
                      static_cast<int>(std::lround(dh))};
    DrawImagePart(graphics, *icon, target, {0, 0, static_cast<int>(w), static_cast<int>(h)}, nullptr);
    return;
  }
  graphics.DrawImage(icon, Gdiplus::RectF(x, y, dw, dh));
}

void MenuItem::PaintArrow(Gdiplus::Graphics& graphics, Argb colour) {
  const float room = static_cast<float>(window_.ArrowRoom());
  const RectF area{static_cast<float>(Width()) - room, 0, room, static_cast<float>(Height())};
  if (DrawSkinPicture(window_.Package(), graphics, kMenuElement, kMenuArrowPicture, area, kNoGrid, FillType::kCentre)) {
    return;
  }
  Gdiplus::SolidBrush brush{Gdiplus::Color(colour)};
  const float cx = area.x + area.width / 2, cy = area.height / 2;
  const Gdiplus::PointF triangle[] = {{cx - 2, cy - 4}, {cx + 2, cy}, {cx - 2, cy + 4}};
  graphics.FillPolygon(&brush, triangle, 3);
}

}  // namespace tabulo::ui
