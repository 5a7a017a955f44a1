#pragma once
// FormWindow: a top-level window made from a form (form.h). It takes the
// form's attributes (frame and caption, system menu and minimise box,
// taskbar button or none, topmost, the client size, centred on the screen,
// the program icon) and, for a native form, creates the form's
// controls as native controls in the form's places, in a readable font,
// with Tab, the "&" mnemonics and Esc working (dialog_keys.h).
//
// Engine-bound and themed forms get the bare window only: the engine binds
// it later and makes its own controls over the form's placeholders.
//
// A concrete window derives from FormWindow and handles its commands; it is
// opened with OpenWindow (open_window.h). The object finds itself through
// GWLP_USERDATA (set at WM_NCCREATE, cleared at WM_NCDESTROY). A window
// handed to Adopt owns its object, which is deleted once the window has been
// destroyed and the last of its handlers running at that moment has
// returned, so a handler may destroy its own window.
//
// While it exists, the window is stored in its context's window list
// (app_windows.h), which is how the program finds it.
//
// Events, one way for every window: a native control's command reaches
// OnCommand, closing OnClose, and every other message OnMessage, all in the
// window's own procedure; an engine-drawn window binds its window-level
// events on its UiWindow and its controls' events on the controls
// (bound_form_window.h), itself or through the parts it holds (the bar's
// tray icon and hot keys). Nothing else hooks its procedure or binds its
// events; what a window reports to the one that opened it (the subject
// picker's choice) is handed to it when it is opened.
#include <windows.h>

#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "app/forms/app_context.h"
#include "app/forms/form.h"
#include "app/forms/form_catalogue.h"
#include "base/geometry/dpi_scale.h"
#include "base/geometry/rect.h"
#include "base/win/unique_handle.h"

namespace tabulo::app {

class DialogKeys;

// The child-window id of a native form control: its row in the form plus
// this. Ids 1 and 2 stay free for IDOK and IDCANCEL.
inline constexpr int kFirstFormControlId = 100;
[[nodiscard]] consteval int FormControlId(FormId form, std::string_view name) {
  return kFirstFormControlId + static_cast<int>(&FormControlOf(form, name) - GetForm(form).controls.data());
}

// Who deletes a window object (see OpenWindow in open_window.h).
enum class WindowLifetime {
  // The window: the object is handed to it once built (Adopt) and deleted
  // after WM_NCDESTROY; the call that opened it returns at once.
  kOwnedByWindow,
  // The call that opened it: that call runs the window's message loop until
  // the window is gone, then deletes the object in its own frame.
  kModalLoop,
};

class FormWindow {
 public:
  // How a window of this class lives unless a derived class says otherwise.
  static constexpr WindowLifetime kLifetime = WindowLifetime::kOwnedByWindow;

  // `context` outlives the window object.
  FormWindow(const Form& form, AppContext& context);
  virtual ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Creates the window, hidden, and its controls. False when the system
  // refuses; the object then holds no window.
  [[nodiscard]] bool Create();
  // Shows the window as the form says (not at all when it says hidden) and
  // gives the keyboard focus to InitialFocus(); OpenWindow calls it once the
  // window is built.
  virtual void Show();
  void Destroy();

  [[nodiscard]] HWND hwnd() const { return hwnd_; }
  [[nodiscard]] const Form& form() const { return form_; }
  [[nodiscard]] AppContext& context() const { return context_; }
  // A native form's scale: its 96-DPI places in pixels at the DPI of the
  // monitor it is on (identity for a window the engine draws).
  [[nodiscard]] DpiScale Scale() const { return scale_; }
  // A native control by its id (FormControlId for the form's own controls).
  [[nodiscard]] HWND Item(int id) const { return hwnd_ ? GetDlgItem(hwnd_, id) : nullptr; }

  // Hands the object to its window (see the top of this file). Returns the
  // window; nullptr, with the object deleted, when it has none.
  static HWND Adopt(std::unique_ptr<FormWindow> window);
  // The window object behind a form window of this process, or nullptr.
  [[nodiscard]] static FormWindow* FromHandle(HWND window);
  // Restores a minimised window and brings it to the front.
  static void BringForward(HWND window);

 protected:
  // A visible native control shaped like the form's control `model` (usually
  // a hidden template), placed at `rect` in the client area (96-DPI units).
  HWND CloneControl(const FormControl& model, const Rect& rect, int id, std::string_view text, DWORD extraStyle = 0);
  // Tab order follows reading order (by row, then left to right); group
  // boxes go below the controls they frame. Run again after cloning.
  void ArrangeTabOrder();
  // Paints the client area in this colour instead of the dialog colour.
  void SetBackground(COLORREF colour);

  // WM_COMMAND from a control (not Esc).
  virtual void OnCommand(int /*id*/, int /*code*/, HWND /*control*/) {}
  // The close box, the exit routine's WM_CLOSE and, for forms that say so,
  // Esc. Destroys the window unless overridden.
  virtual void OnClose() { Destroy(); }
  // WM_DESTROY: the controls still exist.
  virtual void OnDestroying() {}
  // Where Show puts the keyboard focus: the first control in Tab order
  // unless overridden (nullptr leaves it on the window).
  [[nodiscard]] virtual HWND InitialFocus() const;
  // Any message first; a value ends its handling.
  virtual std::optional<LRESULT> OnMessage(UINT /*message*/, WPARAM, LPARAM) { return std::nullopt; }
  // Before OnMessage, the part of a window drawn by the engine (see
  // bound_form_window.h); a value ends the message's handling.
  virtual std::optional<LRESULT> EngineHandling(UINT /*message*/, WPARAM, LPARAM) { return std::nullopt; }
  // The window's own handling of a message (OnMessage, then the commands,
  // closing, focus and background), which the engine runs for messages it
  // handles and the window must see too.
  LRESULT OwnHandling(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void CreateControls();
  // WM_DPICHANGED: the window has gone to a monitor of another DPI.
  void OnDpiChanged(int dpi, const RECT& suggested);
  void RememberFocus();
  bool RestoreFocus();

  const Form& form_;
  AppContext& context_;
  // Declared first, so it outlives the window it owns.
  UniqueWindow taskbarOwner_;
  HWND hwnd_ = nullptr;
  DpiScale scale_;
  UniqueFont font_;  // made for scale_
  UniqueBrush background_;
  COLORREF backgroundColour_ = 0;
  HWND lastFocus_ = nullptr;    // child that had the focus when the window was deactivated
  std::shared_ptr<DialogKeys> dialogKeys_;
  std::unique_ptr<FormWindow> self_;  // set by Adopt
  int handlersRunning_ = 0;
};

}  // namespace tabulo::app
