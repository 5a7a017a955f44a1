#pragma once
// GBK (Windows code page 936) at the file boundary: the INI files hold GBK,
// the program holds UTF-8. The conversions are exactly those of
// MultiByteToWideChar(936) and WideCharToMultiByte(936) (0x80 is the euro
// sign, 0xFF and the user-defined areas map into the private use area, code
// points without a GBK form are encoded through Windows' "best fit" table or
// as '?'), with one deliberate difference:
//
// Windows turns a lead byte that has no valid trail byte into '?' and
// swallows the next byte, which would silently change a teacher's file on
// the next save and could even swallow a line break. GbkToUtf8 instead keeps
// such a byte b as the code point U+DC00 + b (b is 0x81..0xFE, so U+DC81..
// U+DCFE, lone low surrogates that real text never contains, stored as
// 3-byte sequences in our UTF-8), goes on decoding with the next byte, and
// Utf8ToGbk turns U+DC81..U+DCFE back into the byte. So every byte string
// survives GbkToUtf8 followed by Utf8ToGbk unchanged. The round trip holds
// as long as an escaped byte is not followed by a character that starts
// with a valid trail byte (0x40..0x7E, 0x80..0xFE), which line-based edits
// never do.
#include <cstddef>
#include <string>
#include <string_view>

namespace tabulo {

[[nodiscard]] std::string GbkToUtf8(std::string_view gbkBytes);
// Malformed UTF-8 and code points Windows cannot encode become '?'; a code
// point above U+FFFF becomes "??" (one per UTF-16 unit, as Windows does).
[[nodiscard]] std::string Utf8ToGbk(std::string_view utf8);
// The number of bytes Utf8ToGbk(utf8) produces.
[[nodiscard]] std::size_t GbkLength(std::string_view utf8);

}  // namespace tabulo
