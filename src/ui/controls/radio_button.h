#pragma once
// RadioButton: an option button. A click selects it and clears the other
// option buttons of its group among its siblings (the children of the same
// parent control, or the host window's top-level controls). The group is a
// value; at creation it is the parent control, so siblings form one group
// unless the application gives some of them another value.
#include <cstdint>

#include "ui/controls/box_button.h"

namespace tabulo::ui {

class RadioButton : public BoxButton {
 public:
  RadioButton() : BoxButton(true) {}
  [[nodiscard]] bool Create(ControlParent parent, const Rect& rect, const ButtonOptions& options = {}) {
    return CreateBox(parent, rect, options);
  }

  // Ticks this button and clears the ticked siblings of its group; nothing
  // when it is ticked already.
  void Select();

  [[nodiscard]] std::uintptr_t Group() const { return group_; }
  void SetGroup(std::uintptr_t group) { group_ = group; }

 protected:
  LRESULT PreHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool PreClassHook(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  std::uintptr_t group_ = 0;
};

}  // namespace tabulo::ui
