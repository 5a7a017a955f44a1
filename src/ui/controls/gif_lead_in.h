#pragma once
// The first frames of an animated GIF as a GIF of their own.
//
// GDI+ pays for every frame of a GIF when it opens it (under Wine it reads
// each frame's metadata and decompresses them all), some 40 ms for the
// hundred frames of the start-up animation. A window that must show an
// animation at once can open its lead-in, a few frames that cost what a
// still picture costs, and hand the image box the whole animation later
// (ImageBox::ContinueWith), which then goes on from the frame it has come
// to.
//
// The lead-in is the file's bytes up to the end of the last frame it keeps,
// then the trailer: header, palette, loop count and every frame's own
// extensions stay as they were, so its frames are the whole's, pixel for
// pixel and delay for delay.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tabulo::ui {

// Nothing when the bytes are not a well-formed GIF as far as the lead-in
// reaches, or hold no more than `frames` frames (the whole is then as cheap).
[[nodiscard]] std::optional<std::vector<std::uint8_t>> GifLeadIn(std::span<const std::uint8_t> gif, int frames);

}  // namespace tabulo::ui
