#include <gtest/gtest.h>

#include "ui/controls/edit_context_menu.h"

namespace tabulo::ui {
namespace {

TEST(EditContextMenu, CutCopyPasteSeparatorSelectAll) {
  const auto items = EditContextMenuItems();
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].text, "剪切(&T)");
  EXPECT_EQ(items[0].command, 'X');
  EXPECT_EQ(items[1].command, 'C');
  EXPECT_EQ(items[1].state, 16u);
  EXPECT_EQ(items[2].command, 'V');
  EXPECT_TRUE(items[3].separator);
  EXPECT_EQ(items[4].text, "全部选择(&A)");
  EXPECT_EQ(items[4].command, 'A');
}

}  // namespace
}  // namespace tabulo::ui
