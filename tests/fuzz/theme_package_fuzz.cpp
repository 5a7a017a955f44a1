// The theme package reader on any bytes, with and without a password: no
// overread, no huge allocation from a count, and what it accepts holds only
// values within the theme limits and is written back to the same package.
#include "fuzz_input.h"
#include "ui/skin/theme_package_format.h"

using namespace tabulo::ui;
using tabulo::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  for (const char* password : {"", "classroom"}) {
    const std::optional<ThemePackageData> package = ParseThemePackage(bytes, password);
    if (!package) continue;
    for (const auto& [key, value] : package->table.Entries()) {
      Check(IsWithinThemeLimits(value), "only values within the limits are kept");
    }
    Check(ParseThemePackage(SerializeThemePackage(*package, password), password) == package,
          "an accepted package is written back to the same contents");
  }
  return 0;
}
