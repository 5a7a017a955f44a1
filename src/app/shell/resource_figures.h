#pragma once
// What the process holds right now, for the trace (trace_log.h): the GDI and
// USER objects as Windows counts them (Wine answers 0), the engine's own
// count of the handles it owns (right under Wine too), kernel handles and
// private bytes. One line, "gdi=… user=… engine=… handles=… private=…".
#include <string>

namespace tabulo::app {

[[nodiscard]] std::string DescribeResources();

}  // namespace tabulo::app
