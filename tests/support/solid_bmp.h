#pragma once
// A square picture of one colour as BMP file bytes (24 bits, bottom-up),
// for tests and demos that need picture bytes with a known colour, such as
// a menu item's icon.
#include <cstdint>
#include <vector>

namespace tabulo::test {

inline std::vector<std::uint8_t> SolidBmp(int side, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  const int rowBytes = (side * 3 + 3) / 4 * 4;
  const std::uint32_t pixelOffset = 14 + 40;
  const std::uint32_t fileSize = pixelOffset + static_cast<std::uint32_t>(rowBytes * side);
  std::vector<std::uint8_t> bytes;
  auto put = [&](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  };
  bytes.push_back('B');
  bytes.push_back('M');
  put(fileSize, 4);
  put(0, 4);
  put(pixelOffset, 4);
  put(40, 4);  // the info header: size, width, height, planes, bits, no compression
  put(static_cast<std::uint32_t>(side), 4);
  put(static_cast<std::uint32_t>(side), 4);
  put(1, 2);
  put(24, 2);
  put(0, 4 * 6);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) bytes.insert(bytes.end(), {b, g, r});
    bytes.resize(bytes.size() + static_cast<std::size_t>(rowBytes - side * 3), 0);
  }
  return bytes;
}

}  // namespace tabulo::test
