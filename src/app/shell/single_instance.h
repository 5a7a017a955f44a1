#pragma once
// Only one copy of the program runs: the bar's creation asks whether a
// second process with this executable's file name exists and, if so, says
// "请不要重复运行Tabulo!" and runs the exit routine. The close requests are
// only posted, so the rest of the bar's creation still runs and this copy
// ends when the bar's message loop takes them.
//
// A copy started under another file name is not noticed: the rule compares
// executable file names (no directory), byte for byte, case-sensitively.
namespace tabulo::app {

struct AppContext;

// True when at least two running processes, this one included, have this
// executable's file name.
[[nodiscard]] bool AnotherCopyRuns();

// The check the bar's creation runs; true when this copy must end.
bool CheckSingleInstance(AppContext& context);

}  // namespace tabulo::app
