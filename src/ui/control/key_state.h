#pragma once
// The key state handed to event handlers: Ctrl, Shift and Alt as they are
// at the moment the event is delivered.
#include <windows.h>

#include "ui/control/engine_messages.h"

namespace tabulo::ui {

[[nodiscard]] inline int KeyStateNow() {
  int state = 0;
  if (GetAsyncKeyState(VK_CONTROL) & 0x8000) state |= kKeyCtrl;
  if (GetAsyncKeyState(VK_SHIFT) & 0x8000) state |= kKeyShift;
  if (GetAsyncKeyState(VK_MENU) & 0x8000) state |= kKeyAlt;
  return state;
}

}  // namespace tabulo::ui
