// Text to integer on any text: no overflow, whatever the digits; a plain
// ASCII number reads as the number it is, clamped to the 32-bit range.
#include <charconv>
#include <cstdint>
#include <limits>

#include "base/text/text_to_int.h"
#include "fuzz_input.h"

using tabulo::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::int32_t read = tabulo::TextToInt(text);
  const bool plain = !text.empty() && text.find_first_not_of("0123456789", text[0] == '-' ? 1 : 0) == std::string_view::npos &&
                     text != "-";
  if (plain) {
    std::int64_t expected = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected);
    if (error == std::errc::result_out_of_range || expected > std::numeric_limits<std::int32_t>::max() ||
        expected < std::numeric_limits<std::int32_t>::min()) {
      expected = text[0] == '-' ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
    }
    Check(read == expected, "a plain number reads as itself, clamped");
  }
  return 0;
}
