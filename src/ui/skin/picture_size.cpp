// Each reader walks only as far as the header it needs and checks every
// offset against the bytes it has, so any input (cut short, lying lengths)
// gives a size or nothing and never reads outside the bytes.
#include "ui/skin/picture_size.h"

#include <algorithm>
#include <array>

#include "base/number/saturating_int.h"

namespace tabulo::ui {
namespace {

using Bytes = std::span<const std::uint8_t>;

bool StartsWith(Bytes bytes, std::span<const std::uint8_t> prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

std::uint32_t BigEndian(Bytes b, std::size_t at, int n) {
  std::uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
  return v;
}

std::uint32_t LittleEndian(Bytes b, std::size_t at, int n) {
  std::uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
  return v;
}

std::optional<Size> Positive(std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0) return std::nullopt;
  return Size{ClampToInt(width), ClampToInt(height)};
}

// Signature, then the IHDR chunk: length 13, "IHDR", width, height (big-endian).
std::optional<Size> PngSize(Bytes b) {
  constexpr std::array<std::uint8_t, 16> kStart = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,
                                                   0,    0,   0,   13,  'I',  'H',  'D',  'R'};
  if (!StartsWith(b, kStart) || b.size() < 24) return std::nullopt;
  return Positive(BigEndian(b, 16, 4), BigEndian(b, 20, 4));
}

bool IsJpegFrameHeader(std::uint8_t marker) {
  // SOF0..SOF15 except DHT (C4), JPG (C8) and DAC (CC).
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Segments from SOI on, each "FF marker length(2) data", up to the first
// scan; the frame header holds precision(1), height(2), width(2).
std::optional<Size> JpegSize(Bytes b) {
  if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return std::nullopt;
  std::size_t at = 2;
  while (at + 1 < b.size()) {
    if (b[at] != 0xFF) return std::nullopt;
    const std::uint8_t marker = b[at + 1];
    at += 2;
    if (marker == 0xFF) {  // fill byte before a marker
      --at;
      continue;
    }
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;  // markers without a length
    if (marker == 0xD9 || marker == 0xDA || at + 2 > b.size()) return std::nullopt;  // no frame before the scan
    const std::size_t length = BigEndian(b, at, 2);
    if (length < 2 || b.size() - at < length) return std::nullopt;
    if (IsJpegFrameHeader(marker)) {
      if (length < 7) return std::nullopt;
      return Positive(BigEndian(b, at + 5, 2), BigEndian(b, at + 3, 2));
    }
    at += length;
  }
  return std::nullopt;
}

// Reads a GIF's blocks; the size is what holds the logical screen and
// every frame placed on it, since the decoder may allocate either.
class GifWalker {
 public:
  explicit GifWalker(Bytes b) : b_(b) {}

  std::optional<Size> Extent() {
    if (b_.size() < 13) return std::nullopt;
    std::int64_t width = LittleEndian(b_, 6, 2), height = LittleEndian(b_, 8, 2);
    at_ = 13;
    if (!SkipColourTable(b_[10])) return Positive(width, height);
    while (at_ < b_.size()) {
      const std::uint8_t block = b_[at_++];
      if (block == 0x2C) {  // frame: left, top, width, height, flags
        if (b_.size() - at_ < 9) break;
        width = std::max<std::int64_t>(width, LittleEndian(b_, at_, 2) + std::int64_t{LittleEndian(b_, at_ + 4, 2)});
        height = std::max<std::int64_t>(height, LittleEndian(b_, at_ + 2, 2) + std::int64_t{LittleEndian(b_, at_ + 6, 2)});
        const std::uint8_t flags = b_[at_ + 8];
        at_ += 9;
        if (!SkipColourTable(flags) || ++at_ > b_.size() || !SkipSubBlocks()) break;  // ++: LZW code size
      } else if (block == 0x21) {  // extension: label, then sub-blocks
        if (++at_ > b_.size() || !SkipSubBlocks()) break;
      } else {
        break;  // trailer, or damage the decoder stops at too
      }
    }
    return Positive(width, height);
  }

 private:
  bool SkipColourTable(std::uint8_t flags) {
    if ((flags & 0x80) == 0) return true;
    const std::size_t size = 3u << ((flags & 7) + 1);
    if (b_.size() - at_ < size) return false;
    at_ += size;
    return true;
  }
  bool SkipSubBlocks() {
    while (at_ < b_.size()) {
      const std::size_t length = b_[at_++];
      if (length == 0) return true;
      if (b_.size() - at_ < length) return false;
      at_ += length;
    }
    return false;
  }

  Bytes b_;
  std::size_t at_ = 0;
};

std::optional<Size> GifSize(Bytes b) {
  constexpr std::array<std::uint8_t, 6> k87a = {'G', 'I', 'F', '8', '7', 'a'};
  constexpr std::array<std::uint8_t, 6> k89a = {'G', 'I', 'F', '8', '9', 'a'};
  if (!StartsWith(b, k87a) && !StartsWith(b, k89a)) return std::nullopt;
  return GifWalker(b).Extent();
}

// "BM", the 14-byte file header, then the info header: its size, then
// 16-bit sizes for the old 12-byte core header, 32-bit signed ones for all
// later headers (a negative height means top-down rows).
std::optional<Size> BmpSize(Bytes b) {
  if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
  const std::uint32_t header = LittleEndian(b, 14, 4);
  if (header == 12) return Positive(LittleEndian(b, 18, 2), LittleEndian(b, 20, 2));
  if (header < 16) return std::nullopt;
  const auto width = static_cast<std::int32_t>(LittleEndian(b, 18, 4));
  const auto height = static_cast<std::int32_t>(LittleEndian(b, 22, 4));
  const std::int64_t rows = height < 0 ? -std::int64_t{height} : height;
  return Positive(width, rows);
}

}  // namespace

std::optional<Size> ReadPictureSize(std::span<const std::uint8_t> bytes) {
  for (const auto reader : {PngSize, JpegSize, GifSize, BmpSize}) {
    if (const std::optional<Size> size = reader(bytes)) return size;
  }
  return std::nullopt;
}

bool IsDecodablePicture(std::span<const std::uint8_t> bytes) {
  const std::optional<Size> size = ReadPictureSize(bytes);
  return size && size->width <= kMaxPictureSide && size->height <= kMaxPictureSide;
}

}  // namespace tabulo::ui
