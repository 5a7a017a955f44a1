#include "base/win/local_time.h"

#include <windows.h>

namespace tabulo {

DateTime LocalNow() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return DateTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wDayOfWeek};
}

}  // namespace tabulo
