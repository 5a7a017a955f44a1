#include "ui/window/hot_key_ids.h"

#include <gtest/gtest.h>

namespace tabulo::ui {
namespace {

TEST(HotKeyIds, OnePerSuccessfulRegistration) {
  HotKeyIds ids(kWindowHotKeyFirstId);
  EXPECT_EQ(ids.Register([](int) { return true; }), 1);
  EXPECT_EQ(ids.Register([](int) { return false; }), 0);  // key taken: no number used
  int tried = 0;
  EXPECT_EQ(ids.Register([&](int id) {
    tried = id;
    return true;
  }),
            2);
  EXPECT_EQ(tried, 2);
  EXPECT_TRUE(ids.Owns(1));
  EXPECT_TRUE(ids.Owns(2));
  EXPECT_FALSE(ids.Owns(3));
  EXPECT_FALSE(ids.Owns(0));

  HotKeyIds program(kProgramHotKeyFirstId);
  EXPECT_FALSE(program.Owns(33001));
  EXPECT_EQ(program.Register([](int) { return true; }), 33001);
  EXPECT_TRUE(program.Owns(33001));
  EXPECT_FALSE(program.Owns(1));
}

}  // namespace
}  // namespace tabulo::ui
