// UiWindow: the caption band (icon, title and caption buttons), built when
// the window is bound and laid out again on every size or skin change.
#include <algorithm>

#include "base/win/window_text.h"
#include "ui/window/sys_button.h"
#include "ui/engine/engine_state.h"
#include "ui/window/caption_layout.h"
#include "ui/window/caption_parts.h"
#include "ui/window/ui_window.h"

namespace tabulo::ui {
namespace {

constexpr int kTitleGap = 4;

}  // namespace

void UiWindow::BuildCaptionBand() {
  DestroyCaptionBand();
  if (captionButtons_.Empty()) return;
  if (captionButtons_.Has(CaptionButton::kIcon)) {
    auto icon = std::make_unique<CaptionIcon>();
    HICON small = Icon(false);
    if (!small) small = Engine().smallIcon.get();
    if (icon->Create(*this, CaptionIconRect(content_, CaptionHeight()), small)) {
      captionIcon_ = icon.get();
      captionControls_.push_back(std::move(icon));
    }
  }
  if (captionButtons_.Has(CaptionButton::kTitle)) {
    auto title = std::make_unique<CaptionTitle>();
    if (title->Create(*this, Rect{content_.x, content_.y, 1, std::max(CaptionHeight(), 16)}, WindowText(hwnd_))) {
      captionTitle_ = title.get();
      captionControls_.push_back(std::move(title));
    }
  }
  for (const CaptionButton kind : CaptionButtonOrder()) {
    if (!captionButtons_.Has(kind)) continue;
    auto button = std::make_unique<SysButton>();
    if (button->Create(*this, kind)) captionControls_.push_back(std::move(button));
  }
  captionControlPtrs_.clear();
  for (const auto& control : captionControls_) captionControlPtrs_.push_back(control.get());
  LayoutCaptionBand();
}

void UiWindow::LayoutCaptionBand() {
  std::vector<CaptionButtonSize> sizes;
  std::vector<SysButton*> buttons;
  for (const auto& control : captionControls_) {
    if (auto* button = dynamic_cast<SysButton*>(control.get())) {
      sizes.push_back({button->Kind(), button->SkinSize()});
      buttons.push_back(button);
    }
  }
  const std::vector<PlacedCaptionButton> placed =
      LayoutCaptionButtons(content_, skin_.captionButtonsOffsetRight, skin_.captionButtonsTop, sizes);
  int buttonsLeft = content_.right();
  for (std::size_t i = 0; i < placed.size(); ++i) {
    const Rect& r = placed[i].rect;
    buttons[i]->Move(r.x, r.y, r.width, r.height);
    buttonsLeft = std::min(buttonsLeft, r.x);
  }
  const Rect iconRect = CaptionIconRect(content_, CaptionHeight());
  if (captionIcon_) captionIcon_->Move(iconRect.x, iconRect.y, iconRect.width, iconRect.height);
  if (captionTitle_) {
    const int left = captionIcon_ ? iconRect.right() + kTitleGap : content_.x + kTitleGap;
    const int height = std::max({CaptionHeight(), iconRect.bottom() - content_.y, 16});
    captionTitle_->Move(left, content_.y, std::max(buttonsLeft - left, 0), height);
  }
}

void UiWindow::DestroyCaptionBand() {
  for (const auto& control : captionControls_) control->Destroy();
  captionControls_.clear();
  captionControlPtrs_.clear();
  captionIcon_ = nullptr;
  captionTitle_ = nullptr;
}

void UiWindow::UpdateCaptionTitle() {
  if (captionTitle_) captionTitle_->SetTitle(WindowText(hwnd_));
}

void UiWindow::UpdateCaptionIcon() {
  if (captionIcon_) captionIcon_->SetIcon(Icon(false));
}

}  // namespace tabulo::ui
