#include "ui/engine/atoms.h"

#include <string>

#include "base/win/wide_text.h"

namespace tabulo::ui {

ATOM AtomForName(std::string_view name) {
  const std::wstring wide = Wide(name);
  ATOM atom = FindAtomW(wide.c_str());
  if (atom == 0) atom = AddAtomW(wide.c_str());
  if (atom == 0) {
    const std::string message = "AtomError:" + std::string(name) + " " + std::to_string(GetLastError());
    OutputDebugStringA(message.c_str());
  }
  return atom;
}

}  // namespace tabulo::ui
