#pragma once
// Typing rules for a native edit field, added by subclassing it: a filter on
// each typed character and a check of the whole text after each edit by the
// user (typing, pasting, input-method results, undo). An edit the check
// refuses is taken back, text and selection as they were. Text the program
// sets (WM_SETTEXT) is not checked, as with the system's own length limit.
#include <windows.h>

#include <functional>
#include <string_view>

namespace tabulo::app {

struct EditRules {
  // A typed character (one UTF-16 unit of WM_CHAR); empty: every character.
  std::function<bool(char32_t)> acceptsTyped;
  // The field's whole text after an edit, UTF-8; empty: every text.
  std::function<bool(std::string_view)> acceptsText;
  // Runs first at a paste (Ctrl+V, the context menu): true when the field's
  // owner has put the clipboard's content where it belongs itself, and the
  // field pastes nothing. Empty: the field pastes.
  std::function<bool()> takesPaste{};
};

// False when the field could not be subclassed. The rules live as long as
// the field.
[[nodiscard]] bool ApplyEditRules(HWND edit, EditRules rules);

}  // namespace tabulo::app
