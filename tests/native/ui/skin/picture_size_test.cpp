#include "ui/skin/picture_size.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace tabulo::ui {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Append(Bytes& b, std::uint32_t v, int n, bool bigEndian) {
  for (int i = 0; i < n; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * (bigEndian ? n - 1 - i : i))));
}

Bytes Png(std::uint32_t width, std::uint32_t height) {
  Bytes b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  Append(b, width, 4, true);
  Append(b, height, 4, true);
  b.insert(b.end(), {8, 6, 0, 0, 0});
  return b;
}

// SOI, an APP0 segment (skipped by its length), fill bytes, then a frame
// header of the given marker.
Bytes Jpeg(std::uint16_t width, std::uint16_t height, std::uint8_t frameMarker = 0xC0) {
  Bytes b = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0, 0xFF, 0xFF, frameMarker,
             0, 17, 8};
  Append(b, height, 2, true);
  Append(b, width, 2, true);
  b.insert(b.end(), {3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1});
  return b;
}

// A logical screen with a global colour table, a comment extension and the
// given frames (left, top, width, height), each with one data sub-block.
Bytes Gif(std::uint16_t width, std::uint16_t height, std::initializer_list<std::array<std::uint16_t, 4>> frames) {
  Bytes b = {'G', 'I', 'F', '8', '9', 'a'};
  Append(b, width, 2, false);
  Append(b, height, 2, false);
  b.insert(b.end(), {0x80, 0, 0});          // global table of 2 colours
  b.insert(b.end(), {0, 0, 0, 255, 255, 255});
  b.insert(b.end(), {0x21, 0xFE, 2, 'h', 'i', 0});  // comment
  for (const auto& f : frames) {
    b.push_back(0x2C);
    for (std::uint16_t v : f) Append(b, v, 2, false);
    b.insert(b.end(), {0, 2, 2, 0x4C, 0x01, 0});
  }
  b.push_back(0x3B);
  return b;
}

Bytes Bmp(std::uint32_t headerSize, std::int32_t width, std::int32_t height) {
  Bytes b = {'B', 'M'};
  Append(b, 0, 4, false);
  Append(b, 0, 4, false);
  Append(b, 54, 4, false);
  Append(b, headerSize, 4, false);
  if (headerSize == 12) {
    Append(b, static_cast<std::uint32_t>(width), 2, false);
    Append(b, static_cast<std::uint32_t>(height), 2, false);
  } else {
    Append(b, static_cast<std::uint32_t>(width), 4, false);
    Append(b, static_cast<std::uint32_t>(height), 4, false);
  }
  b.resize(b.size() + 24, 0);
  return b;
}

TEST(PictureSize, ReadsTheDeclaredSizeOfEachFormat) {
  struct Case {
    const char* what;
    Bytes bytes;
    std::optional<Size> size;
  };
  const Case kCases[] = {
      {"PNG", Png(64, 48), Size{64, 48}},
      {"PNG beyond the int range", Png(0xFFFFFFFF, 1), Size{std::numeric_limits<int>::max(), 1}},
      {"PNG of no width", Png(0, 48), std::nullopt},
      {"JPEG baseline", Jpeg(640, 480), Size{640, 480}},
      {"JPEG progressive", Jpeg(65535, 2, 0xC2), Size{65535, 2}},
      {"JPEG height from a later DNL marker", Jpeg(640, 0), std::nullopt},
      {"GIF", Gif(40, 30, {{0, 0, 40, 30}}), Size{40, 30}},
      {"GIF frame reaching past the screen", Gif(40, 30, {{0, 0, 40, 30}, {65000, 10, 500, 65535}}),
       Size{65500, 65545}},
      {"BMP", Bmp(40, 100, 50), Size{100, 50}},
      {"BMP with top-down rows", Bmp(124, 100, -50), Size{100, 50}},
      {"BMP with the lowest height", Bmp(40, 1, std::numeric_limits<std::int32_t>::min()),
       Size{1, std::numeric_limits<int>::max()}},
      {"BMP core header", Bmp(12, 300, 200), Size{300, 200}},
      {"BMP of negative width", Bmp(40, -5, 5), std::nullopt},
      {"ICO", {0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0}, std::nullopt},
      {"nothing", {}, std::nullopt},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ReadPictureSize(c.bytes), c.size);
  }
}

TEST(PictureSize, HeadersCutShortGiveNothingAndAreNeverReadPast) {
  for (const Bytes& whole : {Png(64, 48), Jpeg(640, 480), Bmp(40, 100, 50), Bmp(12, 3, 2)}) {
    for (std::size_t size = 0; size < whole.size(); ++size) {
      const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
      const std::optional<Size> read = ReadPictureSize(cut);
      // The header may end before the file does; then the size is known.
      if (read) {
        EXPECT_EQ(read, ReadPictureSize(whole)) << "cut to " << size;
      }
    }
  }
  Bytes lying = Jpeg(640, 480);
  lying[5] = 0xFF;  // APP0 claims more bytes than there are
  EXPECT_EQ(ReadPictureSize(lying), std::nullopt);
}

TEST(PictureSize, OnlyKnownPicturesWithin8192PixelsAreDecoded) {
  struct Case {
    const char* what;
    Bytes bytes;
    bool decodable;
  };
  const Case kCases[] = {
      {"PNG at the limit", Png(8192, 8192), true},
      {"PNG one column wider", Png(8193, 1), false},
      {"PNG one row taller", Png(1, 8193), false},
      {"JPEG 65535 wide", Jpeg(65535, 1), false},
      {"GIF whose second frame is too tall", Gif(16, 16, {{0, 0, 16, 16}, {0, 0, 16, 9000}}), false},
      {"BMP of 100000 rows top-down", Bmp(40, 1, -100000), false},
      {"small BMP", Bmp(40, 16, 16), true},
      {"unknown format", {'I', 'I', '*', 0, 8, 0, 0, 0}, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(IsDecodablePicture(c.bytes), c.decodable);
  }
}

}  // namespace
}  // namespace tabulo::ui
