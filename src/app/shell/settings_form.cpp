#include "app/shell/settings_form.h"

#include <cstdint>
#include <limits>

#include "app/shell/settings_texts.h"

namespace tabulo::app {

namespace texts = settings_texts;

std::string NormalisedOffset(std::string_view text) {
  std::size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (negative) ++i;
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kLimit) value = kLimit;  // no need to read further: the result is clamped
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) value = std::numeric_limits<std::int32_t>::max();
  if (value == 0) return "";
  return std::to_string(value);
}

void SettingsForm::Open() {
  const Settings settings = store_.Load();
  view_.SelectSkin(settings.skin == texts::kLightSkin ? SkinChoice::kLight : SkinChoice::kDark);
  view_.SetOffsetText(settings.clock_offset.empty() ? "0" : settings.clock_offset);
  view_.SetRemindersOff(settings.reminders_off == "true");
  view_.SetStartWithWindows(!runKey_.Read().empty());
}

void SettingsForm::OnStartWithWindowsClicked() {
  view_.ShowMessage({texts::kAdministratorNote, kDefaultMessageCaption, kMbIconInformation});
}

void SettingsForm::OnSave() {
  Settings settings;
  settings.skin = view_.SelectedSkin() == SkinChoice::kLight ? texts::kLightSkin : texts::kDarkSkin;
  if (view_.OffsetText().empty()) view_.SetOffsetText("0");
  settings.clock_offset = view_.OffsetText();
  settings.reminders_off = view_.RemindersOff() ? "true" : "false";
  if (!store_.Save(settings)) {
    // Nothing was saved, so the start-with-Windows choice is not applied
    // either, and the window stays open with the teacher's choices.
    view_.ShowMessage({texts::kNotSaved, kDefaultMessageCaption, kMbIconExclamation});
    return;
  }
  // Without administrator rights the registry refuses silently; the note
  // shown on every click of the box is the guidance for that.
  (void)SaveStartWithWindows(runKey_, view_.StartWithWindows());
  view_.ShowMessage({texts::kSaved, kDefaultMessageCaption, kMbIconInformation});
  view_.Close();
}

}  // namespace tabulo::app
