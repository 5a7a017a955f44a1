#pragma once
// System DLLs that only some windows need, loaded when first used instead of
// being imported: every DLL in the import table is loaded (and initialised)
// before the program's first line runs, and under Wine the common controls
// alone take about 100 ms of the start before the first window can show.
//
// Each DLL stays loaded for the life of the process once it is in, so the
// functions handed out stay valid.
#include <windows.h>

namespace tabulo {

// The DLL `fileName` from the system folder, loaded by its full path, so a
// DLL of the same name planted in the program's folder is never taken.
// nullptr when it cannot be loaded.
[[nodiscard]] HMODULE SystemLibrary(const wchar_t* fileName);

// comctl32.dll. Asked for by its bare name, because the process manifest's
// activation context then hands out version 6 from the side-by-side store;
// the copy in the system folder is version 5.8x.
[[nodiscard]] HMODULE CommonControlsLibrary();

// Loads the common controls and registers the window classes `classes` (the
// ICC_* flags of InitCommonControlsEx); false when that fails.
[[nodiscard]] bool InitCommonControlClasses(DWORD classes);

// The exported function `name` of `module`, typed as its declaration
// `Function` (e.g. SystemFunction<decltype(PlaySoundW)>); nullptr when the
// module is missing or does not export it.
template <typename Function>
[[nodiscard]] Function* SystemFunction(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace tabulo
