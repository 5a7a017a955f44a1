#include "app/shell/settings_window.h"

#include "../forms/native_form_fixture.h"
#include "app/shell/settings_store.h"
#include "app/shell/settings_texts.h"
#include "base/text/gbk.h"
#include "base/win/wide_text.h"

namespace tabulo::app {
namespace {

using namespace testing;

constexpr FormId kForm = FormId::kSettingsWindow;
constexpr int kSkins = FormControlId(kForm, "组合框1");
constexpr int kStartWithWindows = FormControlId(kForm, "选择框2");
constexpr int kRemindersOff = FormControlId(kForm, "选择框1");
constexpr int kOffset = FormControlId(kForm, "编辑框1");
constexpr int kSave = FormControlId(kForm, "按钮1");
constexpr int kExit = FormControlId(kForm, "按钮2");

const MessageBoxRequest kAdministratorNote{settings_texts::kAdministratorNote, "信息：", MB_ICONINFORMATION};
const MessageBoxRequest kSaved{settings_texts::kSaved, "信息：", MB_ICONINFORMATION};

class SettingsWindowTest : public NativeFormTest {
 protected:
  HWND Open() {
    HWND hwnd = OpenSettingsWindow(context_);
    EXPECT_NE(hwnd, nullptr);
    return hwnd;
  }
  void WriteSetup(std::string_view utf8) { run_.WriteFile("setup", Utf8ToGbk(utf8)); }
  std::string Stored(const char* key) const { return SettingsStore(run_.path()).Read(key, "<missing>"); }
  static bool Ticked(HWND hwnd, int id) { return SendDlgItemMessageW(hwnd, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  static LRESULT SelectedSkin(HWND hwnd) { return SendDlgItemMessageW(hwnd, kSkins, CB_GETCURSEL, 0, 0); }
  // Gives the offset field the focus and takes it away again.
  static void LeaveOffset(HWND hwnd) {
    SetFocus(GetDlgItem(hwnd, kOffset));
    SetFocus(GetDlgItem(hwnd, kSave));
  }
  void TypeOffset(HWND hwnd, std::wstring_view typed) {
    SetDlgItemTextW(hwnd, kOffset, L"");
    Type(GetDlgItem(hwnd, kOffset), typed);
  }
};

TEST_F(SettingsWindowTest, ShowsTheStoredSettingsAndTheRegistryChoice) {
  struct Case {
    const char* setup;  // nullptr: no file
    const char* runValue;
    LRESULT skin;
    const char* offset;
    bool remindersOff;
    bool startWithWindows;
  };
  const Case kCases[] = {
      {nullptr, "", 0, "0", false, false},
      {"[set]\r\nskin=星空\r\ntime=-5\r\ntip=true\r\n", "C:\\Tabulo\\Tabulo.exe", 1, "-5", true, true},
      // Anything but "蓝天" is the other skin; an empty offset shows "0";
      // only "true" exactly switches the pop-ups off.
      {"[set]\r\nskin=Blue\r\ntime=\r\ntip=TRUE\r\n", "", 1, "0", false, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.setup ? c.setup : "no setup");
    if (c.setup) WriteSetup(c.setup);
    runKey_->value = c.runValue;
    HWND hwnd = Open();
    EXPECT_EQ(SelectedSkin(hwnd), c.skin);
    EXPECT_EQ(TextOf(hwnd, kOffset), c.offset);
    EXPECT_EQ(Ticked(hwnd, kRemindersOff), c.remindersOff);
    EXPECT_EQ(Ticked(hwnd, kStartWithWindows), c.startWithWindows);
    EXPECT_TRUE(messages_.shown.empty());
    DestroyFormWindows();
  }
}

TEST_F(SettingsWindowTest, SaveWritesEverySettingAppliesStartWithWindowsThenSaysSoAndCloses) {
  HWND hwnd = Open();
  SendDlgItemMessageW(hwnd, kSkins, CB_SETCURSEL, 1, 0);
  TypeOffset(hwnd, L"-12");
  Click(hwnd, kRemindersOff);
  Click(hwnd, kStartWithWindows);
  EXPECT_EQ(runKey_->value, "") << "nothing is stored before saving";
  Click(hwnd, kSave);

  EXPECT_EQ(Stored("skin"), "星空");
  EXPECT_EQ(Stored("time"), "-12");
  EXPECT_EQ(Stored("tip"), "true");
  EXPECT_NE(runKey_->value, "");
  EXPECT_EQ(messages_.shown, (std::vector<MessageBoxRequest>{kAdministratorNote, kSaved}));
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(SettingsWindowTest, AnOffsetLeftEmptyIsSavedAsZero) {
  HWND hwnd = Open();
  TypeOffset(hwnd, L"-");
  LeaveOffset(hwnd);
  EXPECT_EQ(TextOf(hwnd, kOffset), "");
  Click(hwnd, kSave);
  EXPECT_EQ(Stored("time"), "0");
  EXPECT_EQ(Stored("skin"), "蓝天");
  EXPECT_EQ(Stored("tip"), "false");
}

TEST_F(SettingsWindowTest, TheAdministratorNoteComesWithEveryClickAndClosingWritesNothing) {
  struct Case {
    const char* how;
    void (*close)(HWND);
  };
  const Case kCases[] = {
      {"退出", [](HWND hwnd) { Click(hwnd, kExit); }},
      {"close box", [](HWND hwnd) { SendMessageW(hwnd, WM_CLOSE, 0, 0); }},
      {"Esc", [](HWND) { PressKey(VK_ESCAPE); }},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.how);
    messages_.shown.clear();
    HWND hwnd = Open();
    Click(hwnd, kStartWithWindows);
    Click(hwnd, kStartWithWindows);
    EXPECT_EQ(messages_.shown, (std::vector<MessageBoxRequest>{kAdministratorNote, kAdministratorNote}));
    EXPECT_FALSE(Ticked(hwnd, kStartWithWindows)) << "ticked and cleared again";
    TypeOffset(hwnd, L"7");
    c.close(hwnd);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(std::filesystem::exists(run_.path() / "setup"));
    EXPECT_EQ(runKey_->calls, (std::vector<std::string>{"Read"})) << "the registry is only read";
    runKey_->calls.clear();
  }
}

TEST_F(SettingsWindowTest, OffsetFieldRefusesOtherCharactersKeepsThreeAndIsRewrittenWhenLeft) {
  struct Case {
    const wchar_t* typed;
    const char* shown;
    const char* left;
  };
  const Case kCases[] = {
      {L"1a-2", "1-2", "1"},   {L"-", "-", ""},      {L"中5分", "5", "5"},
      {L"12345", "123", "123"}, {L"-0", "-0", ""},   {L"0-9", "0-9", ""},
  };
  HWND hwnd = Open();
  for (const Case& c : kCases) {
    SCOPED_TRACE(Narrow(c.typed));
    TypeOffset(hwnd, c.typed);
    EXPECT_EQ(TextOf(hwnd, kOffset), c.shown);
    LeaveOffset(hwnd);
    EXPECT_EQ(TextOf(hwnd, kOffset), c.left);
  }
}

TEST_F(SettingsWindowTest, ASaveThatCannotBeWrittenSaysSoAndKeepsTheWindowOpen) {
  context_.runDirectory = run_.path() / "missing folder";
  HWND hwnd = OpenSettingsWindow(context_);
  ASSERT_NE(hwnd, nullptr);
  Click(hwnd, kStartWithWindows);
  Click(hwnd, kSave);
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_EQ(messages_.shown.back().text, settings_texts::kNotSaved);
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_EQ(runKey_->value, "") << "the start-with-Windows choice waits for a successful save";
}

}  // namespace
}  // namespace tabulo::app
