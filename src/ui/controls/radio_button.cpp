#include "ui/controls/radio_button.h"

#include "ui/control/control_host.h"
#include "ui/controls/check_box_layout.h"

namespace tabulo::ui {

void RadioButton::Select() {
  if (Ticked()) return;
  const std::vector<UiControl*> siblings =
      Parent() ? Parent()->Children() : (Host() ? Host()->Children() : std::vector<UiControl*>());
  for (UiControl* sibling : siblings) {
    if (sibling != this && sibling->ClassNumber() == kRadioButtonClassNumber) {
      sibling->HandleMessage(kMsgRadioClear, group_, reinterpret_cast<LPARAM>(this));
    }
  }
  SetTicked(true);
}

LRESULT RadioButton::PreHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kMsgClicked) Select();
  return BoxButton::PreHandleMessage(message, wParam, lParam);
}

bool RadioButton::PreClassHook(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_CREATE:
      group_ = reinterpret_cast<std::uintptr_t>(Parent());
      break;
    case WM_DESTROY:
      group_ = 0;
      break;
    case kMsgRadioClear: {
      const bool fromItself = reinterpret_cast<const UiControl*>(lParam) == this;
      if (RadioClearsOnGroupMessage(Ticked(), fromItself, group_, wParam)) SetTicked(false);
      return true;
    }
    default:
      break;
  }
  return BoxButton::PreClassHook(message, wParam, lParam, result);
}

}  // namespace tabulo::ui
