#pragma once
// An in-memory start-with-Windows value that records every registry operation
// asked of it, and can refuse writes like a registry without administrator
// rights.
#include <string>
#include <vector>

#include "app/shell/start_with_windows.h"

namespace tabulo::test {

class FakeRunKeyValue final : public app::RunKeyValue {
 public:
  explicit FakeRunKeyValue(std::string stored = "", std::string command = "C:\\Tabulo\\Tabulo.exe")
      : value(std::move(stored)), command_(std::move(command)) {}

  std::string value;
  bool refuse_writes = false;
  mutable std::vector<std::string> calls;

  [[nodiscard]] std::string Read() const override {
    calls.push_back("Read");
    return value;
  }
  [[nodiscard]] bool Enable() override {
    calls.push_back("Enable");
    if (refuse_writes) return false;
    value = command_;
    return true;
  }
  [[nodiscard]] bool Disable() override {
    calls.push_back("Disable");
    if (refuse_writes) return false;
    value.clear();
    return true;
  }

 private:
  std::string command_;
};

}  // namespace tabulo::test
