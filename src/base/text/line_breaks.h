#pragma once
// Line breaks as GDI+ should see them. Windows' GDI+ takes a CR LF pair as
// one line break, but Wine's draws the CR as a box before every break; the
// engine's texts carry CR LF (the tool window's hide strip has one between
// each of its characters), so text is handed to GDI+ with each CR LF pair
// and each lone CR turned into one LF, which lays out the same on both.
#include <string>
#include <string_view>

namespace tabulo {

[[nodiscard]] std::wstring OneLineFeedPerBreak(std::wstring_view text);

}  // namespace tabulo
