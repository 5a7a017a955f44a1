#include "base/random/random.h"

#include <gtest/gtest.h>

namespace tabulo {
namespace {

TEST(Random, FirstValuesFromStateOne) {
  // state 1 → 2745024 → 3281092463 → ... ; value = bits 16..30
  Random r;
  const std::uint32_t kExpected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
  for (std::uint32_t e : kExpected) EXPECT_EQ(r.Next(), e);
}

TEST(Random, BetweenRules) {
  struct Case {
    std::int64_t a, b;
    std::int64_t expected;  // with a fresh generator, whose first value is 41
  };
  const Case kCases[] = {
      {1, 99, 1 + 41 % 99},
      {99, 1, 1 + 41 % 99},   // order of the ends does not matter
      {7, 7, 7},              // equal ends: that value, no value consumed
      {-5, 10, 0 + 41 % 11},  // negative counts as 0
      {-5, -9, 0},            // both negative: 0
      {10, 12, 10 + 41 % 3},
      {0, 2147483647, 41},    // a whole 32-bit range neither overflows nor divides by 0
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.a << ".." << c.b);
    Random r;
    EXPECT_EQ(r.Between(c.a, c.b), c.expected);
  }
  Random r;
  (void)r.Between(3, 3);
  EXPECT_EQ(r.state(), 1u) << "equal ends must not advance the generator";
}

TEST(Random, ProgramGeneratorIsOneInstance) {
  EXPECT_EQ(&ProgramRandom(), &ProgramRandom());
}

}  // namespace
}  // namespace tabulo
