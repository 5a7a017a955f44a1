// Settings file access; see settings_store.h.
#include "app/shell/settings_store.h"

#include "app/storage_names.h"

namespace tabulo::app {

SettingsStore::SettingsStore(const std::filesystem::path& run_directory)
    : file_(run_directory / kSettingsFileName) {}

std::string SettingsStore::Read(std::string_view key, std::string_view fallback) const {
  return file_.Read(kSettingsSection, key, fallback);
}

bool SettingsStore::Write(std::string_view key, std::string_view value) {
  return file_.Write(kSettingsSection, key, value);
}

Settings SettingsStore::Load() const {
  return {.skin = Read(kSkinKey, kSkinDefault),
          .clock_offset = Read(kClockOffsetKey, kClockOffsetDefault),
          .reminders_off = Read(kRemindersOffKey, kRemindersOffDefault)};
}

bool SettingsStore::Save(const Settings& settings) {
  const std::string section(kSettingsSection);
  return file_.WriteAll({{section, std::string(kSkinKey), settings.skin},
                         {section, std::string(kClockOffsetKey), settings.clock_offset},
                         {section, std::string(kRemindersOffKey), settings.reminders_off}});
}

}  // namespace tabulo::app
