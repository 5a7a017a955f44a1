#include "ui/skin/skin_state.h"

#include <gtest/gtest.h>

namespace tabulo::ui {
namespace {

TEST(StateName, HotBeatsPressedBeatsFocus) {
  const struct {
    std::uint32_t flags;
    std::string_view name;
  } kCases[] = {
      {0, "normal"},
      {0x1, "normal"},            // disabled has no picture of its own
      {0x4, "focus"},
      {0x8, "down"},
      {0x8 | 0x4, "down"},
      {0x80, "highlight"},
      {0x80 | 0x8, "highlight"},  // hot and pressed
      {0x80 | 0x8 | 0x4 | 0x4000, "highlight"},
      {0x4000 | 0x8000, "normal"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.flags);
    EXPECT_EQ(StateName(c.flags), c.name);
  }
}

}  // namespace
}  // namespace tabulo::ui
