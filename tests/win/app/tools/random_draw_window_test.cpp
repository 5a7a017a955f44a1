#include "app/tools/random_draw_window.h"

#include <set>

#include "base/ini/profile_store.h"
#include "win/app/tools/classroom_tool_fixture.h"

namespace tabulo::app {
namespace {

using namespace testing;

// The results list's numbers, in order.
std::vector<int> Numbers(std::string text) {
  std::vector<int> numbers;
  const std::string comma = "，";
  std::size_t from = 0;
  while (from <= text.size() && !text.empty()) {
    const std::size_t at = text.find(comma, from);
    numbers.push_back(std::stoi(text.substr(from, at - from)));
    if (at == std::string::npos) break;
    from = at + comma.size();
  }
  return numbers;
}

class RandomDrawWindowTest : public ClassroomToolTest {
 protected:
  void SetUp() override {
    ClassroomToolTest::SetUp();
    context_.random = &random_;
    window_ = std::make_unique<RandomDrawWindow>(context_);
    ASSERT_TRUE(window_->Build());
    window_->Show();
  }
  void TearDown() override {
    window_->Destroy();
    ClassroomToolTest::TearDown();
  }
  void SetRange(const char* from, const char* to) {
    window_->RangeStart().SetText(from);
    window_->RangeEnd().SetText(to);
  }
  // Start, let the animation run a little, stop.
  void Draw() {
    ClickControl(window_->StartButton());
    PumpUntil([] { return false; }, 60);
    ClickControl(window_->StartButton());
  }

  Random random_;
  std::unique_ptr<RandomDrawWindow> window_;
};

TEST_F(RandomDrawWindowTest, OpensWithTheDefaultRangeAndTheBigNumberOutlineOnly) {
  EXPECT_EQ(window_->RangeStart().GetText(), "1");
  EXPECT_EQ(window_->RangeEnd().GetText(), "99");
  EXPECT_EQ(window_->BigNumber().Text(), "Rn");
  EXPECT_EQ(window_->BigNumber().TextColour(), 0x00544A43u) << "alpha 0: only the outline shows";
  EXPECT_EQ(window_->BigNumber().Effect(), ui::TextEffect::kOutline);
  EXPECT_TRUE(window_->ModeBox().Ticked());
  EXPECT_EQ(window_->StartButton().Text(), "开始!");
  EXPECT_EQ(window_->StartButton().TooltipText(), "修改随机抽号的范围后请点击初始化处理!");
  EXPECT_TRUE(window_->Results().GetText().empty());
}

TEST_F(RandomDrawWindowTest, DrawsWithoutRepetitionUntilAllAreTakenAndResetFreesTheButton) {
  SetRange("1", "3");
  for (int i = 0; i < 3; ++i) Draw();
  const std::vector<int> drawn = Numbers(window_->Results().GetText());
  EXPECT_EQ(std::set<int>(drawn.begin(), drawn.end()), (std::set<int>{1, 2, 3}));
  EXPECT_EQ(window_->BigNumber().Text(), std::to_string(drawn.back()));
  EXPECT_EQ(ProfileStore(folder_.path() / "set").Read("set", "Max", ""), "3");

  ClickControl(window_->StartButton());
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "已抽取当前所有号码，请清空后再处理!");
  EXPECT_TRUE(window_->StartButton().Disabled());
  EXPECT_TRUE(window_->ModeBox().Disabled());

  ClickControl(window_->ResetButton());
  EXPECT_EQ(messages_.shown.back().text, "初始化完成!");
  EXPECT_FALSE(window_->StartButton().Disabled());
  EXPECT_TRUE(window_->Results().GetText().empty());
  EXPECT_EQ(window_->BigNumber().Text(), "Rn");
}

TEST_F(RandomDrawWindowTest, WithRepetitionAStopRecordsTheNumberShown) {
  ClickControl(window_->ModeBox());
  ASSERT_FALSE(window_->ModeBox().Ticked());
  SetRange("10", "20");
  Draw();
  Draw();
  const std::vector<int> drawn = Numbers(window_->Results().GetText());
  ASSERT_EQ(drawn.size(), 2u);
  for (int n : drawn) {
    EXPECT_GE(n, 10);
    EXPECT_LE(n, 20);
  }
  EXPECT_EQ(window_->BigNumber().Text(), std::to_string(drawn.back()));
}

TEST_F(RandomDrawWindowTest, RefusesRangesOfTwoOrFewerNumbers) {
  struct Case {
    const char* from;
    const char* to;
    const char* message;
  };
  const Case kCases[] = {{"5", "6", "请不要这么无聊好吗!"}, {"6", "5", "请输入有效范围!"}, {"5", "5", "请输入有效范围!"}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.from + std::string("~") + c.to);
    messages_.shown.clear();
    SetRange(c.from, c.to);
    ClickControl(window_->StartButton());
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, c.message);
    EXPECT_EQ(messages_.shown[0].caption, "什么鬼");
    EXPECT_EQ(window_->StartButton().Text(), "开始!");
  }
}

}  // namespace
}  // namespace tabulo::app
