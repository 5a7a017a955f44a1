#pragma once
// AppContext: what every window of the program is given when it opens. The
// shell makes the program's one context at start-up (program_context.h) and
// each window passes it on to the windows it opens; tests make their own,
// with a temporary run directory, a presenter that answers the message boxes
// and fakes of the rest.
//
// Windows keep a reference to it, so it outlives them all: the program's
// lives in wWinMain's frame.
#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/forms/app_windows.h"

namespace tabulo {
class Random;
}  // namespace tabulo

namespace tabulo::app {

class MessagePresenter;
// The services below are named here and declared beside the windows that use
// them; nothing in this folder calls them.
class RunKeyValue;         // start_with_windows.h
class WriterDialogs;       // writer_dialogs.h
struct TextPromptRequest;  // random_draw.h

struct AppContext {
  // Where the program's files live: `setup` (the settings), `timetable.dat`
  // and the draw's `set`.
  std::filesystem::path runDirectory;
  MessagePresenter* messages = nullptr;  // never null
  // The program's open windows (app_windows.h), one per form.
  AppWindowList windows;
  // Loads today's timetable into the bar again after a save; set by the bar
  // while it lives, empty otherwise.
  std::function<void()> reloadBar;
  std::shared_ptr<RunKeyValue> runKey;  // the start-with-Windows value, for the settings

  // What the classroom tools use.
  Random* random = nullptr;  // the draw's generator
  // A modal input box owned by `owner`; nothing when it was cancelled.
  std::function<std::optional<std::string>(HWND owner, const TextPromptRequest&)> askText;
  WriterDialogs* dialogs = nullptr;  // the batch writer's file and folder dialogs
  std::function<void()> playChime;   // the timer's chime
};

// The open window of `form`, or nullptr: the one way to find a window.
[[nodiscard]] inline HWND ListedWindow(const AppContext& context, FormId form) {
  return reinterpret_cast<HWND>(context.windows.Get(form));
}

}  // namespace tabulo::app
