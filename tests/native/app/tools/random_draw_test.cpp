#include "app/tools/random_draw.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "support/file_bytes.h"
#include "support/temp_directory.h"

namespace tabulo::app {
namespace {

class FakeClock : public DrawClock {
 public:
  std::int64_t now = 1000;
  std::int64_t NowMs() override { return now; }
};

// Holds what the draw window's controls show. Its message pump advances the
// clock by one animation period and delivers the running timer's tick, as
// the real message loop would while the start waits.
class FakeDrawView : public RandomDrawView {
 public:
  explicit FakeDrawView(FakeClock& clock) : clock_(clock) {}
  RandomDraw* draw = nullptr;
  std::string bigNumber, startText, results, rangeStart, rangeEnd;
  bool startEnabled = true, modeBoxEnabled = true;
  int periods[2] = {0, 0};
  bool ticksWhilePumping = true;
  int pumpsUntilClosed = -1;  // the window is destroyed after this many pumps
  std::int64_t startEnabledAt = -1;
  std::vector<MessageBoxRequest> messages;
  std::vector<TextPromptRequest> prompts;
  std::optional<std::string> typed;

  void SetBigNumber(std::string_view t) override { bigNumber = t; }
  void SetStartButtonText(std::string_view t) override { startText = t; }
  void EnableStartButton(bool e) override {
    startEnabled = e;
    if (e) startEnabledAt = clock_.now;
  }
  void EnableModeBox(bool e) override { modeBoxEnabled = e; }
  void SetResults(std::string_view t) override { results = t; }
  std::string RangeStartText() const override { return rangeStart; }
  std::string RangeEndText() const override { return rangeEnd; }
  void SetRangeTexts(std::string_view s, std::string_view e) override { rangeStart = s, rangeEnd = e; }
  void SetTimerPeriod(DrawTimer t, int ms) override { periods[int(t)] = ms; }
  bool DispatchForAMoment() override {
    if (pumpsUntilClosed == 0) return false;
    if (pumpsUntilClosed > 0) --pumpsUntilClosed;
    clock_.now += kDrawAnimationMs;
    if (ticksWhilePumping) {
      for (DrawTimer t : {DrawTimer::kWithRepetition, DrawTimer::kWithoutRepetition}) {
        if (periods[int(t)] != 0) draw->OnTimer(t);
      }
    }
    return true;
  }
  MessageBoxAnswer ShowMessage(const MessageBoxRequest& r) override {
    messages.push_back(r);
    return MessageBoxAnswer::kOk;
  }
  std::optional<std::string> AskText(const TextPromptRequest& r) override {
    prompts.push_back(r);
    return typed;
  }

 private:
  FakeClock& clock_;
};

TEST(DrawPool, PositionsSkipRemovedNumbers) {
  DrawPool pool(5, 6);  // 5..10
  pool.Remove(7);
  pool.Remove(5);
  pool.Remove(7);   // already gone
  pool.Remove(11);  // outside the range
  std::vector<std::int64_t> left;
  for (std::int64_t i = 1; i <= pool.size(); ++i) left.push_back(pool.At(i));
  EXPECT_EQ(left, (std::vector<std::int64_t>{6, 8, 9, 10}));
}

class RandomDrawTest : public testing::Test {
 protected:
  RandomDrawTest() { view.draw = &draw; }

  void OpenWith(const char* setFile) {
    if (setFile) test::WriteBytes(temp.path() / "set", setFile);
    draw.Open();
  }
  // One start and stop; returns the number the stop recorded ("" if none).
  std::string DrawOnce() {
    const std::string before = view.results;
    draw.OnStartStop();
    draw.OnStartStop();
    return view.results == before ? "" : LastRecorded();
  }
  std::string LastRecorded() const {
    const std::size_t cut = view.results.rfind("，");
    return cut == std::string::npos ? view.results : view.results.substr(cut + std::string("，").size());
  }
  void SetRange(const char* a, const char* b) { view.rangeStart = a, view.rangeEnd = b; }
  std::set<std::string> Recorded() const {
    std::set<std::string> out;
    std::string rest = view.results;
    for (std::size_t cut; (cut = rest.find("，")) != std::string::npos; rest.erase(0, cut + std::string("，").size())) {
      out.insert(rest.substr(0, cut));
    }
    if (!rest.empty()) out.insert(rest);
    return out;
  }

