#pragma once
// The bar's tray icon and its menu. The icon (the bar's large icon, tip
// "Tabulo 3.0版") brings the bar to the front on a left click or double
// click without leaving it topmost; a right click pops up the menu with
// "关于(&A)" (toggle the tool window, then the about window), "校历与调课(&C)"
// (the school calendar window, or the open one brought forward) and
// "退出(&E)" (the exit routine). Icon and menu live as long as the bar.
#include "app/forms/app_context.h"
#include "ui/menu/ui_menu.h"
#include "ui/window/ui_window.h"

namespace tabulo::app {

class BarTray {
 public:
  // Fills the menu; done while the bar's controls are built.
  void FillMenu(AppContext& context);
  // Adds the icon to the bound bar and handles its mouse notifications.
  void AddIcon(ui::UiWindow& bar);

 private:
  void OnTrayMouse(ui::UiWindow& bar, UINT mouseMessage);

  ui::UiMenu menu_;
};

}  // namespace tabulo::app
