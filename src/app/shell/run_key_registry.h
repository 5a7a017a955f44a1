#pragma once
// The start-with-Windows value in the real registry: a REG_SZ value under
// HKEY_LOCAL_MACHINE whose data is the program's full path. The W functions
// are used so that a run directory outside the GBK repertoire is stored
// intact.
#include <string>

#include "app/shell/start_with_windows.h"

namespace tabulo::app {

class RegistryRunKeyValue final : public RunKeyValue {
 public:
  // The program's own value (HKLM ...\CurrentVersion\Run, `Timetable`)
  // holding this executable's path.
  [[nodiscard]] static RegistryRunKeyValue ForThisProgram();

  // `value_path` is sub-key and value name as one path, split at its last
  // backslash; `command` is the data Enable() writes.
  RegistryRunKeyValue(std::wstring value_path, std::wstring command);

  [[nodiscard]] std::string Read() const override;
  // Opens the sub-key for writing, creating it when it does not open, and
  // sets the value.
  [[nodiscard]] bool Enable() override;
  // Deletes the value; when that fails, deletes a key at the value's full
  // path instead (a key of that name, never the Run key holding it).
  [[nodiscard]] bool Disable() override;

 private:
  std::wstring sub_key_;
  std::wstring value_name_;
  std::wstring full_path_;
  std::wstring command_;
};

}  // namespace tabulo::app
