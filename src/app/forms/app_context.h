#pragma once
// What the native windows (settings, timetable editor, subject picker,
// class-time adjustment) need from the rest of the program. The shell passes
// the program's own; tests pass a temporary run directory, a presenter that
// answers the message boxes and a registry value under a test key.
#include <filesystem>
#include <functional>
#include <memory>

#include "app/forms/message_presenter.h"

namespace tabulo::app {

class RunKeyValue;  // start_with_windows.h

struct NativeWindowContext {
  std::filesystem::path runDirectory;      // where `setup` and `timetable.dat` live
  MessagePresenter* messages = nullptr;    // never null
  std::shared_ptr<RunKeyValue> runKey;     // the start-with-Windows value
  std::function<void()> reloadBar;         // after the editor saves; empty until the bar exists
};

}  // namespace tabulo::app
