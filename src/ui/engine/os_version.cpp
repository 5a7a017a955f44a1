#include "ui/engine/os_version.h"

#include <cmath>

namespace tabulo::ui {

float OsVersionNumber(const OsVersionInfo& info) {
  const std::uint32_t major = info.major & 0xFFFF;
  const std::uint32_t minor = info.minor & 0xFFFF;
  const bool server = info.productType != 1;
  if (major == 5) {
    if (minor == 1) return 5.0f;
    if (minor == 2) return server && !info.native64Bit ? 5.01f : 5.0f;
    return 0.0f;  // Windows 2000 and unknown 5.x are not recognised
  }
  if (major == 6 && minor <= 4) {
    constexpr float kWorkstation[] = {6.0f, 6.1f, 6.2f, 6.3f, 6.4f};
    if (!server) return kWorkstation[minor];
    return minor <= 1 ? 6.11f : 6.31f;
  }
  if (major == 10 && minor == 0) return server ? 6.31f : 6.4f;
  const double value = major + minor / 10.0 + (server ? 0.01 : 0.0);
  return static_cast<float>(value);
}

bool GlassAllowed(float osVersion, bool layered) {
  constexpr double kTolerance = 1e-7;
  if (std::fabs(osVersion - 6.0f) < kTolerance) return true;
  return layered && std::fabs(osVersion - 6.1f) < kTolerance;
}

}  // namespace tabulo::ui
