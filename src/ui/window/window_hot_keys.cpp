#include "ui/window/window_hot_keys.h"

#include <algorithm>

namespace tabulo::ui {

int WindowHotKeys::Add(HWND window, UINT modifiers, UINT virtualKey) {
  if (!window) return 0;
  const int id = ids_.Register(
      [&](int next) { return RegisterHotKey(window, next, modifiers, virtualKey) != FALSE; });
  if (id != 0) registered_.push_back(id);
  return id;
}

bool WindowHotKeys::Remove(HWND window, int id) {
  const auto it = std::find(registered_.begin(), registered_.end(), id);
  if (!window || it == registered_.end()) return false;
  registered_.erase(it);
  return UnregisterHotKey(window, id) != FALSE;
}

void WindowHotKeys::ReleaseAll(HWND window) {
  if (window) {
    for (int id : registered_) UnregisterHotKey(window, id);
  }
  registered_.clear();
  ids_ = HotKeyIds(kWindowHotKeyFirstId);
}

}  // namespace tabulo::ui
