#include "base/win/run_directory.h"

#include <windows.h>

#include <string>

namespace tabulo {

std::filesystem::path ExecutablePath() {
  // GetModuleFileNameW cuts the name to the buffer without saying so except by
  // filling it completely; grow until the name fits (long paths exceed MAX_PATH).
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) return {};
    if (length < size) {
      buffer.resize(length);
      return std::filesystem::path(buffer);
    }
    if (buffer.size() >= 32768) return {};  // beyond the longest path Windows allows
    buffer.resize(buffer.size() * 2);
  }
}

std::filesystem::path RunDirectory() { return ExecutablePath().parent_path(); }

std::filesystem::path ExecutableFileName() { return ExecutablePath().filename(); }

}  // namespace tabulo
