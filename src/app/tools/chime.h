#pragma once
// The chime the timer plays at the end of a countdown and for "试听": the
// WAV image carried in the executable, played once through the system's wave
// output without waiting for it. A second play while one is sounding starts
// it again from the beginning. Failures are silent.
namespace tabulo::app {

void PlayChime();

}  // namespace tabulo::app
