#pragma once
// The engine's one-number encoding of the Windows version. It is read in one
// place only: whether a window may ask for the glass effect behind it.
#include <cstdint>

namespace tabulo::ui {

struct OsVersionInfo {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t productType = 1;  // 1 workstation; anything else a server
  bool native64Bit = false;       // the processor, not this process
};

// 5.1 and 5.2 give 5.0 (5.2 server 5.01 unless 64-bit); other 5.x give 0;
// 6.0 to 6.4 and 10.0 map onto 6.0 to 6.4 for workstations and 6.11 / 6.31
// for servers; any other version major + minor / 10 (+ 0.01 on a server).
// Only the low 16 bits of major and minor count.
[[nodiscard]] float OsVersionNumber(const OsVersionInfo& info);

// Whether a window's glass effect is honoured: Vista (6.0), or Windows 7
// (6.1) for a layered window.
[[nodiscard]] bool GlassAllowed(float osVersion, bool layered);

}  // namespace tabulo::ui
