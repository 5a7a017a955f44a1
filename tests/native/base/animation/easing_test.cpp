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

struct Recorded {
  std::vector<int> waits;
  std::vector<AnimationFrame> frames;
};

int RunRecorded(const AnimationPlan& plan, Recorded& rec, int stop_at = 0) {
  return RunAnimationFrames(
      plan, [&](int ms) { rec.waits.push_back(ms); },
      [&](const AnimationFrame& f) {
        rec.frames.push_back(f);
        return f.index == stop_at;
      });
}

TEST(AnimationFrames, WaitsAnIntervalBeforeEachFrame) {
  Recorded rec;
  EXPECT_EQ(RunRecorded({1, 100, 30, 0, 0.5}, rec), 3);  // 100 / 30 frames; the last 10 ms are never run
  EXPECT_EQ(rec.waits, (std::vector<int>{30, 30, 30}));
  ASSERT_EQ(rec.frames.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(rec.frames[i].index, i + 1);
    EXPECT_EQ(rec.frames[i].count, 3);
    EXPECT_NEAR(rec.frames[i].t, 0.3 * (i + 1), 1e-12);
    EXPECT_NEAR(rec.frames[i].value, 0.15 * (i + 1), 1e-12);
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
    Recorded rec;
    EXPECT_EQ(RunRecorded(c.plan, rec, c.stop_at), c.expected_frames);
    EXPECT_EQ(static_cast<int>(rec.frames.size()), c.expected_frames);
    EXPECT_EQ(rec.waits.size(), rec.frames.size());
  }
}

}  // namespace
}  // namespace tabulo
