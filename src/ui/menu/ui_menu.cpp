#include "ui/menu/ui_menu.h"

#include "ui/control/ui_control.h"
#include "ui/engine/engine_state.h"
#include "ui/engine/fonts.h"
#include "ui/menu/menu_window.h"
#include "ui/window/ui_window.h"

namespace tabulo::ui {

UiMenu::UiMenu() = default;
UiMenu::~UiMenu() = default;

// --- items ----------------------------------------------------------------------

int UiMenu::AddItem(Item item) {
  items_.push_back(std::move(item));
  return Count();
}

int UiMenu::AddCommand(std::string_view text, int command, std::uint32_t state) {
  Item item;
  item.text = text;
  item.command = command;
  item.state = state;
  return AddItem(std::move(item));
}

int UiMenu::AddCallback(std::string_view text, std::function<void()> callback, std::uint32_t state) {
  Item item;
  item.text = text;
  item.sendsCommand = false;
  item.callback = std::move(callback);
  item.state = state;
  return AddItem(std::move(item));
}

int UiMenu::AddSeparator() {
  Item item;
  item.separator = true;
  return AddItem(std::move(item));
}

int UiMenu::AddSubMenu(std::string_view text, UiMenu& subMenu, std::uint32_t state) {
  Item item;
  item.text = text;
  item.subMenu = &subMenu;
  item.state = state;
  return AddItem(std::move(item));
}

bool UiMenu::RemoveItem(int index) {
  if (!IndexValid(index)) return false;
  items_.erase(items_.begin() + (index - 1));
  return true;
}

void UiMenu::Clear() { items_.clear(); }

std::uint32_t UiMenu::ItemState(int index) const { return IndexValid(index) ? items_[index - 1].state : 0; }

bool UiMenu::SetItemState(int index, std::uint32_t state) {
  Item* item = MutableItem(index);
  if (!item) return false;
  item->state = state;
  return true;
}

std::string UiMenu::ItemText(int index) const { return IndexValid(index) ? items_[index - 1].text : std::string(); }

bool UiMenu::SetItemText(int index, std::string_view text) {
  Item* item = MutableItem(index);
  if (!item) return false;
  item->text = text;
  return true;
}

std::span<const std::uint8_t> UiMenu::ItemIcon(int index) const {
  if (!IndexValid(index)) return {};
  return items_[index - 1].icon;
}

bool UiMenu::SetItemIcon(int index, std::vector<std::uint8_t> icon) {
  Item* item = MutableItem(index);
  if (!item) return false;
  item->icon = std::move(icon);
  return true;
}

// Each of these turns the item into one kind: what it was before no longer
// applies.
bool UiMenu::SetItemCommand(int index, int command) {
  Item* item = MutableItem(index);
  if (!item) return false;
  item->separator = false;
  item->subMenu = nullptr;
  item->sendsCommand = true;
  item->command = command;
  item->callback = nullptr;
  return true;
}

bool UiMenu::SetItemCallback(int index, std::function<void()> callback) {
  Item* item = MutableItem(index);
  if (!item) return false;
  item->separator = false;
  item->subMenu = nullptr;
  item->sendsCommand = false;
  item->command = 0;
  item->callback = std::move(callback);
  return true;
}

bool UiMenu::SetItemSubMenu(int index, UiMenu* subMenu) {
  Item* item = MutableItem(index);
  if (!item || subMenu == this) return false;
  item->separator = false;
  item->subMenu = subMenu;
  return true;
}

bool UiMenu::SetItemSeparator(int index) {
  Item* item = MutableItem(index);
  if (!item) return false;
  item->separator = true;
  item->subMenu = nullptr;
  return true;
}

// --- look ---------------------------------------------------------------------------

bool UiMenu::SetFont(std::string_view face) {
  const Gdiplus::Font* base = Font();
  const float size = base ? FontSize(*base) : 12.0f;
  const int style = base ? FontStyle(*base) : 0;
  auto font = CreateFontFromName(face, size, style);
  if (!font) return false;
  font_ = std::move(font);
  return true;
}

const Gdiplus::Font* UiMenu::Font() const { return font_ ? font_.get() : Engine().defaultFont.get(); }

// --- showing -------------------------------------------------------------------------

void UiMenu::Popup(UiWindow& owner, std::optional<Point> at) {
  if (!owner.IsBound()) return;
  PopupFor(owner.WindowHandle(), nullptr, at);
}

void UiMenu::Popup(UiControl& control, std::optional<Point> at) {
  ControlHost* host = control.Host();
  if (!host || !host->IsBound() || !host->OwnsControl(&control)) return;
  PopupFor(host->WindowHandle(), &control, at);
}

void UiMenu::PopupFor(HWND owner, UiControl* eventControl, std::optional<Point> at) {
  UiWindow* ownerWindow = UiWindow::FromHandle(owner);
  if (!ownerWindow || open_) return;
  // Without the foreground a click elsewhere would never reach the program
  // and the menu could not tell it should close.
  SetForegroundWindow(owner);
  std::shared_ptr<const ResourcePackage> package = ownerWindow->SharedPackage();
  if (!package) package = Engine().defaultPackage;

  MenuChain chain(owner, eventControl);
  {
    MenuWindow window(*this, chain, nullptr);
    if (!window.Open(package, at, std::nullopt, false)) return;
    window.RunLoop();
  }
  chain.Bury();
  if (closed_) closed_(*this);
  chain.DeliverChoice();
}

}  // namespace tabulo::ui
