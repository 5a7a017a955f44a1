#include "app/tools/chime.h"

#include <windows.h>
#include <mmsystem.h>

#include "app/resource_ids.h"
#include "base/win/resource_bytes.h"
#include "base/win/system_library.h"

namespace tabulo::app {

void PlayChime() {
  // The resource bytes stay mapped for the life of the process, so the
  // asynchronous play may read them after this call returns.
  const auto wav = ResourceBytes(IDR_CHIME_WAV);
  if (wav.empty()) return;
  const auto play = SystemFunction<decltype(PlaySoundW)>(SystemLibrary(L"winmm.dll"), "PlaySoundW");
  if (!play) return;
  play(reinterpret_cast<LPCWSTR>(wav.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

}  // namespace tabulo::app
