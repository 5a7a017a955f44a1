#pragma once
// The tip text of a tray icon. The notification record has room for 63
// UTF-16 units and a terminating zero: a longer tip is cut to 63 units, one
// fewer when the 63rd would be the first half of a surrogate pair (a lone
// half would show as a broken character). CJK text of the basic plane is one
// unit per character, so such a tip keeps 63 characters.
#include <string>
#include <string_view>

namespace tabulo::ui {

inline constexpr std::size_t kTrayTipMaxUnits = 63;

[[nodiscard]] std::u16string TrayTipText(std::string_view utf8);

// The same rule for a tip handed over as UTF-16LE bytes: it ends at the
// first zero unit; an odd last byte counts as a unit of its own.
[[nodiscard]] std::u16string TrayTipFromUtf16Bytes(std::string_view bytes);

}  // namespace tabulo::ui
