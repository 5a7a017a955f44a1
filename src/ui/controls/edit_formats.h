#pragma once
// The default character and paragraph formats an Edit hands its rich-text
// engine, as plain records with the fields, bits and units of CHARFORMATW and
// PARAFORMAT; the Windows side copies them into the real structures.
//
// Only what is given is put into the mask, so the text engine keeps its own
// value for the rest: a size of 0, an offset of 0, a colour of 0 (fully
// transparent black) and an empty face name are "not given".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/color/color.h"
#include "ui/controls/text_alignment.h"

namespace tabulo::ui {

// CHARFORMATW mask bits.
inline constexpr std::uint32_t kCfmEffects = 0xF;  // bold, italic, underline, strike-out
inline constexpr std::uint32_t kCfmSize = 0x80000000;
inline constexpr std::uint32_t kCfmColour = 0x40000000;
inline constexpr std::uint32_t kCfmFace = 0x20000000;
inline constexpr std::uint32_t kCfmOffset = 0x10000000;
inline constexpr std::size_t kCharFormatFaceUnits = 31;  // plus the terminating zero
inline constexpr int kTwipsPerSizeUnit = 15;

// PARAFORMAT mask bits and alignments.
inline constexpr std::uint32_t kPfmStartIndent = 1;
inline constexpr std::uint32_t kPfmRightIndent = 2;
inline constexpr std::uint32_t kPfmOffset = 4;
inline constexpr std::uint32_t kPfmAlignment = 8;
inline constexpr std::uint32_t kPfmNumbering = 0x20;
inline constexpr std::uint16_t kPfaLeft = 1;
inline constexpr std::uint16_t kPfaRight = 2;
inline constexpr std::uint16_t kPfaCenter = 3;
inline constexpr std::int32_t kDefaultTabTwips = 720;

struct EditCharFormat {
  std::uint32_t mask = 0;
  std::uint32_t effects = 0;  // font style bits 1 bold, 2 italic, 4 underline, 8 strike-out
  std::int32_t height = 0;    // yHeight, twips
  std::int32_t offset = 0;    // yOffset
  Rgb colour = 0;             // crTextColor
  std::u16string face;        // szFaceName without its terminating zero
  friend bool operator==(const EditCharFormat&, const EditCharFormat&) = default;
};

struct CharFormatRequest {
  std::string_view face;  // UTF-8
  double size = 0;
  std::uint32_t effects = 0;
  Argb colour = 0;
  std::int32_t offset = 0;
};

[[nodiscard]] EditCharFormat MakeCharFormat(const CharFormatRequest& request);

// Size as the Edit reports it back: the height in twips / 15.
[[nodiscard]] std::int32_t SizeFromCharFormat(const EditCharFormat& format);

// The text engine turns twips into pixels at its drawing surface's DPI,
// while a field is laid out at its window's: a format goes to the engine
// with its height and offset scaled by windowDpi / surfaceDpi, so a size of
// 12 is 12 of the window's units at any scale, and comes back by the
// inverse. When the two agree (always at 96, and under Wine, whose surfaces
// have the display's DPI) nothing changes. A DPI of 0 or below changes
// nothing either.
[[nodiscard]] EditCharFormat CharFormatForSurface(EditCharFormat format, int windowDpi, int surfaceDpi);
[[nodiscard]] EditCharFormat CharFormatFromSurface(EditCharFormat format, int windowDpi, int surfaceDpi);

struct EditParaFormat {
  std::uint32_t mask = 0;
  std::uint16_t numbering = 0;
  std::int32_t startIndent = 0;
  std::int32_t rightIndent = 0;
  std::int32_t offset = 0;
  std::uint16_t alignment = 0;  // PFA_ value
  std::int16_t tabCount = 1;    // always one default tab, not in the mask
  std::int32_t firstTab = kDefaultTabTwips;
  friend bool operator==(const EditParaFormat&, const EditParaFormat&) = default;
};

struct ParaFormatRequest {
  std::optional<TextAlignment> alignment = std::nullopt;
  std::optional<std::int32_t> startIndent = std::nullopt;
  std::optional<std::int32_t> offset = std::nullopt;
  std::optional<std::int32_t> rightIndent = std::nullopt;
  std::uint16_t numbering = 0;
};

[[nodiscard]] EditParaFormat MakeParaFormat(const ParaFormatRequest& request);

// The Edit's alignment from a PFA_ value.
[[nodiscard]] TextAlignment AlignmentFromParaFormat(std::uint16_t pfa);

}  // namespace tabulo::ui
