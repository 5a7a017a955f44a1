#include "ui/controls/button_layout.h"

namespace tabulo::ui {

ButtonArea ButtonAreaFor(RectF control, const std::optional<ButtonMargin>& margin) {
  const ButtonMargin m = margin.value_or(ButtonMargin{});
  const RectF layout{control.x + m.left, control.y + m.top, control.width + m.widthChange,
                     control.height + m.heightChange};
  return {layout, {layout.x, layout.y, layout.width - m.left, layout.height - m.top}};
}

std::optional<ButtonLayout> LayOutButton(const ButtonLayoutInput& in) {
  const RectF& r = in.area;
  const float iw = in.picture.width, ih = in.picture.height;
  const float tw = in.caption.width, th = in.caption.height;
  const float g = in.gap;
  const float left = r.x + in.offsetX;
  const float top = r.y + in.offsetY;
  const float pictureMiddleY = top + (r.height - ih) / 2;
  const float captionMiddleY = top + (r.height - th) / 2;
  RectF p{0, 0, iw, ih};
  RectF t{0, 0, tw, th};
  switch (in.mode) {
    case ButtonLayoutMode::PictureLeftOfCaption:
      p.x = left + (r.width - (iw + g + tw)) / 2;
      p.y = pictureMiddleY;
      t.x = p.x + iw + g;
      t.y = captionMiddleY - 1;
      break;
    case ButtonLayoutMode::CaptionLeftOfPicture:
      t.x = left + (r.width - (iw + g + tw)) / 2;
      t.y = captionMiddleY;
      p.x = t.x + tw + g;
      p.y = pictureMiddleY;
      break;
    case ButtonLayoutMode::PictureAboveCaption:
      p.x = left + (r.width - iw) / 2;
      p.y = top + (r.height - ih - g - th) / 2;
      t.x = left + (r.width - tw) / 2;
      t.y = p.y + ih + g;
      break;
    case ButtonLayoutMode::Centred:
      p.x = left + (r.width - iw) / 2;
      p.y = pictureMiddleY;
      t.x = left + (r.width - tw) / 2;
      t.y = captionMiddleY;
      break;
    case ButtonLayoutMode::PictureAtLeftEdge:
      p.x = left;
      p.y = pictureMiddleY;
      t = {p.x + iw + g, captionMiddleY, r.width - iw - g - in.offsetX, th};
      break;
    case ButtonLayoutMode::CaptionAtLeftEdge:
      t = {left, captionMiddleY, r.width - iw - g - in.offsetX, th};
      p.x = t.x + t.width + g;
      p.y = pictureMiddleY;
      break;
    case ButtonLayoutMode::PictureAtTop:
      p.x = left + (r.width - iw) / 2;
      p.y = top;
      t = {left + (r.width - tw) / 2, p.y + ih + g, tw + 5, th};
      break;
    default:
      return std::nullopt;
  }
  return ButtonLayout{p, t};
}

ButtonLayout PressedLayout(const ButtonLayout& layout) {
  ButtonLayout moved = layout;
  moved.picture.x += 1;
  moved.picture.y += 1;
  moved.caption.x += 1;
  moved.caption.y += 1;
  return moved;
}

HotkeyCaption ParseHotkeyPrefix(std::string_view utf8) {
  HotkeyCaption out;
  out.text.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] != '&') {
      out.text += utf8[i];
      continue;
    }
    ++i;
    if (i == utf8.size()) break;
    if (utf8[i] != '&' && !out.accessKey) out.accessKey = out.text.size();
    out.text += utf8[i];
  }
  return out;
}

}  // namespace tabulo::ui
