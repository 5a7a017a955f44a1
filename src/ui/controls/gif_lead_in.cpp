#include "ui/controls/gif_lead_in.h"

#include <cstddef>

namespace tabulo::ui {
namespace {

constexpr std::size_t kHeaderSize = 6 + 7;  // signature and version, logical screen descriptor
constexpr std::size_t kImageDescriptorSize = 10;
constexpr std::uint8_t kExtension = 0x21;
constexpr std::uint8_t kImage = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;

// The size of the colour table a packed field announces (bit 7 set), else 0.
std::size_t ColourTableSize(std::uint8_t packed) {
  return (packed & 0x80) != 0 ? 3u * (2u << (packed & 0x07)) : 0;
}

// Where the chain of data sub-blocks starting at `at` ends (after its
// terminating empty block), or nothing when the bytes end first.
std::optional<std::size_t> SkipSubBlocks(std::span<const std::uint8_t> gif, std::size_t at) {
  while (at < gif.size()) {
    const std::size_t size = gif[at];
    at += 1 + size;
    if (size == 0) return at;
  }
  return std::nullopt;
}

// Where the block starting at `at` ends, and whether it was a frame.
struct Block {
  std::size_t end;
  bool frame;
};

std::optional<Block> SkipBlock(std::span<const std::uint8_t> gif, std::size_t at) {
  if (gif[at] == kExtension) {
    if (at + 2 > gif.size()) return std::nullopt;
    const std::optional<std::size_t> end = SkipSubBlocks(gif, at + 2);
    if (!end) return std::nullopt;
    return Block{*end, false};
  }
  if (gif[at] != kImage || at + kImageDescriptorSize > gif.size()) return std::nullopt;
  // Descriptor, local colour table, the LZW code size, then the image data.
  const std::size_t data = at + kImageDescriptorSize + ColourTableSize(gif[at + 9]) + 1;
  const std::optional<std::size_t> end = SkipSubBlocks(gif, data);
  if (!end) return std::nullopt;
  return Block{*end, true};
}

bool IsGif(std::span<const std::uint8_t> gif) {
  return gif.size() >= kHeaderSize && gif[0] == 'G' && gif[1] == 'I' && gif[2] == 'F';
}

}  // namespace

std::optional<std::vector<std::uint8_t>> GifLeadIn(std::span<const std::uint8_t> gif, int frames) {
  if (!IsGif(gif) || frames < 1) return std::nullopt;
  std::size_t at = kHeaderSize + ColourTableSize(gif[10]);
  int kept = 0;
  std::size_t leadInEnd = 0;  // after the last frame kept
  while (at < gif.size() && gif[at] != kTrailer) {
    const std::optional<Block> block = SkipBlock(gif, at);
    if (!block || block->end > gif.size()) return std::nullopt;
    if (block->frame && kept == frames) {
      // There is more: the lead-in ends with its last frame; what follows
      // it (the next frame's extensions) is not its.
      std::vector<std::uint8_t> leadIn(gif.begin(), gif.begin() + static_cast<std::ptrdiff_t>(leadInEnd));
      leadIn.push_back(kTrailer);
      return leadIn;
    }
    if (block->frame && ++kept == frames) leadInEnd = block->end;
    at = block->end;
  }
  return std::nullopt;
}

}  // namespace tabulo::ui
