#pragma once
// The bar: the narrow window at the right edge of the screen with today's
// eight periods, the weekday, the date and time and the "工 具" button. Its
// life is the program's life. It owns the two periodic timers: 北京时钟
// (500 ms) keeps the clock label current, 提示时钟 (5000 ms) runs the class
// reminder (reminder.h), which stays off when the setting `tip` is "true";
// what the labels show follows from BarPresenter (bar_presenter.h).
//
// The reminder's pop-up window plugs in through ReminderPopupHost; without
// one the reminder still colours the rows but shows no pop-up.
#include <memory>

#include "app/forms/app_context.h"

namespace tabulo::app {

class ReminderPopupHost;

// Work on the bar no one can see, for the wait before it is loaded: decodes
// its skin picture into the engine's shared pictures and has its label fonts
// made, so the bar's binding and labels find both ready. Creates no window,
// timer, hot key or tray icon. Keep the result until the bar is bound.
[[nodiscard]] std::shared_ptr<void> PrepareBar(const AppContext& context);

// Loads the bar and runs it: single-instance check, settings, controls,
// today's timetable, the start-up window destroyed, the bar shown, its
// message loop. Returns when the bar is gone.
void RunBar(AppContext& context, ReminderPopupHost* popups = nullptr);

}  // namespace tabulo::app
