#pragma once
// A subject as a timetable cell holds it: at most 5 GBK bytes (two Chinese
// characters and one more byte), the editor's rule, applied to subjects that
// arrive from elsewhere (a pasted spreadsheet, a CSES file).
#include <string>
#include <string_view>

namespace tabulo::app {

// `text` cut to the cell's limit, never inside a character.
[[nodiscard]] std::string FitToCell(std::string_view text);

}  // namespace tabulo::app
