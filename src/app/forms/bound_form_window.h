#pragma once
// BoundFormWindow: a form window (form_window.h) that the UI engine draws.
// The form's controls only mark places; the derived window creates the
// engine's windowless controls over them after binding.
//
// Lifetime: such a window runs its own message loop (RunBoundWindow), so the
// call that loaded it returns only once the window is gone, and loops nest
// (start-up window, bar, the windows opened from the bar). The object lives
// in that call's frame, never adopted by its window: the engine's subclass
// procedure (a member here) still runs after the form's own procedure has
// seen WM_NCDESTROY, so the object must outlive the window.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "app/forms/form_window.h"
#include "ui/engine/message_loop.h"
#include "ui/window/ui_window.h"

namespace tabulo::app {

// The theme package every bound window reads whole, by its plain relative
// name (the current directory); empty when it is missing.
inline constexpr char kThemePackageFile[] = "User Interface.ext";
[[nodiscard]] std::vector<std::uint8_t> ReadWholeFile(const char* relativeName);

// The binding of a window that shows one of the program's pictures (a
// resource number) as its background by fill type 3, at alpha 254.
[[nodiscard]] ui::BindOptions PictureWindowOptions(int pictureResource, std::uint32_t captionButtons);

class BoundFormWindow : public FormWindow {
 public:
  BoundFormWindow(FormId form, AppContext& context) : FormWindow(GetForm(form), context) {}

  [[nodiscard]] ui::UiWindow& Ui() { return ui_; }

 protected:
  // Creates the window (hidden) and binds it (BindEngine).
  [[nodiscard]] bool CreateAndBind(const ui::BindOptions& options);
  // Reads the theme package and binds the created window with it and
  // `options`; the window keeps its top-left corner and takes the form's size.
  [[nodiscard]] bool BindEngine(ui::BindOptions options);
  // Shows the window with a show effect (window_effect.h).
  void ShowWithEffect(ui::ShowEffect effect);

  ui::UiWindow ui_;
};

// Brings forward the open window of `form`, or builds a Window from `args`
// (its Build() creates, binds and fills it), shows it with ShowBound() and
// runs its message loop until it is gone.
template <class Window, class... Args>
void RunBoundWindow(FormId form, Args&&... args) {
  if (HWND open = FormWindow::FindOpen(form)) {
    FormWindow::BringForward(open);
    return;
  }
  auto window = std::make_unique<Window>(std::forward<Args>(args)...);
  if (!window->Build()) return;
  HWND hwnd = window->hwnd();
  window->ShowBound();
  ui::RunMessageLoop(hwnd);
  // An outer loop may have been waiting inside GetMessage while a sent
  // message (a tray notification) ran this one, and its own window may have
  // gone meanwhile: a message to the thread lets it look again instead of
  // waiting for ever.
  PostMessageW(nullptr, WM_NULL, 0, 0);
}

}  // namespace tabulo::app
