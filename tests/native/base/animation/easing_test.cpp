#include "base/animation/easing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tabulo {
namespace {

double Ease(int curve, double from, double to, double t) {
  const std::optional<double> v = Easing(curve, from, to, t);
  EXPECT_TRUE(v.has_value()) << "curve " << curve;
  return v.value_or(NAN);
}

TEST(Easing, KnownValuesOfEveryFamily) {
  struct Case {
    int curve;
    double t;
    double expected;  // from 0 to 1
  };
  const Case kCases[] = {
      {1, 0.3, 0.3},
      {3, 0.25, 0.66333670901566},  {3, 0.5, 1.0510158018655051},  // spring overshoots
      {5, 0.5, 0.25},     {6, 0.5, 0.75},      {7, 0.25, 0.125},     {7, 0.75, 0.875},
      {8, 0.5, 0.125},    {9, 0.5, 0.875},     {10, 0.25, 0.0625},
      {11, 0.5, 0.0625},  {12, 0.5, 0.9375},   {13, 0.75, 0.96875},
      {14, 0.5, 0.03125}, {15, 0.5, 0.96875},  {16, 0.25, 0.015625},
      {17, 0.5, 1 - std::sqrt(0.5)}, {18, 0.5, std::sqrt(0.5)}, {19, 0.25, (1 - std::sqrt(0.5)) / 2},
      {20, 0.5, 0.03125}, {21, 0.5, 0.96875},  {22, 0.25, 0.015625},  {22, 0.75, 0.984375},
      {23, 0.6, 0.2},     {24, 0.4, 0.8},      {25, 0.25, 0.0669872981077807},
      {26, 0.5, 0.234375}, {27, 0.2, 0.3025},  {27, 0.5, 0.765625},  {28, 0.25, 0.1171875},
      {29, 0.5, -0.0876975}, {30, 0.5, 1.0876975}, {31, 0.25, -0.09968184375},
      {32, 0.5, -0.015625}, {33, 0.5, 1.015625}, {34, 0.25, -0.0078125}, {34, 0.5, 0.5},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "curve " << c.curve << " t " << c.t);
    EXPECT_NEAR(Ease(c.curve, 0, 1, c.t), c.expected, 1e-9);
    // Scaled between other end points the same way.
    EXPECT_NEAR(Ease(c.curve, 10, 30, c.t), 10 + 20 * c.expected, 1e-8);
  }
}

TEST(Easing, StartsAtFromAndEndsAtTo) {
  for (int curve = 1; curve <= kEasingCurveCount; ++curve) {
    if (curve == 4) continue;  // punch rests at 0 at both ends
    SCOPED_TRACE(curve);
    EXPECT_NEAR(Ease(curve, 3, 7, 0), 3, 1e-9);
    EXPECT_NEAR(Ease(curve, 3, 7, 1), 7, 1e-9);
  }
}

TEST(Easing, ClampsTimeIntoTheUnitRange) {
  EXPECT_EQ(Ease(5, 0, 1, -0.5), 0);
  EXPECT_EQ(Ease(5, 0, 1, 1.5), 1);
  // Just past the ends: the circular curves must not take a negative root.
  for (int curve : {23, 24, 25}) {
    SCOPED_TRACE(curve);
    EXPECT_NEAR(Ease(curve, 0, 1, 1 + 5e-8), 1, 1e-9);
    EXPECT_NEAR(Ease(curve, 0, 1, -5e-8), 0, 1e-9);
  }
  EXPECT_EQ(Ease(1, 0, 1, NAN), 0);
}

TEST(Easing, AngleCurveGoesTheShortWayRound) {
  struct Case {
    double from, to, t, expected;
  };
  const Case kCases[] = {
      {350, 10, 0.5, 360}, {350, 10, 1, 370},  // up through 360
      {10, 350, 0.5, 0},   {10, 350, 1, -10},  // down through 0
      {0, 90, 0.5, 45},    {0, 180, 0.5, 90},  {180, 0, 0.5, 90},  // within half a turn: linear
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to << " at " << c.t);
    EXPECT_NEAR(Ease(2, c.from, c.to, c.t), c.expected, 1e-9);
  }
}

TEST(Easing, PunchSwingsAroundZeroWithAmplitudeTo) {
  EXPECT_EQ(Ease(4, 5, 2, 0), 0);
  EXPECT_EQ(Ease(4, 5, 2, 1), 0);
  EXPECT_NEAR(Ease(4, 5, 2, 0.1), 0.8660254037844385, 1e-9);
  EXPECT_NEAR(Ease(4, -100, 2, 0.1), 0.8660254037844385, 1e-9);  // the start value plays no part
}

TEST(Easing, UnknownCurveHasNoValue) {
  for (int curve : {0, -1, 35, 1000}) EXPECT_FALSE(Easing(curve, 0, 1, 0.5).has_value()) << curve;
}

