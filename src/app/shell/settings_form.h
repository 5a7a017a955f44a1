#pragma once
// Logic of the settings window "程序设置": skin, start with Windows, the
// reminder pop-ups and the clock offset. The window is made of native
// controls (combo box, two check boxes, the offset edit field) and implements
// SettingsFormView. Nothing saved here takes effect before the next start.
#include <optional>
#include <string>
#include <string_view>

#include "app/forms/message_box_request.h"
#include "app/shell/settings_store.h"
#include "app/shell/start_with_windows.h"

namespace tabulo::app {

// The offset field takes at most 3 characters; typing is filtered with
// AcceptsTypedCharacter (signed_digits_filter.h).
inline constexpr int kOffsetFieldMaxCharacters = 3;

// What the offset field shows after losing the focus: the integer its text
// starts with (an optional "-", then digits), clamped to 32 bits, in decimal;
// empty when that integer is 0.
[[nodiscard]] std::string NormalisedOffset(std::string_view text);

enum class SkinChoice { kLight, kDark };  // list items 0 ("蓝天") and 1 ("星空")

class SettingsFormView {
 public:
  virtual ~SettingsFormView() = default;
  virtual void SelectSkin(SkinChoice skin) = 0;
  [[nodiscard]] virtual std::optional<SkinChoice> SelectedSkin() const = 0;  // nothing when no item is selected
  [[nodiscard]] virtual std::string OffsetText() const = 0;
  virtual void SetOffsetText(std::string_view text) = 0;
  virtual void SetRemindersOff(bool ticked) = 0;
  [[nodiscard]] virtual bool RemindersOff() const = 0;
  virtual void SetStartWithWindows(bool ticked) = 0;
  [[nodiscard]] virtual bool StartWithWindows() const = 0;
  virtual void Close() = 0;  // destroys the window
  virtual MessageBoxAnswer ShowMessage(const MessageBoxRequest& request) = 0;
};

class SettingsForm {
 public:
  SettingsForm(SettingsFormView& view, SettingsStore& store, RunKeyValue& runKey)
      : view_(view), store_(store), runKey_(runKey) {}

  // Shows the stored settings; the start-with-Windows box follows the registry.
  void Open();
  // Every click on "随Windows启动", ticking or clearing.
  void OnStartWithWindowsClicked();
  void OnOffsetFocusLost() { view_.SetOffsetText(NormalisedOffset(view_.OffsetText())); }
  void OnSave();
  // "退出", Esc and the close box: nothing is written.
  void OnExit() { view_.Close(); }

 private:
  SettingsFormView& view_;
  SettingsStore& store_;
  RunKeyValue& runKey_;
};

}  // namespace tabulo::app
