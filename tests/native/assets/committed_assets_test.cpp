// The generated pictures, icon and chime must keep the formats and pixel
// sizes the windows are laid out for; a regenerated file that drifts (wrong
// size, alpha lost, a frame missing, a malformed icon) fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "native/assets/asset_headers.h"
#include "support/committed_assets.h"

namespace tabulo::test {
namespace {

const std::filesystem::path kAssetsDir = TABULO_ASSETS_DIR;

std::vector<std::uint8_t> Read(const char* file) { return ReadAssetFile(kAssetsDir, file); }

TEST(CommittedAssets, PicturesHaveTheirFormatAndPixelSize) {
  for (const CommittedAsset& asset : kCommittedAssets) {
    SCOPED_TRACE(asset.file);
    const std::vector<std::uint8_t> bytes = Read(asset.file);
    ASSERT_FALSE(bytes.empty());
    const PixelSize expected{asset.width, asset.height};
    switch (asset.format) {
      case AssetFormat::kPng:
      case AssetFormat::kPngWithAlpha: {
        const auto png = ParsePng(bytes);
        ASSERT_TRUE(png);
        EXPECT_EQ((PixelSize{png->width, png->height}), expected);
        if (asset.format == AssetFormat::kPngWithAlpha) {
          EXPECT_EQ(png->colour_type, 6) << "needs an alpha channel";
          EXPECT_EQ(png->bit_depth, 8);
        }
        break;
      }
      case AssetFormat::kJpeg:
        EXPECT_EQ(ParseJpeg(bytes), expected);
        break;
      case AssetFormat::kGif: {
        const auto gif = ParseGif(bytes);
        ASSERT_TRUE(gif);
        EXPECT_EQ(gif->screen, expected);
        break;
      }
      case AssetFormat::kWav:
        EXPECT_TRUE(ParseWav(bytes));
        break;
    }
  }
}

TEST(CommittedAssets, StartupAnimationLoopsThroughAHundredFrames) {
  const auto gif = ParseGif(Read("shell/startup.gif"));
  ASSERT_TRUE(gif);
  EXPECT_EQ(gif->frames, 100);
  EXPECT_TRUE(gif->loops);
}

TEST(CommittedAssets, ProgramIconHoldsNineImagesForEveryColourDepth) {
  const std::vector<IconImage> expected = {
      {32, 4, false}, {16, 4, false}, {48, 8, false}, {32, 8, false},  {16, 8, false},
      {256, 32, true}, {48, 32, false}, {32, 32, false}, {16, 32, false},
  };
  const auto images = ParseIco(Read("icon/tabulo.ico"));
  ASSERT_TRUE(images) << "malformed icon file";
  EXPECT_EQ(*images, expected);
}

TEST(CommittedAssets, ChimeIsStereo16BitPcmOf30000FramesEndingInSilence) {
  const std::vector<std::uint8_t> bytes = Read("tools/chime.wav");
  const auto wav = ParseWav(bytes);
  ASSERT_TRUE(wav);
  EXPECT_EQ(wav->format, 1);
  EXPECT_EQ(wav->channels, 2);
  EXPECT_EQ(wav->bits, 16);
  EXPECT_EQ(wav->sample_rate, 11025);
  ASSERT_EQ(wav->block_align, 4);
  ASSERT_EQ(wav->samples.size(), 30000u * 4);

  // A clipped peak crackles and a cut-off tail clicks when playback stops.
  int peak = 0;
  for (std::size_t at = 0; at < wav->samples.size(); at += 2) {
    peak = std::max(peak, std::abs(int(std::int16_t(Le16(wav->samples, at)))));
  }
  EXPECT_LT(peak, 32767);
  EXPECT_EQ(Le32(wav->samples, wav->samples.size() - 4), 0u) << "last frame is not silent";
}

}  // namespace
}  // namespace tabulo::test
