#pragma once
// The process's outermost message loop: it runs while any window of the
// program is open in this thread.
namespace tabulo::app {

// Returns the exit code: 0, or WM_QUIT's code when one arrives.
int RunUntilLastWindowCloses();

}  // namespace tabulo::app
