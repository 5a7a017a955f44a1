#pragma once
// The shape of one window's form: the window's own attributes and its named
// controls. The forms themselves live in form_catalogue.h; window code
// reads rectangles, texts and timer periods from there instead of stating
// them again.
//
// Everything here is constexpr so that a control can be looked up by name at
// compile time (FormControlOf in form_catalogue.h): a misspelt name is then a
// build error rather than an empty rectangle at run time.
#include <span>
#include <string_view>

#include "base/geometry/rect.h"

namespace tabulo::app {

// The forms, numbered as the program numbers them.
enum class FormId : int {
  kBar = 1,
  kToolWindow,
  kTimetableEditor,
  kAboutWindow,
  kRandomDraw,
  kReminderPopup,
  kBatchFileWriter,
  kSubjectPicker,
  kSettingsWindow,
  kClassTimeAdjustment,
  kTimerWindow,
  kStartupWindow,
  kCalendarWindow,  // the school calendar "校历与调课"
};
inline constexpr int kFormCount = 13;

// How the window comes to life. Themed and engine-bound windows use their form
// controls only as placeholders (never shown; their rectangles seed the
// windowless controls); native windows show them as platform controls.
enum class FormBinding { kThemed, kEngineBound, kNative };

// kFixed: a non-resizable frame with a caption. kNone: neither frame nor caption.
enum class FormBorder { kNone, kFixed };

enum class ControlKind {
  kLabel,
  kPushButton,
  kCheckBox,
  kEditField,
  kDropDownList,
  kGroupBox,
  kPictureBox,
  kListView,
  kTimer,
  kFileDialog,
  kDropTarget,
  // Made by the window that has them, not by the form framework: a list box
  // and a date picker (comctl32) where the form places them.
  kListBox,
  kDatePicker,
};

struct ListViewColumn {
  std::string_view title{};
  int width = 0;
};

struct FontChoice {
  std::string_view face{};
  int pixel_size = 0;
  bool bold = false;
};

struct FormControl {
  std::string_view name{};
  ControlKind kind = ControlKind::kLabel;
  // "" for the window's client area, otherwise the name of a group box of the
  // same form; `rect` is relative to it (see Form::ClientRect).
  std::string_view container{};
  Rect rect{};
  // The form's flag. Placeholders of engine-bound windows stay hidden whatever
  // it says.
  bool visible = false;
  // The caption; for the file dialog, its title.
  std::string_view text{};
  std::span<const std::string_view> items{};  // entries of a drop-down list
  // Timers only. 0 means the timer runs only once its owner sets a period.
  int period_ms = 0;
  std::span<const ListViewColumn> columns{};  // list views only
  const FontChoice* font = nullptr;           // nullptr: the platform's default
};

struct Form {
  FormId id = FormId::kBar;
  FormBinding binding = FormBinding::kNative;
  std::string_view caption{};  // "" for none
  Size client_size{};
  FormBorder border = FormBorder::kFixed;
  bool system_menu = false;
  bool minimise_button = false;
  bool esc_closes = false;
  bool in_taskbar = false;
  bool topmost = false;
  bool drag_anywhere = false;
  bool movable = true;
  bool visible_when_created = true;
  bool carries_program_icon = false;
  std::span<const FormControl> controls{};

  // nullptr when the form has no control of that name (names are exact and
  // case-sensitive, as the forms write them).
  [[nodiscard]] constexpr const FormControl* Find(std::string_view name) const {
    for (const FormControl& control : controls) {
      if (control.name == name) return &control;
    }
    return nullptr;
  }

  // The control's rectangle in the window's client area: its own rectangle
  // moved by the positions of the group boxes it sits in.
  [[nodiscard]] constexpr Rect ClientRect(const FormControl& control) const {
    Rect rect = control.rect;
    const FormControl* outer = &control;
    // Bounded walk: a container naming itself or a cycle cannot hang.
    for (std::size_t depth = 0; depth < controls.size() && !outer->container.empty(); ++depth) {
      outer = Find(outer->container);
      if (outer == nullptr) break;
      rect.x += outer->rect.x;
      rect.y += outer->rect.y;
    }
    return rect;
  }
};

}  // namespace tabulo::app
