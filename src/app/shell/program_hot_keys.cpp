#include "app/shell/program_hot_keys.h"

#include <utility>

#include "ui/control/engine_messages.h"

namespace tabulo::app {

int ProgramHotKeys::Add(ui::UiWindow& window, UINT modifiers, UINT virtualKey, std::function<void()> target) {
  HWND hwnd = window.WindowHandle();
  const int id = ids_.Register([&](int next) { return RegisterHotKey(hwnd, next, modifiers, virtualKey) != FALSE; });
  if (id == 0) return 0;
  targets_[id] = std::move(target);
  Route(window);
  return id;
}

void ProgramHotKeys::Route(ui::UiWindow& window) {
  if (std::exchange(routed_, true)) return;
  window.Bind(ui::kMsgHotKey, [this](const ui::EventArgs& event) {
    const int id = static_cast<int>(event.wParam);
    if (!ids_.Owns(id)) return false;
    if (auto found = targets_.find(id); found != targets_.end()) {
      const std::function<void()> target = found->second;  // may open a window and its loop
      target();
    }
    return true;
  });
}

}  // namespace tabulo::app
