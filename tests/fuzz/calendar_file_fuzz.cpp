// calendar.dat on any bytes: no crash, no overflow; whatever it is read as
// is written back into a file that reads as the same calendar, with
// nothing to report.
#include <cstdint>
#include <string>

#include "app/calendar/calendar_file.h"
#include "fuzz_input.h"

using tabulo::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const tabulo::app::CalendarLoad read =
      tabulo::app::ParseCalendar(std::string_view(reinterpret_cast<const char*>(data), size));
  const tabulo::app::CalendarLoad again = tabulo::app::ParseCalendar(tabulo::app::SerialiseCalendar(read.data));
  Check(again.diagnosis.empty(), "a written calendar reads without damage");
  Check(again.data == read.data, "a written calendar reads back the same");
  return 0;
}
