#include "ui/controls/image_frames.h"

#include <utility>

namespace tabulo::ui {
namespace {

constexpr std::uint16_t kPropertyTypeLong = 4;
constexpr std::uint16_t kPropertyTypeSLong = 9;

std::int32_t ReadLittleEndian32(std::span<const std::uint8_t> bytes) {
  return static_cast<std::int32_t>(std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                                   std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24);
}

}  // namespace

std::vector<int> FrameDelays(std::uint16_t propertyType, std::span<const std::uint8_t> value, int frameCount,
                             bool fixShortDelays) {
  std::vector<int> delays(frameCount > 0 ? frameCount : 0, 0);
  if (propertyType == kPropertyTypeLong || propertyType == kPropertyTypeSLong) {
    for (std::size_t i = 0; i < delays.size() && 4 * i + 4 <= value.size(); ++i) {
      delays[i] = ReadLittleEndian32(value.subspan(4 * i, 4));
    }
  }
  if (fixShortDelays) {
    for (int& delay : delays) {
      if (delay <= 9) delay = kShortestFixedDelay;
    }
  }
  return delays;
}

FrameSequence::FrameSequence(int frameCount, std::vector<int> delays)
    : frameCount_(frameCount > 0 ? frameCount : 0), delays_(std::move(delays)) {
  Rewind();
}

int FrameSequence::FrameToShow() {
  if (currentFrame_ < 1 || currentFrame_ > frameCount_) currentFrame_ = 1;
  return currentFrame_ - 1;
}

int FrameSequence::AdvanceAfterPaint() {
  const int shown = FrameToShow();
  currentFrame_ = currentFrame_ >= frameCount_ ? 1 : currentFrame_ + 1;
  return DelayMs(shown);
}

int FrameSequence::DelayOfShownFrameMs() const {
  // Nothing has advanced since the transition painted the current frame.
  return DelayMs(currentFrame_ >= 1 && currentFrame_ <= frameCount_ ? currentFrame_ - 1 : 0);
}

int FrameSequence::DelayMs(int frameIndex) const {
  if (frameIndex < 0 || frameIndex >= static_cast<int>(delays_.size())) return 0;
  return delays_[frameIndex] * 10;
}

}  // namespace tabulo::ui
