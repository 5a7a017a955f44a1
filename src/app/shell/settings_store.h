#pragma once
// The three user settings in the file `setup` of the run directory (section
// "set"). Read when the bar is created and when the settings window opens;
// written only by the settings window's save. Values are compared by their
// readers exactly and case-sensitively, so they are handed over untouched.
#include <filesystem>
#include <string>
#include <string_view>

#include "base/ini/profile_store.h"

namespace tabulo::app {

struct Settings {
  std::string skin;          // "蓝天" or "星空"
  std::string clock_offset;  // signed minutes as text; "" when stored empty
  std::string reminders_off; // "true" switches the reminder pop-ups off
};

class SettingsStore {
 public:
  explicit SettingsStore(const std::filesystem::path& run_directory);

  // `fallback` when the file or the key is missing; a key stored empty reads "".
  [[nodiscard]] std::string Read(std::string_view key, std::string_view fallback) const;
  [[nodiscard]] bool Write(std::string_view key, std::string_view value);

  // All three keys, each with its default when missing.
  [[nodiscard]] Settings Load() const;
  // All three keys in one atomic replacement of the file.
  [[nodiscard]] bool Save(const Settings& settings);

  [[nodiscard]] const std::filesystem::path& path() const { return file_.path(); }

 private:
  ProfileStore file_;
};

}  // namespace tabulo::app