  test::TempDirectory temp;
  ProfileStore settings{temp.path() / "set"};
  Random random;
  FakeClock clock;
  FakeDrawView view{clock};
  RandomDraw draw{view, settings, random, clock};
};

TEST_F(RandomDrawTest, FreshInstallOpensIdleWithOneTo99) {
  OpenWith(nullptr);
  EXPECT_EQ(view.rangeStart, "1");
  EXPECT_EQ(view.rangeEnd, "99");
  EXPECT_EQ(view.bigNumber, "Rn");
  EXPECT_EQ(view.startText, "开始!");
  EXPECT_TRUE(view.startEnabled);
  EXPECT_TRUE(view.modeBoxEnabled);
  EXPECT_EQ(draw.excludedNumber(), 0);
}

TEST_F(RandomDrawTest, InvalidRangesAreRefusedAndNothingStarts) {
  struct Case {
    const char *a, *b, *message;
  };
  const Case kCases[] = {
      {"5", "6", "请不要这么无聊好吗!"}, {"6", "5", "请输入有效范围!"}, {"5", "5", "请输入有效范围!"}, {"", "", "请输入有效范围!"},
      {"", "1", "请不要这么无聊好吗!"},  // an empty field counts as 0
  };
  OpenWith(nullptr);
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.a << "~" << c.b);
    view.messages.clear();
    SetRange(c.a, c.b);
    draw.OnStartStop();
    EXPECT_EQ(view.messages, (std::vector<MessageBoxRequest>{{c.message, "什么鬼", kMbIconInformation}}));
    EXPECT_FALSE(draw.drawRunning());
    EXPECT_EQ(view.periods[0] + view.periods[1], 0);
    EXPECT_TRUE(view.startEnabled);
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "set")) << "a refused start writes nothing";
  }
}

TEST_F(RandomDrawTest, StartWritesTheRangeAndGuardsAgainstADoubleClick) {
  OpenWith(nullptr);
  SetRange("03", "40");
  const std::int64_t startedAt = clock.now;
  const std::string before = view.bigNumber;
  draw.OnStartStop();
  EXPECT_TRUE(draw.drawRunning());
  EXPECT_EQ(view.startText, "停止!");
  EXPECT_EQ(view.periods[int(DrawTimer::kWithoutRepetition)], 20);
  EXPECT_FALSE(view.modeBoxEnabled);
  EXPECT_GE(view.startEnabledAt - startedAt, 399) << "the button comes back only after the guard";
  EXPECT_NE(view.bigNumber, before) << "the animation ran during the guard";
  EXPECT_EQ(settings.Read("set", "Min", "?"), "03");
  EXPECT_EQ(settings.Read("set", "Max", "?"), "40");
}

TEST_F(RandomDrawTest, WindowClosedDuringTheGuardIsLeftAlone) {
  OpenWith(nullptr);
  view.pumpsUntilClosed = 3;
  view.startEnabledAt = -1;
  draw.OnStartStop();
  EXPECT_EQ(view.startEnabledAt, -1);
}

TEST_F(RandomDrawTest, WithoutRepetitionEveryNumberOnceThenExhausted) {
  OpenWith("[set]\r\nMin=1\r\nMax=3\r\n");
  for (int i = 0; i < 3; ++i) {
    EXPECT_NE(DrawOnce(), "");
    EXPECT_EQ(view.startText, "开始!");
    EXPECT_TRUE(view.modeBoxEnabled);
  }
  EXPECT_EQ(Recorded(), (std::set<std::string>{"1", "2", "3"}));
  EXPECT_EQ(view.results.size(), 3 + 2 * std::string("，").size());

  draw.OnStartStop();
  EXPECT_EQ(view.messages.back(), (MessageBoxRequest{"已抽取当前所有号码，请清空后再处理!", "随机抽号", kMbIconExclamation}));
  EXPECT_EQ(view.startText, "开始!");
  EXPECT_FALSE(view.startEnabled);
  EXPECT_FALSE(view.modeBoxEnabled);
  EXPECT_EQ(view.periods[0] + view.periods[1], 0);

  draw.OnReset();
  EXPECT_EQ(view.messages.back(), (MessageBoxRequest{"初始化完成!", "随机抽号", kMbOk}));
  EXPECT_TRUE(view.startEnabled);
  EXPECT_TRUE(view.modeBoxEnabled);
  EXPECT_EQ(view.results, "");
  EXPECT_EQ(view.bigNumber, "Rn");
  EXPECT_NE(DrawOnce(), "") << "a reset pool draws again";
}

TEST_F(RandomDrawTest, ChangedRangeWithoutResetKeepsThePool) {
  OpenWith("[set]\r\nMin=1\r\nMax=3\r\n");
  DrawOnce();
  SetRange("10", "20");
  const std::string second = DrawOnce();
  EXPECT_TRUE(second == "1" || second == "2" || second == "3") << second;
  EXPECT_EQ(settings.Read("set", "Min", "?"), "10");
  EXPECT_EQ(draw.pool().size(), 1);
}

