#pragma once
// The program-wide pseudo-random generator and "a random integer between a
// and b". The generator starts at state 1 and is never reseeded, so every run
// produces the same raw sequence (the draw's results still vary with the
// moment the teacher stops it). Logic classes take a `Random&` so tests can
// give each case its own fresh generator; the windows pass ProgramRandom().
#include <cstdint>

namespace tabulo {

class Random {
 public:
  // Advances the state and yields a value in 0..32767.
  std::uint32_t Next() {
    state_ = state_ * 214013u + 2531011u;  // wraps modulo 2^32 by unsigned arithmetic
    return (state_ >> 16) & 0x7FFFu;
  }

  // Each of a and b below 0 counts as 0; the result lies between the smaller
  // and the larger, both included (only the first 32768 values of a wider
  // range are reachable). Consumes one value unless the two are equal.
  // 64-bit so that a whole 32-bit range neither overflows nor divides by 0.
  std::int64_t Between(std::int64_t a, std::int64_t b) {
    if (a < 0) a = 0;
    if (b < 0) b = 0;
    const std::int64_t lo = a < b ? a : b;
    const std::int64_t hi = a < b ? b : a;
    if (lo == hi) return lo;
    return lo + static_cast<std::int64_t>(Next()) % (hi - lo + 1);
  }

  [[nodiscard]] std::uint32_t state() const { return state_; }

 private:
  std::uint32_t state_ = 1;
};

// The one generator shared by the whole program.
inline Random& ProgramRandom() {
  static Random instance;
  return instance;
}

}  // namespace tabulo
