#include "ui/controls/gif_lead_in.h"

#include <gtest/gtest.h>

#include <string>

namespace tabulo::ui {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Append(Bytes& to, std::initializer_list<std::uint8_t> bytes) { to.insert(to.end(), bytes); }

// A 2 x 2 GIF whose frames carry what a lead-in must step over: a global
// colour table, a loop-count extension, a comment before a frame, a frame
// with its own colour table and image data in two sub-blocks. The pixels
// are nonsense; only the block structure counts.
Bytes Gif(int frames) {
  Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0};
  Append(gif, {0, 0, 0, 255, 255, 255});  // 2-colour global table
  Append(gif, {0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0, 0, 0});
  for (int i = 0; i < frames; ++i) {
    const auto n = static_cast<std::uint8_t>(i);
    if (i % 2 == 1) Append(gif, {0x21, 0xFE, 2, 'c', n, 0});  // comment
    Append(gif, {0x21, 0xF9, 4, 0x04, 10, 0, 0, 0});          // frame delay
    if (i % 3 == 2) {
      Append(gif, {0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0x81});  // local table of 4 colours
      Append(gif, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    } else {
      Append(gif, {0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0});
    }
    Append(gif, {2, 2, 0x44, n, 1, 0x3B, 0});  // code size, two sub-blocks (one a trailer byte), end
  }
  gif.push_back(0x3B);
  return gif;
}

TEST(GifLeadIn, KeepsTheFirstFramesByteForByteAndEndsTheFile) {
  const Bytes whole = Gif(6);
  for (int frames = 1; frames < 6; ++frames) {
    SCOPED_TRACE(frames);
    const std::optional<Bytes> leadIn = GifLeadIn(whole, frames);
    ASSERT_TRUE(leadIn);
    EXPECT_EQ(*leadIn, Gif(frames));  // the next frame's comment and delay are left out
  }
}

TEST(GifLeadIn, NothingWhereTheWholeIsNoLongerOrNotAGif) {
  const Bytes whole = Gif(4);
  Bytes cut = whole;
  cut.resize(cut.size() - 12);  // the last frame's data ends early
  Bytes png = whole;
  png[0] = 0x89;
  const struct {
    const char* what;
    Bytes bytes;
    int frames;
  } kCases[] = {
      {"as many frames as the whole", whole, 4},
      {"more frames than the whole", whole, 5},
      {"no frames", whole, 0},
      {"a file cut short", cut, 3},
      {"not a GIF", png, 2},
      {"shorter than a header", Bytes{'G', 'I', 'F'}, 1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(GifLeadIn(c.bytes, c.frames));
  }
}

}  // namespace
}  // namespace tabulo::ui
