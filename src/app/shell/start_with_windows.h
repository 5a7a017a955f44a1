#pragma once
// Starting with Windows: a text value under the machine-wide Run key that
// names the program. The value sits behind RunKeyValue so the save rule can
// be tested without a registry (run_key_registry.h is the real one).
#include <string>

namespace tabulo::app {

class RunKeyValue {
 public:
  virtual ~RunKeyValue() = default;
  // The value as text; "" when it, or its key, is missing or empty. A
  // non-empty text means the program starts with Windows.
  [[nodiscard]] virtual std::string Read() const = 0;
  // Writes the program's own command line as the value. Needs administrator
  // rights on a real machine; false when refused.
  [[nodiscard]] virtual bool Enable() = 0;
  [[nodiscard]] virtual bool Disable() = 0;
};

// Saves the settings window's "随Windows启动" choice. A value that already
// exists is kept as it is, even when it names another copy of the program,
// and a choice that matches the registry touches nothing. False only when a
// needed write or delete was refused.
[[nodiscard]] bool SaveStartWithWindows(RunKeyValue& value, bool start_with_windows);

}  // namespace tabulo::app
