#pragma once
// Reading a number held as text (period start times, the clock offset, the
// draw's range, cell indexes in control tags). Full-width forms are folded to
// half-width first, so "０７" and "－５" read like "07" and "-5".
#include <cstdint>
#include <string_view>

namespace tabulo {

// Skips leading blanks, reads an optional sign and the decimal digits up to
// the first other character. No digits gives 0; values beyond the 32-bit
// range are clamped instead of wrapping.
[[nodiscard]] std::int32_t TextToInt(std::string_view utf8);

}  // namespace tabulo
