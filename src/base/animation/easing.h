#pragma once
// Easing curves and the frame arithmetic of engine animations.
//
// Curves are numbered 1 to 34 the way animation descriptors and transitions
// name them: 1 linear, 2 shortest way round a circle of 360 degrees, 3 spring,
// 4 punch, then Penner's equations in groups of three (in, out, in-out) for
// quadratic, cubic, quartic, quintic, sine, exponential, circular, bounce,
// back and elastic. Curves 2 and 4 do not interpolate between from and to in
// the usual way: curve 2 may end beyond 360 (or below 0) on its way round,
// and curve 4 ignores from and swings around 0 with amplitude to.
//
// The animation loop itself (schedule, wait, call back, stop) is pure here;
// the Windows driver only supplies the clock and the wait that keeps the
// message loop running.
#include <functional>
#include <optional>

namespace tabulo {

inline constexpr int kEasingCurveCount = 34;

// from + (to - from) * f(t) with t clamped to [0, 1]; nullopt for a curve
// number outside 1 to 34.
[[nodiscard]] std::optional<double> Easing(int curve, double from, double to, double t);

struct AnimationPlan {
  int curve = 1;
  int durationMs = 0;
  int intervalMs = 0;
  double from = 0;
  double to = 0;
};

struct AnimationFrame {
  int index = 0;  // 1-based
  int count = 0;
  double t = 0;
  double value = 0;
};

// duration / interval by integer division; no frame for a non-positive
// interval or duration.
[[nodiscard]] int AnimationFrameCount(const AnimationPlan& plan);

// Frame `index` (1-based): t = index * interval / duration, the eased value,
// or 1.0 for an unknown curve.
[[nodiscard]] AnimationFrame AnimationFrameAt(const AnimationPlan& plan, int index);

// What paces an animation: the time now and a wait that lets the caller's
// work go on meanwhile, both in microseconds.
struct AnimationClock {
  std::function<long long()> now;
  std::function<void(long long microseconds)> wait;
};

// The loop of an animation. Frame i is due i intervals after the loop
// starts: wait until then, then step(frame), which returns true to stop.
// The frames keep to that schedule however long each step takes; when the
// wait ends late, the frames already overdue are skipped and the latest due
// one is drawn, but never the last frame nor one whose value reaches 1.0
// (within 1e-7), after which the loop ends. Returns the index of the last
// frame run, 0 when none.
int RunAnimationFrames(const AnimationPlan& plan, const AnimationClock& clock,
                       const std::function<bool(const AnimationFrame&)>& step);

}  // namespace tabulo
