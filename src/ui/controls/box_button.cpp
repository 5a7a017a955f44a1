#include "ui/controls/box_button.h"

#include "ui/control/accessible_events.h"
#include "ui/control/control_host.h"
#include "ui/controls/check_box_layout.h"
#include "ui/skin/resource_package.h"
#include "ui/skin/skin_draw.h"

namespace tabulo::ui {
namespace {

constexpr float kPlainBoxSize = 13;

}  // namespace

bool BoxButton::CreateBox(ControlParent parent, const Rect& rect, const ButtonOptions& options) {
  return CreateButton(parent, rect, options, radio_ ? kRadioButtonClassNumber : kCheckButtonClassNumber, Element());
}

void BoxButton::SetTicked(bool ticked) {
  if (ticked == ticked_) return;
  ticked_ = ticked;
  Invalidate();
  AnnounceStateChange(*this);
}

bool BoxButton::PreClassHook(UINT message, WPARAM, LPARAM, LRESULT&) {
  if (message == WM_DESTROY) ticked_ = false;
  return false;
}

bool BoxButton::BackgroundHook(Gdiplus::Graphics&, const RectF&, int) { return true; }

SizeF BoxButton::BoxSize() const {
  const ResourcePackage* package = Host() ? Host()->Package() : nullptr;
  if (const auto size = package ? package->IntRect(Element(), "size") : std::nullopt) {
    return {static_cast<float>(size->width), static_cast<float>(size->height)};
  }
  return {kPlainBoxSize, kPlainBoxSize};
}

void BoxButton::AfterBackgroundHook(Gdiplus::Graphics& graphics, int state, RectF& caption, RectF& picture) {
  const CheckBoxLayout layout = LayOutCheckBox(Height(), BoxSize(), state, caption);
  picture.width = 0;  // a box button shows no picture
  caption = layout.caption;
  focusRect_ = layout.focus;
  const ResourcePackage* package = Host() ? Host()->Package() : nullptr;
  if (!DrawSkinPicture(package, graphics, Element(), CheckBoxStateName(radio_, state, ticked_), layout.box)) {
    DrawPlainBox(graphics, layout.box, state);
  }
}

// A white box (round for an option button) with a dark mark while ticked,
// for windows whose theme has no box pictures.
void BoxButton::DrawPlainBox(Gdiplus::Graphics& graphics, const RectF& box, int state) const {
  const Gdiplus::SmoothingMode mode = graphics.GetSmoothingMode();
  graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  const Gdiplus::RectF outline(box.x, box.y, box.width - 1, box.height - 1);
  Gdiplus::SolidBrush face(Gdiplus::Color(state == kButtonPressed ? 0xFFE0E0E0u : 0xFFFFFFFFu));
  Gdiplus::Pen edge(Gdiplus::Color(state == kButtonNormal ? 0xFF707070u : 0xFF0078D7u));
  Gdiplus::SolidBrush mark(Gdiplus::Color(0xFF202020u));
  const Gdiplus::RectF inner(box.x + 3, box.y + 3, box.width - 7, box.height - 7);
  if (radio_) {
    graphics.FillEllipse(&face, outline);
    graphics.DrawEllipse(&edge, outline);
    if (ticked_) graphics.FillEllipse(&mark, inner);
  } else {
    graphics.FillRectangle(&face, outline);
    graphics.DrawRectangle(&edge, outline);
    if (ticked_) graphics.FillRectangle(&mark, inner);
  }
  graphics.SetSmoothingMode(mode);
}

}  // namespace tabulo::ui
