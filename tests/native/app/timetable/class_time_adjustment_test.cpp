#include "app/timetable/class_time_adjustment.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/forms/signed_digits_filter.h"
#include "app/timetable/school_week.h"
#include "support/file_bytes.h"
#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class FakeAdjustmentView : public ClassTimeAdjustmentView {
 public:
  std::array<std::string, 49> hours, minutes;  // by cell index; [0] unused
  std::vector<MessageBoxRequest> messages;

  std::string HourText(int i) const override { return hours.at(i); }
  std::string MinuteText(int i) const override { return minutes.at(i); }
  void SetHourText(int i, std::string_view t) override { hours.at(i) = t; }
  void SetMinuteText(int i, std::string_view t) override { minutes.at(i) = t; }
  void Close() override {}
  MessageBoxAnswer ShowMessage(const MessageBoxRequest& r) override {
    messages.push_back(r);
    return MessageBoxAnswer::kOk;
  }
  std::string Time(int day, int period) const {
    return hours.at(CellIndex(day, period)) + ":" + minutes.at(CellIndex(day, period));
  }
};

class ClassTimeAdjustmentTest : public testing::Test {
 protected:
  test::TempDirectory temp;
  TimetableFile file{temp.path()};
  FakeAdjustmentView view;
  ClassTimeAdjustment adjustment{view, file};

  void ExpectResetValues() {
    EXPECT_EQ(view.Time(1, 1), "7:30");
    EXPECT_EQ(view.Time(1, 4), "10:35");
    EXPECT_EQ(view.Time(2, 4), "10:30");
    EXPECT_EQ(view.Time(6, 2), "8:40");
    EXPECT_EQ(view.Time(6, 8), "16:20");
  }
};

TEST(SignedDigitsFilter, RefusesPrintableCharactersOtherThanMinusAndDigits) {
  for (char32_t c : {U'0', U'9', U'-', U'\b', U'\x16' /* Ctrl+V */, U'\r'}) EXPECT_TRUE(AcceptsTypedCharacter(c)) << int(c);
  for (char32_t c : {U'a', U' ', U'+', U'.', U':', U'５', U'－'}) EXPECT_FALSE(AcceptsTypedCharacter(c)) << int(c);
}

TEST_F(ClassTimeAdjustmentTest, SaveInAFreshWindowAsksForEveryField) {
  adjustment.OnSave();
  EXPECT_EQ(view.messages, (std::vector<MessageBoxRequest>{{"请补充完整课程表!", "保存失败", kMbIconInformation}}));
  EXPECT_FALSE(std::filesystem::exists(file.path()));
}

TEST_F(ClassTimeAdjustmentTest, LoadWithoutFileGivesResetValuesThatSaveKeeps) {
  adjustment.OnLoad();
  ExpectResetValues();
  adjustment.OnSave();
  EXPECT_EQ(view.messages, (std::vector<MessageBoxRequest>{{"保存完毕，重启程序后生效!", "提示", kMbIconInformation}}));
  EXPECT_EQ(file.ReadStartHour(1, 4, "?"), "10");
  EXPECT_EQ(file.ReadStartMinute(1, 4, "?"), "35");
  EXPECT_EQ(file.ReadStartMinute(3, 4, "?"), "30");
}

TEST_F(ClassTimeAdjustmentTest, OneMissingKeyReplacesAllFieldsButNotTheFile) {
  std::string content;
  for (const char* day : {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}) {
    content += std::string("[") + day + "]\r\n";
    for (int p = 1; p <= 8; ++p) {
      if (std::string(day) == "Saturday" && p == 8) continue;  // only F8 missing, T8 present
      content += "T" + std::to_string(p) + "=6\r\nF" + std::to_string(p) + "=5\r\n";
    }
    if (std::string(day) == "Saturday") content += "T8=6\r\n";
  }
  WriteBytes(file.path(), content);
  adjustment.OnLoad();
  ExpectResetValues();
  EXPECT_EQ(ReadBytes(file.path()), content);

  WriteBytes(file.path(), content + "F8=5\r\n");
  adjustment.OnLoad();
  EXPECT_EQ(view.Time(1, 1), "6:5") << "a complete file loads as stored";
  EXPECT_EQ(view.Time(6, 8), "6:5");
}

TEST_F(ClassTimeAdjustmentTest, SaveChecksHoursAndMinutes) {
  struct Case {
    const char *hour, *minute;
    bool valid;
  };
  const Case kCases[] = {{"24", "0", false}, {"24", "99", false}, {"23", "59", true}, {"23", "60", false},
                         {"7", "5", true},   {"-1", "-5", true},  {"ab", "0", true}, {"99", "0", false}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.hour << ":" << c.minute);
    view.messages.clear();
    adjustment.OnResetValues();
    view.SetHourText(CellIndex(3, 5), c.hour);
    view.SetMinuteText(CellIndex(3, 5), c.minute);
    adjustment.OnSave();
    ASSERT_EQ(view.messages.size(), 1u);
    if (c.valid) {
      EXPECT_EQ(view.messages[0].text, "保存完毕，重启程序后生效!");
      EXPECT_EQ(file.ReadStartHour(3, 5, "?"), c.hour) << "stored exactly as typed";
      EXPECT_EQ(file.ReadStartMinute(3, 5, "?"), c.minute);
    } else {
      EXPECT_EQ(view.messages[0], (MessageBoxRequest{"请正确填写课程表!", "保存失败", kMbIconInformation}));
      EXPECT_NE(file.ReadStartHour(3, 5, "?") + ":" + file.ReadStartMinute(3, 5, "?"),
                std::string(c.hour) + ":" + c.minute)
          << "nothing written";
    }
  }
}

TEST_F(ClassTimeAdjustmentTest, SaveThatCannotBeWrittenSaysSo) {
  TimetableFile unwritable{temp.path() / "no such folder"};
  ClassTimeAdjustment stuck{view, unwritable};
  stuck.OnResetValues();
  stuck.OnSave();
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].text, "课程表文件无法写入，本次修改没有保存，原有课程表保持不变!");
}

}  // namespace
}  // namespace tabulo::app
