#pragma once
// The program's diagnostic trace, for the start-up and soak benchmarks (see
// bench/). When the environment variable TABULO_TRACE names a file, each
// event is appended to it as one line: the milliseconds since the first
// event, a space, and the event. Without the variable nothing is written and
// every call costs one branch. Lines are flushed one by one, so a process
// that is killed keeps what it traced. When TABULO_TRACE_CPU is set too,
// each line ends in " cpu=N": the milliseconds of processor time the calling
// thread has used so far, which a loaded machine does not inflate the way it
// does the wall clock (the system counts it in ticks of about 10 ms).
#include <string_view>

namespace tabulo::app {

[[nodiscard]] bool TraceEnabled();
void Trace(std::string_view event);

}  // namespace tabulo::app
