// Penner's easing equations, normalised to t in [0, 1] and a change of 1.
#include "base/animation/easing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tabulo {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTolerance = 1e-7;
constexpr double kBackOvershoot = 1.70158;
constexpr double kBackInOutOvershoot = 2.5949095;  // 1.70158 * 1.525
constexpr double kElasticPeriod = 0.3;
constexpr double kElasticShift = kElasticPeriod / 4;  // amplitude 1: s = p / (2 pi) * asin(1)

double Power(double t, int n) {
  double r = 1;
  for (int i = 0; i < n; ++i) r *= t;
  return r;
}

// The three variants of a curve given by its "in" form.
double In(double (*ease_in)(double), double t) { return ease_in(t); }
double Out(double (*ease_in)(double), double t) { return 1 - ease_in(1 - t); }
double InOut(double (*ease_in)(double), double t) {
  return t < 0.5 ? ease_in(2 * t) / 2 : 1 - ease_in(2 - 2 * t) / 2;
}

double QuadIn(double t) { return Power(t, 2); }
double CubicIn(double t) { return Power(t, 3); }
double QuartIn(double t) { return Power(t, 4); }
double QuintIn(double t) { return Power(t, 5); }
double SineIn(double t) { return 1 - std::cos(t * kPi / 2); }
double ExpoIn(double t) { return t == 0 ? 0 : std::pow(2, 10 * (t - 1)); }
double CircIn(double t) { return 1 - std::sqrt(1 - t * t); }

double BounceOut(double t) {
  constexpr double k = 7.5625;
  if (t < 1 / 2.75) return k * t * t;
  if (t < 2 / 2.75) {
    t -= 1.5 / 2.75;
    return k * t * t + 0.75;
  }
  if (t < 2.5 / 2.75) {
    t -= 2.25 / 2.75;
    return k * t * t + 0.9375;
  }
  t -= 2.625 / 2.75;
  return k * t * t + 0.984375;
}
double BounceIn(double t) { return 1 - BounceOut(1 - t); }

double BackIn(double t, double s) { return t * t * ((s + 1) * t - s); }

double ElasticIn(double t) {
  if (t == 0 || t == 1) return t;
  t -= 1;
  return -(std::pow(2, 10 * t) * std::sin((t - kElasticShift) * 2 * kPi / kElasticPeriod));
}

double Spring(double t) {
  return (t + std::sin(kPi * t * (0.2 + 2.5 * Power(t, 3))) * std::pow(1 - t, 2.2)) * (1 + 1.2 * (1 - t));
}

// Fraction of the way for the curves that interpolate from `from` to `to`.
std::optional<double> Fraction(int curve, double t) {
  switch (curve) {
    case 1: return t;
    case 3: return Spring(t);
    case 5: return In(QuadIn, t);
    case 6: return Out(QuadIn, t);
    case 7: return InOut(QuadIn, t);
    case 8: return In(CubicIn, t);
    case 9: return Out(CubicIn, t);
    case 10: return InOut(CubicIn, t);
    case 11: return In(QuartIn, t);
    case 12: return Out(QuartIn, t);
    case 13: return InOut(QuartIn, t);
    case 14: return In(QuintIn, t);
    case 15: return Out(QuintIn, t);
    case 16: return InOut(QuintIn, t);
    case 17: return In(SineIn, t);
    case 18: return Out(SineIn, t);
    case 19: return InOut(SineIn, t);
    case 20: return In(ExpoIn, t);
    case 21: return Out(ExpoIn, t);
    case 22: return InOut(ExpoIn, t);
    case 23: return In(CircIn, t);
    case 24: return Out(CircIn, t);
    case 25: return InOut(CircIn, t);
    case 26: return In(BounceIn, t);
    case 27: return Out(BounceIn, t);
    case 28: return InOut(BounceIn, t);
    case 29: return BackIn(t, kBackOvershoot);
    case 30: return 1 - BackIn(1 - t, kBackOvershoot);
    case 31: return t < 0.5 ? BackIn(2 * t, kBackInOutOvershoot) / 2 : 1 - BackIn(2 - 2 * t, kBackInOutOvershoot) / 2;
    case 32: return In(ElasticIn, t);
    case 33: return Out(ElasticIn, t);
    case 34: return InOut(ElasticIn, t);
    default: return std::nullopt;
  }
}

// Curve 2: an angle goes the short way round; beyond +-180 degrees it wraps.
double ShortestAngle(double from, double to, double t) {
  const double d = to - from;
  if (d < -180) return from + t * (360 - from + to);
  if (d > 180) return from - t * (360 - to + from);
  return from + d * t;
}

// Curve 4: a damped swing around 0 that starts and ends at rest.
double Punch(double to, double t) {
  if (t == 0 || t == 1) return 0;
  return to * std::pow(2, -10 * t) * std::sin(t * 2 * kPi / kElasticPeriod);
}

bool ReachesEnd(const AnimationFrame& frame) { return std::abs(frame.value - 1.0) <= kTolerance; }

// The frame to draw when frames `next` to `due` are all due: the latest,
// unless one before it ends the animation.
AnimationFrame LatestDueFrame(const AnimationPlan& plan, int next, int due) {
  for (int index = next;; ++index) {
    const AnimationFrame frame = AnimationFrameAt(plan, index);
    if (index >= due || ReachesEnd(frame)) return frame;
  }
}

}  // namespace

std::optional<double> Easing(int curve, double from, double to, double t) {
  // Clamped completely, not only beyond the tolerance: a t a hair above 1
  // would make the circular curves take the root of a negative number.
  t = t >= 1 ? 1 : t > 0 ? t : 0;
  if (curve == 2) return ShortestAngle(from, to, t);
  if (curve == 4) return Punch(to, t);
  const std::optional<double> f = Fraction(curve, t);
  if (!f) return std::nullopt;
  return from + (to - from) * *f;
}

int AnimationFrameCount(const AnimationPlan& plan) {
  if (plan.intervalMs <= 0 || plan.durationMs <= 0) return 0;
  return plan.durationMs / plan.intervalMs;
}

AnimationFrame AnimationFrameAt(const AnimationPlan& plan, int index) {
  AnimationFrame frame;
  frame.index = index;
  frame.count = AnimationFrameCount(plan);
  frame.t = plan.durationMs > 0 ? static_cast<double>(index) * plan.intervalMs / plan.durationMs : 1.0;
  frame.value = Easing(plan.curve, plan.from, plan.to, frame.t).value_or(1.0);
  return frame;
}

int RunAnimationFrames(const AnimationPlan& plan, const AnimationClock& clock,
                       const std::function<bool(const AnimationFrame&)>& step) {
  const int count = AnimationFrameCount(plan);
  if (count == 0) return 0;
  const long long interval = plan.intervalMs * 1000LL;
  const long long start = clock.now();
  int ran = 0;
  for (int next = 1; next <= count; next = ran + 1) {
    const long long early = start + next * interval - clock.now();
    if (early > 0) clock.wait(early);
    const long long due = (clock.now() - start) / interval;
    const AnimationFrame frame = LatestDueFrame(plan, next, static_cast<int>(std::min<long long>(due, count)));
    ran = frame.index;
    if (step(frame) || ReachesEnd(frame)) break;
  }
  return ran;
}

}  // namespace tabulo
