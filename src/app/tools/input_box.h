#pragma once
// A small modal input box: a prompt, one edit field, OK and Cancel, owned by
// a window. Used by the random draw to ask for the excluded student number.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tabulo::app {

struct InputBoxRequest {
  std::string title;
  std::string prompt;
  std::string initialText;
  bool digitsOnly = false;
};

// The typed text when OK closed the box; nothing when it was cancelled or
// could not be shown.
[[nodiscard]] std::optional<std::string> AskForText(HWND owner, const InputBoxRequest& request);

}  // namespace tabulo::app
