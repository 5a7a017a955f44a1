#include "ui/engine/icon_file.h"

namespace tabulo::ui {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;

std::uint32_t Read16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8;
}

std::uint32_t Read32(std::span<const std::uint8_t> b, std::size_t at) {
  return Read16(b, at) | Read16(b, at + 2) << 16;
}

}  // namespace

std::optional<IconFileImage> ReadIconFileImage(std::span<const std::uint8_t> file, int index) {
  if (file.size() < kHeaderSize || index < 1) return std::nullopt;
  const std::uint32_t count = Read16(file, 4);
  if (static_cast<std::uint32_t>(index) > count) return std::nullopt;
  const std::size_t entry = kHeaderSize + kEntrySize * static_cast<std::size_t>(index - 1);
  if (entry + kEntrySize > file.size()) return std::nullopt;
  const std::size_t size = Read32(file, entry + 8);
  const std::size_t offset = Read32(file, entry + 12);
  if (offset > file.size() || size > file.size() - offset || size == 0) return std::nullopt;

  IconFileImage image;
  image.width = file[entry] == 0 ? 256 : file[entry];
  image.height = file[entry + 1] == 0 ? 256 : file[entry + 1];
  image.cursorFile = Read16(file, 2) != 1;
  if (image.cursorFile) {
    // A cursor resource starts with its hotspot, which the file keeps in
    // the directory entry instead.
    image.resource.assign(file.begin() + static_cast<std::ptrdiff_t>(entry + 4),
                          file.begin() + static_cast<std::ptrdiff_t>(entry + 8));
  }
  image.resource.insert(image.resource.end(), file.begin() + static_cast<std::ptrdiff_t>(offset),
                        file.begin() + static_cast<std::ptrdiff_t>(offset + size));
  return image;
}

}  // namespace tabulo::ui
