#include "ui/controls/edit_context_menu.h"

#include <array>

namespace tabulo::ui {

std::span<const MenuItemData> EditContextMenuItems() {
  static constexpr std::array<MenuItemData, 5> kItems = {{
      {"剪切(&T)", 88, 0, false},
      {"复制(&C)", 67, 16, false},
      {"粘贴(&P)", 86, 0, false},
      {"", 0, 0, true},
      {"全部选择(&A)", 65, 0, false},
  }};
  return kItems;
}

}  // namespace tabulo::ui
