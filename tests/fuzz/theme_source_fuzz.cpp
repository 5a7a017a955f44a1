// The theme source (the packer's input) on any text: what it accepts must
// be packed into a package the program reads back as exactly the same
// table, so the packer never writes a package that means something else.
#include "fuzz_input.h"
#include "ui/skin/theme_package_format.h"
#include "ui/skin/theme_source.h"

using namespace tabulo::ui;
using tabulo::fuzz::Check;

namespace {

// Every sheet named is a 16 x 16 PNG (the packer reads only its header).
std::optional<std::vector<std::uint8_t>> AnySheet(std::string_view) {
  return std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H',
                                   'D',  'R', 0,   0,   0,    16,   0,    0,    0, 16};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ThemeSourceResult result = ParseThemeSource({reinterpret_cast<const char*>(data), size}, AnySheet);
  Check(result.data.has_value() == result.errors.empty(), "a result has data exactly when it has no errors");
  if (!result.data) return 0;
  const std::vector<std::uint8_t> package = SerializeThemePackage(*result.data, "");
  Check(!package.empty(), "an accepted source fits the package format");
  Check(ParseThemePackage(package, "") == result.data, "the program reads the package as the source says");
  return 0;
}
