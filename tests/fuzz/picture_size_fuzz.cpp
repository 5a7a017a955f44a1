// The picture header readers on any bytes: no read outside the bytes, and a
// size only when both sides are positive.
#include "fuzz_input.h"
#include "ui/skin/picture_size.h"

using tabulo::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  if (const auto read = tabulo::ui::ReadPictureSize(bytes)) {
    Check(read->width > 0 && read->height > 0, "a size has two positive sides");
  }
  (void)tabulo::ui::IsDecodablePicture(bytes);
  return 0;
}
