#pragma once
// The native control for a form control: which system class and styles each
// kind of control becomes when a native form shows it.
#include <windows.h>

#include <string_view>

#include "app/forms/form.h"
#include "base/geometry/dpi_scale.h"
#include "base/geometry/rect.h"

namespace tabulo::app {

// Whether a native form shows this kind of control as a window (timers,
// picture boxes, dialogs and drop targets have no window of their own).
[[nodiscard]] bool HasNativeControl(ControlKind kind);

struct NativeControlPlacement {
  HWND parent = nullptr;
  Rect rect;  // in the parent's client area, in 96-DPI units
  DpiScale scale;  // the parent's: how `rect` becomes pixels
  int id = 0;
  std::string_view text;
  bool visible = true;
  DWORD extraStyle = 0;
  HFONT font = nullptr;
};

// Creates the control for `model` (its kind and, for a drop-down list, its
// items) as `plan` says; nullptr when the kind has no native control or the
// system refuses.
HWND CreateNativeControl(const FormControl& model, const NativeControlPlacement& plan);

// The chosen item of a drop-down list as a number from 1 (0: none), and
// choosing one by its number.
[[nodiscard]] int ChosenNumber(HWND list);
void ChooseNumber(HWND list, int number);

// Moves a control made by CreateNativeControl from the scale `from` to the
// scale `to` (its parent went to a monitor of another DPI) and gives it the
// font made for the new scale.
void RescaleNativeControl(HWND control, DpiScale from, DpiScale to, HFONT font);

}  // namespace tabulo::app
