// Edit: the context menu. Every Edit of the process shares one popup menu
// with cut, copy, paste and select all; each right-click sets the items'
// states for the field it opens on. The chosen item comes back to that
// field as WM_COMMAND with the item's letter.
#include "ui/controls/edit.h"
#include "ui/controls/edit_context_menu.h"
#include "ui/engine/engine_state.h"
#include "ui/menu/ui_menu.h"

namespace tabulo::ui {
namespace {

// Positions of the shared menu's items (1-based, the separator is 4).
constexpr int kCutItem = 1;
constexpr int kCopyItem = 2;
constexpr int kPasteItem = 3;
constexpr int kSelectAllItem = 5;

}  // namespace

UiMenu& EditContextMenu() {
  static UiMenu menu;
  // The items come with the engine's initialisation; before it the menu
  // stays empty.
  if (menu.Count() == 0 && Engine().initialised) {
    for (const MenuItemData& item : EditContextMenuItems()) {
      if (item.separator) {
        menu.AddSeparator();
      } else {
        menu.AddCommand(item.text, item.command, item.state);
      }
    }
  }
  return menu;
}

std::optional<EditMenuStates> Edit::ContextMenuStates() {
  if (editStyle_ == kEditPassword) return std::nullopt;
  return EditContextMenuStates(editStyle_, !SelectedText().empty(), CanPaste(), TextLength());
}

void Edit::ShowContextMenu() {
  const std::weak_ptr<UiControl* const> life = LifeToken();
  if (!HasFocus()) SetFocus();
  if (life.expired()) return;  // a focus handler took the field away
  const std::optional<EditMenuStates> states = ContextMenuStates();
  if (!states) return;
  UiMenu& menu = EditContextMenu();
  // Before the engine is initialised the menu has no items to show.
  if (menu.Count() < kSelectAllItem) return;
  menu.SetItemState(kCutItem, states->cut);
  menu.SetItemState(kCopyItem, states->copy);
  menu.SetItemState(kPasteItem, states->paste);
  menu.SetItemState(kSelectAllItem, states->selectAll);
  menu.Popup(*this);
}

}  // namespace tabulo::ui
