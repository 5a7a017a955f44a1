#pragma once
// Just enough of the PNG, JPEG, GIF, ICO and WAV layouts to read what the
// asset tests check: pixel sizes, image kinds, frame counts, sample format.
// Each parser returns nothing when the bytes do not hold a well-formed file
// of its kind (as far as it reads).
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

namespace tabulo::test {

using Bytes = std::span<const std::uint8_t>;

inline std::uint32_t Le16(Bytes b, std::size_t at) { return b[at] | b[at + 1] << 8; }
inline std::uint32_t Le32(Bytes b, std::size_t at) { return Le16(b, at) | Le16(b, at + 2) << 16; }
inline std::uint32_t Be16(Bytes b, std::size_t at) { return b[at] << 8 | b[at + 1]; }
inline std::uint32_t Be32(Bytes b, std::size_t at) { return Be16(b, at) << 16 | Be16(b, at + 2); }
inline bool StartsWith(Bytes b, std::size_t at, const char* text) {
  const std::size_t n = std::strlen(text);
  return b.size() >= at + n && std::memcmp(b.data() + at, text, n) == 0;
}

struct PngHeader {
  int width;
  int height;
  int bit_depth;
  int colour_type;  // 2 RGB, 6 RGBA
};

inline std::optional<PngHeader> ParsePng(Bytes b) {
  if (!StartsWith(b, 0, "\x89PNG\r\n\x1a\n") || b.size() < 33) return {};
  if (Be32(b, 8) != 13 || !StartsWith(b, 12, "IHDR")) return {};
  return PngHeader{int(Be32(b, 16)), int(Be32(b, 20)), b[24], b[25]};
}

struct PixelSize {
  int width;
  int height;
  bool operator==(const PixelSize&) const = default;
};

// The size in the first start-of-frame segment (baseline or progressive).
inline std::optional<PixelSize> ParseJpeg(Bytes b) {
  if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return {};
  std::size_t at = 2;
  while (at + 4 <= b.size()) {
    if (b[at] != 0xFF) return {};
    const std::uint8_t marker = b[at + 1];
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    const std::size_t length = Be16(b, at + 2);
    const bool start_of_frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (start_of_frame) {
      if (at + 9 > b.size()) return {};
      return PixelSize{int(Be16(b, at + 7)), int(Be16(b, at + 5))};
    }
    at += 2 + length;
  }
  return {};
}

struct GifSummary {
  PixelSize screen;
  int frames;
  bool loops;  // carries the NETSCAPE2.0 looping extension
};

// Walks every block up to the trailer; a truncated stream gives nothing.
inline std::optional<GifSummary> ParseGif(Bytes b) {
  if (!StartsWith(b, 0, "GIF89a") || b.size() < 13) return {};
  GifSummary gif{{int(Le16(b, 6)), int(Le16(b, 8))}, 0, false};
  std::size_t at = 13;
  if (b[10] & 0x80) at += 3u << ((b[10] & 7) + 1);
  auto skip_sub_blocks = [&]() {
    while (at < b.size() && b[at] != 0) at += 1 + b[at];
    ++at;
    return at <= b.size();
  };
  while (at < b.size()) {
    const std::uint8_t introducer = b[at];
    if (introducer == 0x3B) return gif;
    if (introducer == 0x21 && at + 2 < b.size()) {
      if (b[at + 1] == 0xFF && StartsWith(b, at + 3, "NETSCAPE2.0")) gif.loops = true;
      at += 2;
      if (!skip_sub_blocks()) return {};
    } else if (introducer == 0x2C && at + 10 < b.size()) {
      const std::uint8_t flags = b[at + 9];
      at += 10;
      if (flags & 0x80) at += 3u << ((flags & 7) + 1);
      ++at;  // LZW minimum code size
      if (!skip_sub_blocks()) return {};
      ++gif.frames;
    } else {
      return {};
    }
  }
  return {};
}

struct IconImage {
  int size;  // width = height
  int bits_per_pixel;
  bool png;
  bool operator==(const IconImage&) const = default;
};

// Also checks each image's own header against its directory entry and that
// bitmap images hold their colour table, colour bits and AND mask exactly.
inline std::optional<std::vector<IconImage>> ParseIco(Bytes b) {
  if (b.size() < 6 || Le16(b, 0) != 0 || Le16(b, 2) != 1) return {};
  std::vector<IconImage> images;
  const std::size_t count = Le16(b, 4);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 16 * i;
    if (entry + 16 > b.size()) return {};
    const int width = b[entry] ? b[entry] : 256;
    const int height = b[entry + 1] ? b[entry + 1] : 256;
    const int bpp = int(Le16(b, entry + 6));
    const std::size_t length = Le32(b, entry + 8);
    const std::size_t offset = Le32(b, entry + 12);
    if (width != height || offset + length > b.size()) return {};
    const Bytes image = b.subspan(offset, length);
    if (auto png = ParsePng(image)) {
      if (png->width != width || png->height != height) return {};
      images.push_back({width, bpp, true});
      continue;
    }
    if (length < 40 || Le32(image, 0) != 40 || int(Le32(image, 4)) != width || int(Le32(image, 8)) != 2 * height ||
        int(Le16(image, 14)) != bpp) {
      return {};
    }
    const std::size_t colours = bpp <= 8 ? (Le32(image, 32) ? Le32(image, 32) : 1u << bpp) : 0;
    const std::size_t colour_row = (std::size_t(width) * bpp + 31) / 32 * 4;
    const std::size_t mask_row = (std::size_t(width) + 31) / 32 * 4;
    if (length != 40 + 4 * colours + (colour_row + mask_row) * height) return {};
    images.push_back({width, bpp, false});
  }
  return images;
}

struct WavSummary {
  int format;  // 1 = PCM
  int channels;
  int sample_rate;
  int bits;
  int block_align;
  Bytes samples;
};

inline std::optional<WavSummary> ParseWav(Bytes b) {
  if (!StartsWith(b, 0, "RIFF") || !StartsWith(b, 8, "WAVE") || Le32(b, 4) + 8 != b.size()) return {};
  std::optional<WavSummary> wav;
  std::size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::size_t size = Le32(b, at + 4);
    if (at + 8 + size > b.size()) return {};
    if (StartsWith(b, at, "fmt ") && size >= 16) {
      wav = WavSummary{int(Le16(b, at + 8)), int(Le16(b, at + 10)), int(Le32(b, at + 12)), int(Le16(b, at + 22)),
                       int(Le16(b, at + 20)), {}};
    } else if (StartsWith(b, at, "data") && wav) {
      wav->samples = b.subspan(at + 8, size);
      return wav;
    }
    at += 8 + size + (size & 1);
  }
  return {};
}

}  // namespace tabulo::test
