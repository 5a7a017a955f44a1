#pragma once
// The width and height a picture file declares, read from its header
// without decoding it, so a picture that would make the decoder allocate
// gigabytes (a few bytes can declare 65535 × 65535 pixels) is refused
// before GDI+ sees it. Known formats are those the program and its themes
// use: PNG (IHDR), JPEG (the frame header, SOF), GIF (the logical screen
// and every frame) and BMP (the info header).
#include <cstdint>
#include <optional>
#include <span>

#include "base/geometry/rect.h"

namespace tabulo::ui {

// No picture the program draws is larger on either side.
inline constexpr int kMaxPictureSide = 8192;

// The declared size; nothing for an unknown format, a header cut short or a
// zero or negative size.
[[nodiscard]] std::optional<Size> ReadPictureSize(std::span<const std::uint8_t> bytes);

// Whether the bytes are a picture of a known format within kMaxPictureSide
// on both sides: the only pictures worth handing to the decoder.
[[nodiscard]] bool IsDecodablePicture(std::span<const std::uint8_t> bytes);

}  // namespace tabulo::ui
