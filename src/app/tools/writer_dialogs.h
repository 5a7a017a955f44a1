#pragma once
// The system dialogs and shell calls of the batch file writer, behind an
// interface so the window can be driven in tests without modal dialogs.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tabulo::app {

class WriterDialogs {
 public:
  virtual ~WriterDialogs() = default;
  // The open-file dialog titled "请选择文件", starting in `initialFolder`;
  // the chosen file's full path, nothing when cancelled.
  [[nodiscard]] virtual std::optional<std::string> ChooseFile(HWND owner, std::string_view initialFolder) = 0;
  // The folder browser titled "请选择文件写入路径", with an edit box; ""
  // when cancelled.
  [[nodiscard]] virtual std::string ChooseFolder(HWND owner) = 0;
  // ShellExecute of `path` with `verb` ("" is the default verb), no
  // parameters, a normal window.
  virtual void OpenWithShell(std::string_view path, std::string_view verb) = 0;
};

[[nodiscard]] WriterDialogs& SystemWriterDialogs();

// The user's desktop folder with a trailing backslash; "" when the system
// does not say.
[[nodiscard]] std::string DesktopFolder();

}  // namespace tabulo::app
