// Registry access for the start-with-Windows value; see run_key_registry.h.
#include "app/shell/run_key_registry.h"

#include <windows.h>

#include <utility>

#include "app/storage_names.h"
#include "base/win/run_directory.h"
#include "base/win/wide_text.h"

namespace tabulo::app {
namespace {

class UniqueKey {
 public:
  UniqueKey() = default;
  UniqueKey(const UniqueKey&) = delete;
  UniqueKey& operator=(const UniqueKey&) = delete;
  ~UniqueKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  [[nodiscard]] HKEY get() const { return key_; }
  [[nodiscard]] HKEY* receive() { return &key_; }

 private:
  HKEY key_ = nullptr;
};

// Open for writing, or create when it does not open (e.g. a fresh system
// without a Run key).
[[nodiscard]] bool OpenForWriting(const std::wstring& sub_key, UniqueKey& key) {
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, sub_key.c_str(), 0, KEY_WRITE, key.receive()) == ERROR_SUCCESS) return true;
  return RegCreateKeyExW(HKEY_LOCAL_MACHINE, sub_key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                         nullptr, key.receive(), nullptr) == ERROR_SUCCESS;
}

}  // namespace

RegistryRunKeyValue RegistryRunKeyValue::ForThisProgram() {
  return RegistryRunKeyValue(std::wstring(kRunValuePath), (RunDirectory() / ExecutableFileName()).wstring());
}

RegistryRunKeyValue::RegistryRunKeyValue(std::wstring value_path, std::wstring command)
    : full_path_(std::move(value_path)), command_(std::move(command)) {
  const std::size_t split = full_path_.rfind(L'\\');
  if (split == std::wstring::npos) {
    value_name_ = full_path_;
  } else {
    sub_key_ = full_path_.substr(0, split);
    value_name_ = full_path_.substr(split + 1);
  }
}

std::string RegistryRunKeyValue::Read() const {
  constexpr DWORD kTextTypes = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
  // The value may grow between asking for its size and reading it; retry.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, sub_key_.c_str(), value_name_.c_str(), kTextTypes, nullptr, nullptr,
                     &bytes) != ERROR_SUCCESS) {
      return {};
    }
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    const LSTATUS status = RegGetValueW(HKEY_LOCAL_MACHINE, sub_key_.c_str(), value_name_.c_str(), kTextTypes,
                                        nullptr, text.data(), &bytes);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return {};
    text.resize(wcsnlen(text.c_str(), text.size()));
    return Narrow(text);
  }
  return {};
}

bool RegistryRunKeyValue::Enable() {
  UniqueKey key;
  if (!OpenForWriting(sub_key_, key)) return false;
  const auto bytes = static_cast<DWORD>((command_.size() + 1) * sizeof(wchar_t));  // with the terminating zero
  return RegSetValueExW(key.get(), value_name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(command_.c_str()),
                        bytes) == ERROR_SUCCESS;
}

bool RegistryRunKeyValue::Disable() {
  UniqueKey key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, sub_key_.c_str(), 0, KEY_WRITE, key.receive()) == ERROR_SUCCESS &&
      RegDeleteValueW(key.get(), value_name_.c_str()) == ERROR_SUCCESS) {
    return true;
  }
  return RegDeleteKeyW(HKEY_LOCAL_MACHINE, full_path_.c_str()) == ERROR_SUCCESS;
}

}  // namespace tabulo::app
