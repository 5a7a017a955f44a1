#include "ui/controls/check_button.h"

namespace tabulo::ui {

LRESULT CheckButton::PreHandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kMsgClicked) SetTicked(!Ticked());
  return BoxButton::PreHandleMessage(message, wParam, lParam);
}

}  // namespace tabulo::ui
