#include "app/shell/start_with_windows.h"

#include <gtest/gtest.h>

#include "support/fake_run_key_value.h"

namespace tabulo::app {
namespace {

using Calls = std::vector<std::string>;

TEST(SaveStartWithWindows, TouchesTheRegistryOnlyToChangeItsState) {
  struct Case {
    const char* stored;
    bool wanted;
    Calls calls;
    const char* after;
  };
  const Case kCases[] = {
      {"", true, {"Read", "Enable"}, "C:\\Tabulo\\Tabulo.exe"},
      // Another copy's entry is kept, not redirected to this one.
      {"D:\\Old\\Tabulo.exe", true, {"Read"}, "D:\\Old\\Tabulo.exe"},
      {"", false, {"Read"}, ""},
      {"D:\\Old\\Tabulo.exe", false, {"Read", "Disable"}, ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.stored) + (c.wanted ? " / wanted" : " / not wanted"));
    test::FakeRunKeyValue value(c.stored);
    EXPECT_TRUE(SaveStartWithWindows(value, c.wanted));
    EXPECT_EQ(value.calls, c.calls);
    EXPECT_EQ(value.value, c.after);
  }
}

TEST(SaveStartWithWindows, ReportsARefusedWriteOrDelete) {
  for (const bool wanted : {true, false}) {
    test::FakeRunKeyValue value(wanted ? "" : "C:\\Tabulo\\Tabulo.exe");
    value.refuse_writes = true;
    EXPECT_FALSE(SaveStartWithWindows(value, wanted)) << wanted;
  }
}

}  // namespace
}  // namespace tabulo::app
