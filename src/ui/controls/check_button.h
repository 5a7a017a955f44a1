#pragma once
// CheckButton: a check box. A click toggles it before the application's
// click handler runs, so the handler sees the new value (and the toggle
// happens even when the handler reports the click handled).
#include "ui/controls/box_button.h"

namespace tabulo::ui {

class CheckButton : public BoxButton {
 public:
  CheckButton() : BoxButton(false) {}
  [[nodiscard]] bool Create(ControlParent parent, const Rect& rect, const ButtonOptions& options = {}) {
    return CreateBox(parent, rect, options);
  }

 protected:
  LRESULT PreHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace tabulo::ui
