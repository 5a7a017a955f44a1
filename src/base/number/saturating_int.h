#pragma once
// Conversions to int that cannot overflow. Casting a float beyond the int
// range (or NaN) to int is undefined behaviour, and so is int arithmetic
// that leaves the range; values read from files (theme pictures, margins,
// typed-in times) can be anything, so such conversions go through here:
// out-of-range values stick at the nearest end of the range, NaN becomes 0.
#include <cstdint>
#include <limits>

namespace tabulo {

// Truncates toward zero, as a plain cast does for values in range.
[[nodiscard]] constexpr int TruncateToInt(double value) {
  constexpr int kMin = std::numeric_limits<int>::min();
  constexpr int kMax = std::numeric_limits<int>::max();
  if (value != value) return 0;  // NaN
  if (value <= kMin) return kMin;
  if (value >= kMax) return kMax;
  return static_cast<int>(value);
}

// For sums and products worked out in 64 bits.
[[nodiscard]] constexpr int ClampToInt(std::int64_t value) {
  constexpr std::int64_t kMin = std::numeric_limits<int>::min();
  constexpr std::int64_t kMax = std::numeric_limits<int>::max();
  return static_cast<int>(value < kMin ? kMin : value > kMax ? kMax : value);
}

}  // namespace tabulo
