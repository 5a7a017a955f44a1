#include "app/shell/settings_window.h"

#include <memory>

#include "app/forms/edit_filter.h"
#include "app/forms/native_form_window.h"
#include "app/forms/open_window.h"
#include "app/forms/signed_digits_filter.h"
#include "app/shell/settings_form.h"
#include "app/shell/start_with_windows.h"
#include "base/win/window_text.h"

namespace tabulo::app {
namespace {

constexpr FormId kForm = FormId::kSettingsWindow;
constexpr int kSkinListId = FormControlId(kForm, "组合框1");
constexpr int kRemindersOffId = FormControlId(kForm, "选择框1");
constexpr int kStartWithWindowsId = FormControlId(kForm, "选择框2");
constexpr int kOffsetId = FormControlId(kForm, "编辑框1");
constexpr int kSaveId = FormControlId(kForm, "按钮1");
constexpr int kExitId = FormControlId(kForm, "按钮2");

class SettingsWindow final : public NativeFormWindow<SettingsFormView> {
 public:
  static constexpr FormId kForm = app::kForm;

  explicit SettingsWindow(AppContext& context)
      : NativeFormWindow(kForm, context), store_(context.runDirectory), logic_(*this, store_, *context.runKey) {}

  [[nodiscard]] bool Build() {
    if (!Create()) return false;
    SendMessageW(Offset(), EM_LIMITTEXT, kOffsetFieldMaxCharacters, 0);
    if (!ApplyEditRules(Offset(), {.acceptsTyped = AcceptsTypedCharacter, .acceptsText = {}})) return false;
    logic_.Open();
    return true;
  }

 private:
  HWND Offset() const { return Item(kOffsetId); }

  void OnCommand(int id, int code, HWND) override {
    switch (id) {
      case kStartWithWindowsId:
        if (code == BN_CLICKED) logic_.OnStartWithWindowsClicked();
        break;
      case kOffsetId:
        if (code == EN_KILLFOCUS) logic_.OnOffsetFocusLost();
        break;
      case kSaveId:
        if (code == BN_CLICKED) logic_.OnSave();
        break;
      case kExitId:
        if (code == BN_CLICKED) logic_.OnExit();
        break;
      default:
        break;
    }
  }
  void OnClose() override { logic_.OnExit(); }

  // SettingsFormView
  void SelectSkin(SkinChoice skin) override {
    SendMessageW(Item(kSkinListId), CB_SETCURSEL, skin == SkinChoice::kLight ? 0 : 1, 0);
  }
  std::optional<SkinChoice> SelectedSkin() const override {
    switch (SendMessageW(Item(kSkinListId), CB_GETCURSEL, 0, 0)) {
      case 0: return SkinChoice::kLight;
      case 1: return SkinChoice::kDark;
      default: return std::nullopt;
    }
  }
  std::string OffsetText() const override { return WindowText(Offset()); }
  void SetOffsetText(std::string_view text) override { SetWindowTextUtf8(Offset(), text); }
  void SetRemindersOff(bool ticked) override { SetTicked(Item(kRemindersOffId), ticked); }
  bool RemindersOff() const override { return Ticked(Item(kRemindersOffId)); }
  void SetStartWithWindows(bool ticked) override { SetTicked(Item(kStartWithWindowsId), ticked); }
  bool StartWithWindows() const override { return Ticked(Item(kStartWithWindowsId)); }

  static void SetTicked(HWND box, bool ticked) { SendMessageW(box, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0); }
  static bool Ticked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

  SettingsStore store_;
  SettingsForm logic_;
};

}  // namespace

HWND OpenSettingsWindow(AppContext& context) {
  return OpenWindow<SettingsWindow>(context);
}

}  // namespace tabulo::app
