#pragma once
// What the native windows (settings, timetable editor, subject picker,
// class-time adjustment) need from the rest of the program. The shell passes
// ForThisProgram(); tests pass a temporary run directory, a presenter that
// answers the message boxes and a registry value under a test key.
#include <filesystem>
#include <functional>
#include <memory>

#include "app/shell/message_presenter.h"
#include "app/shell/start_with_windows.h"

namespace tabulo::app {

struct NativeWindowContext {
  std::filesystem::path runDirectory;      // where `setup` and `timetable.dat` live
  MessagePresenter* messages = nullptr;    // never null
  std::shared_ptr<RunKeyValue> runKey;     // the start-with-Windows value
  std::function<void()> reloadBar;         // after the editor saves; empty until the bar exists

  // The run directory of the executable, real message boxes, the program's
  // own Run value and no bar yet.
  [[nodiscard]] static NativeWindowContext ForThisProgram();
};

}  // namespace tabulo::app
