#pragma once
// The computer's local date and time (GetLocalTime).
#include "base/time/date_time.h"

namespace tabulo {

[[nodiscard]] DateTime LocalNow();

}  // namespace tabulo