// A clock that moves only when the loop waits (by the wait asked for plus
// how late the wait wakes) or when a frame is drawn (by its drawing time).
struct FakeClock {
  long long now = 0;
  long long drawUs = 0;               // time each step takes
  std::vector<long long> lateUs;      // how late each wait wakes, in order; then on time
  std::vector<long long> waits;
  std::vector<AnimationFrame> frames;
  std::vector<long long> drawnAt;

  int Run(const AnimationPlan& plan, int stop_at = 0) {
    const AnimationClock clock{[this] { return now; },
                               [this](long long us) {
                                 now += us + (waits.size() < lateUs.size() ? lateUs[waits.size()] : 0);
                                 waits.push_back(us);
                               }};
    return RunAnimationFrames(plan, clock, [&](const AnimationFrame& f) {
      frames.push_back(f);
      drawnAt.push_back(now);
      now += drawUs;
      return f.index == stop_at;
    });
  }
  std::vector<int> Indices() const {
    std::vector<int> indices;
    for (const AnimationFrame& f : frames) indices.push_back(f.index);
    return indices;
  }
};

TEST(AnimationFrames, GivesEachFrameItsTimeValueAndCount) {
  FakeClock clock;
  EXPECT_EQ(clock.Run({1, 100, 30, 0, 0.5}), 3);  // 100 / 30 frames; the last 10 ms are never run
  EXPECT_EQ(clock.waits, (std::vector<long long>{30000, 30000, 30000}));
  ASSERT_EQ(clock.frames.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(clock.frames[i].index, i + 1);
    EXPECT_EQ(clock.frames[i].count, 3);
    EXPECT_NEAR(clock.frames[i].t, 0.3 * (i + 1), 1e-12);
    EXPECT_NEAR(clock.frames[i].value, 0.15 * (i + 1), 1e-12);
  }
}

// Frames keep to their due times from the start however long drawing takes
// or a wait oversleeps: the overdue ones are skipped, the last one never.
TEST(AnimationFrames, KeepsToTheScheduleFromTheStart) {
  struct Case {
    const char* why;
    AnimationPlan plan;
    long long drawUs;
    std::vector<long long> lateUs;
    std::vector<int> frames;
    std::vector<long long> drawnAt;  // of the first frames
  };
  const AnimationPlan fade{1, 200, 15, 0, 255};  // 13 frames, as a window's fade
  const Case kCases[] = {
      {"drawing takes no time", fade, 0, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, {15000, 30000, 45000}},
      {"drawing takes part of an interval: the wait is shortened",
       fade, 10000, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, {15000, 30000, 45000}},
      {"drawing takes longer than two intervals: overdue frames are skipped",
       fade, 40000, {}, {1, 3, 6, 9, 11, 13}, {15000, 55000, 95000}},
      {"one wait wakes late", fade, 0, {0, 50000}, {1, 5, 6, 7, 8, 9, 10, 11, 12, 13}, {15000, 80000, 90000}},
      {"a frame reaching 1.0 is not skipped and ends the loop",
       {1, 100, 10, 0, 2}, 35000, {}, {1, 4, 5}, {10000, 45000, 80000}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.why);
    FakeClock clock;
    clock.drawUs = c.drawUs;
    clock.lateUs = c.lateUs;
    EXPECT_EQ(clock.Run(c.plan), c.frames.back());
    EXPECT_EQ(clock.Indices(), c.frames);
    for (std::size_t i = 0; i < c.drawnAt.size() && i < clock.drawnAt.size(); ++i) {
      EXPECT_EQ(clock.drawnAt[i], c.drawnAt[i]) << "frame " << clock.frames[i].index;
    }
  }
}

TEST(AnimationFrames, EndsEarly) {
  struct Case {
    const char* why;
    AnimationPlan plan;
    int stop_at;
    int expected_frames;
  };
  const Case kCases[] = {
      {"duration shorter than the interval", {1, 20, 25, 0, 1}, 0, 0},
      {"no interval", {1, 100, 0, 0, 1}, 0, 0},
      {"value reaches exactly 1.0 halfway", {1, 100, 25, 0, 2}, 0, 2},
      {"stop flag set by the callback", {1, 100, 25, 0, 1}, 1, 1},
      {"unknown curve counts as 1.0", {99, 100, 25, 0, 5}, 0, 1},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.why);
    FakeClock clock;
    EXPECT_EQ(clock.Run(c.plan, c.stop_at), c.expected_frames);
    EXPECT_EQ(static_cast<int>(clock.frames.size()), c.expected_frames);
    EXPECT_EQ(clock.waits.size(), clock.frames.size());
  }
}

}  // namespace
}  // namespace tabulo
