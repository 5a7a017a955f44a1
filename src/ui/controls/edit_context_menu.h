#pragma once
// The items of the context menu every Edit shares: cut, copy, paste, a
// separator and select all. The command codes are the letters X, C, V and A,
// which the Edit acts on as if the matching Ctrl key had been pressed.
#include <cstdint>
#include <span>
#include <string_view>

namespace tabulo::ui {

struct MenuItemData {
  std::string_view text;      // UTF-8; "&" marks the access key
  int command = 0;
  std::uint32_t state = 0;    // menu item state bits (16 checked)
  bool separator = false;
};

[[nodiscard]] std::span<const MenuItemData> EditContextMenuItems();

}  // namespace tabulo::ui
