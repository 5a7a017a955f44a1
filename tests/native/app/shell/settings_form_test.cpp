#include "app/shell/settings_form.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/text/gbk.h"
#include "support/file_bytes.h"
#include "support/temp_directory.h"
#include "support/fake_run_key_value.h"

namespace tabulo::app {
namespace {

using test::WriteBytes;

class FakeSettingsView : public SettingsFormView {
 public:
  std::optional<SkinChoice> skin;
  std::string offset = "0";
  bool remindersOff = false, startWithWindows = false, closed = false;
  std::vector<MessageBoxRequest> messages;

  void SelectSkin(SkinChoice s) override { skin = s; }
  std::optional<SkinChoice> SelectedSkin() const override { return skin; }
  std::string OffsetText() const override { return offset; }
  void SetOffsetText(std::string_view t) override { offset = t; }
  void SetRemindersOff(bool t) override { remindersOff = t; }
  bool RemindersOff() const override { return remindersOff; }
  void SetStartWithWindows(bool t) override { startWithWindows = t; }
  bool StartWithWindows() const override { return startWithWindows; }
  void Close() override { closed = true; }
  MessageBoxAnswer ShowMessage(const MessageBoxRequest& r) override {
    messages.push_back(r);
    return MessageBoxAnswer::kOk;
  }
};

class SettingsFormTest : public testing::Test {
 protected:
  void WriteSetup(const std::string& utf8) { WriteBytes(temp.path() / "setup", Utf8ToGbk(utf8)); }
  std::string Stored(const char* key) const { return store.Read(key, "<missing>"); }

  test::TempDirectory temp;
  SettingsStore store{temp.path()};
  test::FakeRunKeyValue runKey;
  FakeSettingsView view;
  SettingsForm form{view, store, runKey};
};

TEST(SettingsOffsetField, NormalisedOnFocusLoss) {
  struct Case {
    const char *typed, *shown;
  };
  const Case kCases[] = {{"-", ""},     {"1-2", "1"},   {"0", ""},        {"-0", ""},
                         {"-5", "-5"},  {"007", "7"},   {"", ""},         {"x5", ""},
                         {"--5", ""},   {"99999999999", "2147483647"}, {"-99999999999", "-2147483648"}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(NormalisedOffset(c.typed), c.shown);
  }
}

TEST_F(SettingsFormTest, OpensWithTheStoredValues) {
  struct Case {
    const char* setup;  // nullptr: no file
    const char* runValue;
    SkinChoice skin;
    const char* offset;
    bool remindersOff, startWithWindows;
  };
  const Case kCases[] = {
      {nullptr, "", SkinChoice::kLight, "0", false, false},
      {nullptr, "D:\\other\\Tabulo.exe", SkinChoice::kLight, "0", false, true},
      {"[set]\r\nskin=星空\r\ntime=-5\r\ntip=true\r\n", "", SkinChoice::kDark, "-5", true, false},
      {"[set]\r\ntime=\r\ntip=TRUE\r\nskin=蓝天空\r\n", "", SkinChoice::kDark, "0", false, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.setup ? c.setup : "no setup file");
    std::filesystem::remove(temp.path() / "setup");
    if (c.setup) WriteSetup(c.setup);
    runKey.value = c.runValue;
    form.Open();
    EXPECT_EQ(view.skin, c.skin);
    EXPECT_EQ(view.offset, c.offset);
    EXPECT_EQ(view.remindersOff, c.remindersOff);
    EXPECT_EQ(view.startWithWindows, c.startWithWindows);
  }
}

TEST_F(SettingsFormTest, EveryClickOnStartWithWindowsShowsTheAdministratorNote) {
  form.OnStartWithWindowsClicked();
  form.OnStartWithWindowsClicked();
  const MessageBoxRequest note{"在修改该选项时请确保您以管理员的身份运行Tabulo，否则将修改不成功。", "信息：",
                               kMbIconInformation};
  EXPECT_EQ(view.messages, (std::vector<MessageBoxRequest>{note, note}));
  EXPECT_TRUE(runKey.calls.empty()) << "nothing is stored before saving";
}

TEST_F(SettingsFormTest, SaveWritesEverythingThenConfirmsAndCloses) {
  form.Open();
  view.skin.reset();  // nothing selected counts as 星空
  view.offset = "-";
  form.OnOffsetFocusLost();
  EXPECT_EQ(view.offset, "");
  view.remindersOff = true;
  view.startWithWindows = true;
  runKey.calls.clear();
  form.OnSave();
  EXPECT_EQ(Stored("skin"), "星空");
  EXPECT_EQ(Stored("time"), "0");
  EXPECT_EQ(view.offset, "0");
  EXPECT_EQ(Stored("tip"), "true");
  EXPECT_EQ(runKey.calls, (std::vector<std::string>{"Read", "Enable"}));
  EXPECT_EQ(view.messages, (std::vector<MessageBoxRequest>{{"保存成功，所有设置将在下次启动生效!", "信息：", kMbIconInformation}}));
  EXPECT_TRUE(view.closed);
}

TEST_F(SettingsFormTest, SaveKeepsTheRegistryWhenItAlreadyAgrees) {
  for (const char* existing : {"", "D:\\other\\Tabulo.exe"}) {
    SCOPED_TRACE(existing);
    runKey.value = existing;
    form.Open();
    runKey.calls.clear();
    form.OnSave();
    EXPECT_EQ(runKey.calls, (std::vector<std::string>{"Read"}));
    EXPECT_EQ(runKey.value, existing);
    EXPECT_EQ(Stored("skin"), "蓝天");
    EXPECT_EQ(Stored("tip"), "false");
  }
}

TEST_F(SettingsFormTest, SaveThatCannotBeWrittenSaysSoAndStaysOpen) {
  SettingsStore unwritable{temp.path() / "no such folder"};
  SettingsForm stuck{view, unwritable, runKey};
  view.skin = SkinChoice::kLight;
  view.startWithWindows = true;
  stuck.OnSave();
  EXPECT_EQ(view.messages, (std::vector<MessageBoxRequest>{{"设置文件无法写入，本次设置没有保存，原有设置保持不变!", "信息：",
                                                           kMbIconExclamation}}));
  EXPECT_FALSE(view.closed);
  EXPECT_TRUE(runKey.calls.empty());
}

TEST_F(SettingsFormTest, ExitWritesNothing) {
  form.Open();
  view.offset = "7";
  form.OnExit();
  EXPECT_TRUE(view.closed);
  EXPECT_FALSE(std::filesystem::exists(temp.path() / "setup"));
}

}  // namespace
}  // namespace tabulo::app
