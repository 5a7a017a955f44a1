#pragma once
// The system-wide hot keys of one engine window. Ids are handed out per
// window from 1 upwards in registration order; a registration that fails
// (the key is taken by someone else) uses up no number. Every key still
// registered is released when the window goes, and a window bound again
// starts counting from 1.
#include <windows.h>

#include <vector>

#include "ui/window/hot_key_ids.h"

namespace tabulo::ui {

class WindowHotKeys {
 public:
  // The id, or 0 when RegisterHotKey refused the key or there is no window.
  [[nodiscard]] int Add(HWND window, UINT modifiers, UINT virtualKey);
  // False for an id that is not registered here.
  bool Remove(HWND window, int id);
  // Unregisters everything and starts the numbering again.
  void ReleaseAll(HWND window);

  [[nodiscard]] const std::vector<int>& Registered() const { return registered_; }

 private:
  HotKeyIds ids_{kWindowHotKeyFirstId};
  std::vector<int> registered_;
};

}  // namespace tabulo::ui
