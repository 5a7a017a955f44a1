// Looks up RCDATA in the executable's own module. LoadResource hands back a
// pointer into the mapped image (there is nothing to unlock or free), so the
// span needs no owner.
#include "base/win/resource_bytes.h"

#include <windows.h>

namespace tabulo {

std::span<const std::uint8_t> ResourceBytes(int id) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const DWORD size = SizeofResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data || size == 0) return {};
  return {static_cast<const std::uint8_t*>(data), size};
}

}  // namespace tabulo
