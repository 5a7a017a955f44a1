#pragma once
// The program's text is UTF-8 inside; Win32 calls take UTF-16. These two
// conversions are the only place where the two meet.
#include <string>
#include <string_view>

namespace tabulo {

[[nodiscard]] std::wstring Wide(std::string_view utf8);
[[nodiscard]] std::string Narrow(std::wstring_view utf16);

}  // namespace tabulo
