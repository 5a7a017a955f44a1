#pragma once
// Reading one image out of an icon (.ico) or cursor (.cur) file held in
// memory, in the form CreateIconFromResourceEx takes: the image data, with
// the hotspot in front of it for a cursor.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tabulo::ui {

struct IconFileImage {
  int width = 0;   // 0 in the directory means 256
  int height = 0;
  bool cursorFile = false;
  std::vector<std::uint8_t> resource;
};

// index counts from 1. Nothing when the index is 0 or beyond the file's
// image count, or when the entry points outside the bytes.
[[nodiscard]] std::optional<IconFileImage> ReadIconFileImage(std::span<const std::uint8_t> file, int index);

}  // namespace tabulo::ui
