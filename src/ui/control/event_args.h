#pragma once
// What an application handler receives. The sender comes first; then, by
// message: mouse messages and "clicked" carry x, y (relative to the control,
// or to the window for window-level events) and the key state; key messages
// the virtual key and the key state; WM_CHAR the character and the raw
// lParam; WM_DROPFILES the drop handle in wParam; window-level events the
// raw wParam/lParam of the message (tray notification, hot key, WM_MOVE x/y).
#include <cstdint>
#include <functional>

namespace tabulo::ui {

class UiObject;

struct EventArgs {
  UiObject* sender = nullptr;
  std::uint32_t message = 0;
  int x = 0;
  int y = 0;
  int keyState = 0;            // kKeyCtrl | kKeyShift | kKeyAlt
  std::uint32_t key = 0;       // virtual key (key messages) or character code (WM_CHAR)
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
};

// Returns true when it handled the event: the engine's own handling of the
// message is then skipped.
using EventHandler = std::function<bool(const EventArgs&)>;

}  // namespace tabulo::ui
