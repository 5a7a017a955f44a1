#pragma once
// What the theme_pack tool does, as a function the tests can call: read a
// theme source (theme_source.h) and the picture sheets it names, and write
// the package. Any mistake in the source, any picture the program would
// refuse, and any failure to write is reported; the output is then left as
// it was (or missing), with no partial or temporary file beside it.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo::ui {

// Sheet file names in the source are relative to its folder. Returns the
// messages ("SOURCE: line N: what", "OUTPUT: cannot write"); empty means the
// package was written.
[[nodiscard]] std::vector<std::string> PackTheme(const std::filesystem::path& source,
                                                 const std::filesystem::path& output, std::string_view password);

}  // namespace tabulo::ui
