#pragma once
// BoundFormWindow: a form window (form_window.h) that the UI engine draws.
// The form's controls only mark places; the derived window creates the
// engine's windowless controls over them after binding.
//
// One window procedure: the form's own hands every message to the engine
// (UiWindow::HandleMessage) before its own handling, and the engine runs
// that handling where the window must see a message it handles too.
//
// Lifetime: such a window runs its own message loop (kModalLoop, see
// open_window.h), so the call that opened it returns only once the window
// is gone, and loops nest (start-up window, bar, the windows opened from the
// bar). The object lives in that call's frame. At WM_NCDESTROY the engine
// lets go of the window first, then the form's own clean-up runs; nothing
// of the object runs after that.
//
// Window events: what the engine delivers as a window-level event (its
// ui::kMsg… numbers: a move, a right-button release, a tray notification,
// a hot key) is bound on Ui(); every other message (timers, the program's
// own messages, drops, notifications of native children) reaches
// OnMessage.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "app/forms/form_window.h"
#include "ui/window/ui_window.h"

namespace tabulo::app {

// The theme package every bound window reads whole, by its plain relative
// name (the current directory); empty when it is missing.
inline constexpr char kThemePackageFile[] = "User Interface.ext";
[[nodiscard]] std::vector<std::uint8_t> ReadWholeFile(const char* relativeName);

// The binding of a window that shows one of the program's pictures (a
// resource number) as its background, as a nine-grid, at alpha 254.
[[nodiscard]] ui::BindOptions PictureWindowOptions(int pictureResource, ui::CaptionButtons captionButtons);

class BoundFormWindow : public FormWindow {
 public:
  static constexpr WindowLifetime kLifetime = WindowLifetime::kModalLoop;

  BoundFormWindow(FormId form, AppContext& context) : FormWindow(GetForm(form), context) {}

  // Shows the window at once (no effect) unless a window says otherwise.
  void Show() override { ShowWithEffect(ui::ShowEffect::kNone); }

  [[nodiscard]] ui::UiWindow& Ui() { return ui_; }

 protected:
  // Creates the window (hidden) and binds it (BindEngine).
  [[nodiscard]] bool CreateAndBind(const ui::BindOptions& options);
  // Reads the theme package and binds the created window with it and
  // `options`; the window takes the form's size, centred on the screen.
  [[nodiscard]] bool BindEngine(ui::BindOptions options);
  // Binds the created window as it is (its place, size and `options`).
  [[nodiscard]] bool BindUi(const ui::BindOptions& options);
  // Shows the window with a show effect (window_effect.h).
  void ShowWithEffect(ui::ShowEffect effect);

  std::optional<LRESULT> EngineHandling(UINT message, WPARAM wparam, LPARAM lparam) override {
    return ui_.HandleMessage(message, wparam, lparam);
  }

  ui::UiWindow ui_;
};

}  // namespace tabulo::app
