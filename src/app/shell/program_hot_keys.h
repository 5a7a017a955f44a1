#pragma once
// The program's system-wide hot keys with targets: each registration on a
// window takes the next id from 33001 upwards (a refused key uses up none)
// and names what a press runs. The window's WM_HOTKEY with one of these ids
// runs that target; F9 opens the random draw this way from anywhere on the
// desktop.
#include <windows.h>

#include <functional>
#include <map>

#include "ui/window/hot_key_ids.h"
#include "ui/window/ui_window.h"

namespace tabulo::app {

class ProgramHotKeys {
 public:
  // Registers the key on the bound window and routes its presses to
  // `target`; returns the id, 0 when the system refused the key.
  int Add(ui::UiWindow& window, UINT modifiers, UINT virtualKey, std::function<void()> target);

 private:
  void Route(ui::UiWindow& window);

  ui::HotKeyIds ids_{ui::kProgramHotKeyFirstId};
  std::map<int, std::function<void()>> targets_;
  bool routed_ = false;
};

}  // namespace tabulo::app