TEST_F(RandomDrawTest, ModeChangeEmptiesListAndPoolSilently) {
  OpenWith("[set]\r\nMin=1\r\nMax=3\r\n");
  DrawOnce();
  draw.OnModeChanged(false);
  EXPECT_EQ(view.results, "");
  EXPECT_EQ(view.bigNumber, "Rn");
  EXPECT_TRUE(draw.pool().empty());
  EXPECT_TRUE(view.messages.empty());
  for (int i = 0; i < 10; ++i) EXPECT_NE(DrawOnce(), "") << "with repetition the draws never run out";
}

TEST_F(RandomDrawTest, ExcludedNumberIsNeverRecorded) {
  for (bool noRepeat : {false, true}) {
    SCOPED_TRACE(noRepeat ? "without repetition" : "with repetition");
    view.results.clear();
    OpenWith("[set]\r\nMin=1\r\nMax=50\r\nExcept=48\r\n");
    draw.OnModeChanged(noRepeat);
    int landedOnExcluded = 0;
    for (int i = 0; i < 49; ++i) {
      draw.OnStartStop();
      // Stop on 48 whenever the animation shows it within a while.
      const DrawTimer timer = noRepeat ? DrawTimer::kWithoutRepetition : DrawTimer::kWithRepetition;
      for (int t = 0; t < 300 && view.bigNumber != "48"; ++t) draw.OnTimer(timer);
      landedOnExcluded += view.bigNumber == "48";
      draw.OnStartStop();
      EXPECT_FALSE(draw.drawRunning());
      EXPECT_EQ(view.bigNumber, LastRecorded()) << "the big number ends on the recorded value";
    }
    EXPECT_GT(landedOnExcluded, 0) << "the case under test must occur";
    EXPECT_EQ(Recorded().count("48"), 0u);
    if (noRepeat) {
      EXPECT_EQ(Recorded().size(), 49u);
      draw.OnStartStop();
      if (draw.drawRunning()) draw.OnStartStop();  // 48 left in the pool: the stop finds nothing drawable
      EXPECT_EQ(view.messages.back().text, "已抽取当前所有号码，请清空后再处理!");
      EXPECT_EQ(Recorded().count("48"), 0u);
    }
  }
}

TEST_F(RandomDrawTest, QueuedTickAfterTheStopKeepsTheRecordedNumber) {
  OpenWith(nullptr);
  const std::string number = DrawOnce();
  draw.OnTimer(DrawTimer::kWithoutRepetition);
  EXPECT_EQ(view.bigNumber, number);
}

TEST_F(RandomDrawTest, StopBeforeAnyTickStillDrawsFromThePool) {
  OpenWith("[set]\r\nMin=1\r\nMax=3\r\n");
  draw.OnStartStop();
  while (view.bigNumber != "3") draw.OnTimer(DrawTimer::kWithoutRepetition);
  draw.OnStartStop();  // takes 3, the last position of the pool
  view.ticksWhilePumping = false;
  DrawOnce();
  DrawOnce();
  EXPECT_EQ(Recorded(), (std::set<std::string>{"1", "2", "3"}));
}

TEST_F(RandomDrawTest, WholeIntegerRangeFromTheFileNeedsNoHugePool) {
  OpenWith("[set]\r\nMin=-2147483648\r\nMax=2147483647\r\n");
  EXPECT_EQ(view.rangeStart, "-2147483648");
  EXPECT_NE(DrawOnce(), "");
  EXPECT_EQ(draw.pool().size(), 4294967295);
}

TEST_F(RandomDrawTest, ExclusionPromptSetsKeepsAndClears) {
  OpenWith("[set]\r\nExcept=7\r\n");
  ASSERT_EQ(draw.excludedNumber(), 7);
  view.typed = "48";
  draw.OnExclusionPrompt();
  EXPECT_EQ(view.prompts.at(0),
            (TextPromptRequest{"请输入：", "请输入单个需要剔除的学号，如1号请输入1 48号请输入48", "7"}));
  EXPECT_EQ(draw.excludedNumber(), 48);
  EXPECT_EQ(settings.Read("set", "Except", "?"), "48");

  view.typed.reset();  // cancelled
  draw.OnExclusionPrompt();
  EXPECT_EQ(view.prompts.at(1).initialText, "48");
  EXPECT_EQ(draw.excludedNumber(), 48);
  EXPECT_EQ(settings.Read("set", "Except", "?"), "48");

  view.typed = "";
  draw.OnExclusionPrompt();
  EXPECT_EQ(draw.excludedNumber(), 0);
  EXPECT_EQ(settings.Read("set", "Except", "?"), "");
}

}  // namespace
}  // namespace tabulo::app
