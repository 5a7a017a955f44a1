#pragma once
// OpenWindow: the one way the program opens a window of its own.
//
//   OpenWindow<SettingsWindow>(context);            // returns at once
//   OpenWindow<BarWindow>(context, &popups);         // returns when the bar is gone
//
// Only one window of a form is open at a time: when the context's window
// list (app_windows.h) holds one, it is restored and brought to the front
// instead. Otherwise a Window is constructed from the context and `args`,
// its Build() creates the window (hidden) and everything in it, and its
// Show() shows it. What happens next depends on Window::kLifetime
// (form_window.h):
//
// - kOwnedByWindow: the window owns its object from then on and deletes it
//   after WM_NCDESTROY; OpenWindow returns the window. Native forms live
//   like this.
// - kModalLoop: OpenWindow runs the window's message loop and returns only
//   once the window is gone (nullptr), deleting the object on its way out.
//   Engine-bound windows live like this, so their loops nest: the start-up
//   window runs the bar, the bar the windows opened from it.
//
// A window class names its form as `static constexpr FormId kForm` and takes
// the context as its constructor's first argument. Nothing is opened, and
// nullptr returned, when Build() fails; the object then destroys whatever
// window it made.
#include <windows.h>

#include <memory>
#include <utility>

#include "app/forms/app_context.h"
#include "app/forms/form_window.h"
#include "ui/engine/message_loop.h"

namespace tabulo::app {

template <class Window, class... Args>
HWND OpenWindow(AppContext& context, Args&&... args) {
  if (HWND open = ListedWindow(context, Window::kForm)) {
    FormWindow::BringForward(open);
    return open;
  }
  auto window = std::make_unique<Window>(context, std::forward<Args>(args)...);
  if (!window->Build()) return nullptr;
  if constexpr (Window::kLifetime == WindowLifetime::kOwnedByWindow) {
    Window& built = *window;
    HWND hwnd = FormWindow::Adopt(std::move(window));
    built.Show();
    return hwnd;
  } else {
    HWND hwnd = window->hwnd();
    window->Show();
    ui::RunMessageLoop(hwnd);
    // An outer loop may have been waiting inside GetMessage while a sent
    // message (a tray notification) ran this one, and its own window may
    // have gone meanwhile: a message to the thread lets it look again
    // instead of waiting for ever.
    PostMessageW(nullptr, WM_NULL, 0, 0);
    return nullptr;
  }
}

}  // namespace tabulo::app
