#pragma once
// The class-time adjustment "上课时间调整": 48 hour and 48 minute fields with
// their "：" separators, day headers and period labels cloned from the form's
// hidden templates, mapped onto the adjustment logic
// (class_time_adjustment.h).
#include <windows.h>

#include "app/forms/app_context.h"

namespace tabulo::app {

// Child-window ids of the cloned controls (cell index 1 to 48, day 1 to 6,
// period 1 to 8).
[[nodiscard]] constexpr int AdjustmentHourId(int cell) { return 1000 + cell; }
[[nodiscard]] constexpr int AdjustmentMinuteId(int cell) { return 1100 + cell; }
[[nodiscard]] constexpr int AdjustmentSeparatorId(int cell) { return 1200 + cell; }
[[nodiscard]] constexpr int AdjustmentHeaderId(int day) { return 1300 + day; }
[[nodiscard]] constexpr int AdjustmentPeriodLabelId(int period) { return 1400 + period; }

// Opens the window (non-modal, no owner) with empty fields, or brings the
// open one forward. Returns its window; nullptr when it could not be created.
HWND OpenClassTimeAdjustment(AppContext& context);

}  // namespace tabulo::app
