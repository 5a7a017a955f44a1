// Icon and cursor files read from their bytes: the entry's size and data,
// and a cursor's hotspot put in front of its image.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ui/engine/icon_file.h"

namespace tabulo::ui {
namespace {

std::vector<std::uint8_t> IconFile(std::uint16_t type, std::uint16_t count, std::uint32_t size, std::uint32_t offset) {
  std::vector<std::uint8_t> f = {0, 0, static_cast<std::uint8_t>(type), 0, static_cast<std::uint8_t>(count), 0};
  const std::uint8_t entry[16] = {32,
                                  0,  // width 32, height 0 (= 256)
                                  0,
                                  0,
                                  5,
                                  0,
                                  9,
                                  0,  // hotspot 5, 9 (planes/bit count in an icon file)
                                  static_cast<std::uint8_t>(size),
                                  0,
                                  0,
                                  0,
                                  static_cast<std::uint8_t>(offset),
                                  0,
                                  0,
                                  0};
  f.insert(f.end(), entry, entry + 16);
  for (std::uint32_t i = 0; i < size; ++i) f.push_back(static_cast<std::uint8_t>(0xA0 + i));
  return f;
}

TEST(IconFile, ReadsTheEntryAndPutsTheHotspotInFrontForCursors) {
  const auto icon = ReadIconFileImage(IconFile(1, 1, 3, 22), 1);
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->width, 32);
  EXPECT_EQ(icon->height, 256);
  EXPECT_EQ(icon->resource, (std::vector<std::uint8_t>{0xA0, 0xA1, 0xA2}));
  const auto cursor = ReadIconFileImage(IconFile(2, 1, 3, 22), 1);
  ASSERT_TRUE(cursor);
  EXPECT_TRUE(cursor->cursorFile);
  EXPECT_EQ(cursor->resource, (std::vector<std::uint8_t>{5, 0, 9, 0, 0xA0, 0xA1, 0xA2}));
}

TEST(IconFile, RefusesIndexesBeyondTheCountAndEntriesOutsideTheFile) {
  EXPECT_FALSE(ReadIconFileImage(IconFile(1, 1, 3, 22), 2));
  EXPECT_FALSE(ReadIconFileImage(IconFile(1, 1, 3, 22), 0));
  EXPECT_FALSE(ReadIconFileImage(IconFile(1, 2, 3, 22), 2));   // count says 2, the file holds one entry
  EXPECT_FALSE(ReadIconFileImage(IconFile(1, 1, 3, 200), 1));  // data offset past the end
  auto truncated = IconFile(1, 1, 3, 22);
  truncated.pop_back();
  EXPECT_FALSE(ReadIconFileImage(truncated, 1));
  EXPECT_FALSE(ReadIconFileImage({}, 1));
}

}  // namespace
}  // namespace tabulo::ui
