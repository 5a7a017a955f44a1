#include "app/shell/bar_tray.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "app/calendar/calendar_window.h"
#include "app/forms/app_context.h"
#include "app/resource_ids.h"
#include "app/shell/about_window.h"
#include "app/shell/bar_texts.h"
#include "app/shell/exit_routine.h"
#include "app/shell/shell_commands.h"
#include "base/win/resource_bytes.h"
#include "ui/control/engine_messages.h"

namespace tabulo::app {
namespace {

ui::UiMenu::Item CallbackItem(std::string_view text, int iconResource, std::function<void()> callback) {
  const std::span<const std::uint8_t> icon = ResourceBytes(iconResource);
  ui::UiMenu::Item item;
  item.text = std::string(text);
  item.icon.assign(icon.begin(), icon.end());
  item.sendsCommand = false;
  item.callback = std::move(callback);
  return item;
}

// The tool window is toggled and the about window opened. A tool window
// that does not exist yet would, once opened, keep this call in its message
// loop until it is gone; it is then asked for from the about window's loop
// instead, so both windows come up.
void ToggleToolWindowThenAbout(AppContext& context) {
  if (ListedWindow(context, FormId::kToolWindow)) {
    ToggleToolWindow(context);
  } else {
    PostToggleToolWindow(context);
  }
  RunAboutWindow(context);
}

// The bar's large icon, or its class's icon when none was set.
HICON LargeIconOf(HWND window) {
  if (auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0))) return icon;
  return reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
}

}  // namespace

void BarTray::FillMenu(AppContext& context) {
  menu_.Clear();
  menu_.AddItem(CallbackItem(bar_texts::kMenuAbout, IDR_MENU_ABOUT_PNG, [&context] { ToggleToolWindowThenAbout(context); }));
  menu_.AddItem(CallbackItem(bar_texts::kMenuCalendar, IDR_MENU_CALENDAR_PNG, [&context] { (void)OpenCalendarWindow(context); }));
  menu_.AddItem(CallbackItem(bar_texts::kMenuExit, IDR_MENU_EXIT_PNG, [&context] { CloseAppWindows(context.windows); }));
}

void BarTray::AddIcon(ui::UiWindow& bar) {
  (void)bar.SetTrayIcon(LargeIconOf(bar.WindowHandle()), bar_texts::kTrayTip);
  bar.Bind(ui::kMsgTrayNotify, [this, &bar](const ui::EventArgs& event) {
    OnTrayMouse(bar, static_cast<UINT>(event.lParam));
    return true;
  });
}

void BarTray::OnTrayMouse(ui::UiWindow& bar, UINT mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK: {
      // Raised above every other window once, then an ordinary window again.
      bar.SetTopmost(true);
      bar.SetTopmost(false);
      ui::WindowEffect show;
      show.effect = ui::ShowEffect::kAtOnce;
      bar.Show(&show);
      break;
    }
    case WM_RBUTTONUP:
      menu_.Popup(bar);
      break;
    default:
      break;
  }
}

}  // namespace tabulo::app
