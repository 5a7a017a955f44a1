#pragma once
// Keyboard navigation for the windows made of native controls: Tab and
// Shift+Tab between controls, the "&" mnemonics of buttons, Esc (delivered
// as WM_COMMAND IDCANCEL). IsDialogMessage does all of that, but only when
// the message loop calls it, and the loops that run while these windows are
// open belong to others (the engine's window loops, message boxes, paced
// waits). So a WH_GETMESSAGE hook of the GUI thread hands the keyboard
// messages of marked windows to IsDialogMessage before any loop sees them.
//
// The hook is installed while at least one DialogKeys handle exists.
#include <windows.h>

#include <memory>

namespace tabulo::app {

class DialogKeys {
 public:
  // A share of the hook; the first share installs it, the last removes it.
  [[nodiscard]] static std::shared_ptr<DialogKeys> Acquire();
  // Marks a top-level window whose keyboard messages go to IsDialogMessage.
  static void Enable(HWND window);
  static void Disable(HWND window);

  // Only Acquire makes one (the key is private to the class).
  struct Key {
   private:
    friend class DialogKeys;
    Key() = default;
  };
  DialogKeys(Key, HHOOK hook) : hook_(hook) {}
  DialogKeys(const DialogKeys&) = delete;
  DialogKeys& operator=(const DialogKeys&) = delete;
  ~DialogKeys();

 private:
  HHOOK hook_;
};

}  // namespace tabulo::app
