#include "ui/controls/edit_formats.h"

#include <utility>

#include "base/text/utf16_cut.h"
#include "base/text/utf8.h"
#include "ui/controls/edit_layout.h"

namespace tabulo::ui {
namespace {

std::uint16_t ParaAlignment(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::kCentre: return kPfaCenter;
    case TextAlignment::kFar: return kPfaRight;
    default: return kPfaLeft;
  }
}

}  // namespace

EditCharFormat MakeCharFormat(const CharFormatRequest& request) {
  EditCharFormat format;
  format.mask = kCfmEffects;
  format.effects = request.effects;
  if (request.size != 0) {
    format.mask |= kCfmSize;
    format.height = static_cast<std::int32_t>(request.size * kTwipsPerSizeUnit);
  }
  if (request.offset != 0) {
    format.mask |= kCfmOffset;
    format.offset = request.offset;
  }
  if (request.colour != 0) {
    format.mask |= kCfmColour;
    format.colour = ToRgb(request.colour);
  }
  if (!request.face.empty()) {
    format.mask |= kCfmFace;
    format.face = CutUtf16(Utf8ToUtf16(request.face), kCharFormatFaceUnits);
  }
  return format;
}

std::int32_t SizeFromCharFormat(const EditCharFormat& format) { return format.height / kTwipsPerSizeUnit; }

EditCharFormat CharFormatForSurface(EditCharFormat format, int windowDpi, int surfaceDpi) {
  if (windowDpi == surfaceDpi || windowDpi <= 0 || surfaceDpi <= 0) return format;
  format.height = MulDivRounded(format.height, windowDpi, surfaceDpi);
  format.offset = MulDivRounded(format.offset, windowDpi, surfaceDpi);
  return format;
}

EditCharFormat CharFormatFromSurface(EditCharFormat format, int windowDpi, int surfaceDpi) {
  return CharFormatForSurface(std::move(format), surfaceDpi, windowDpi);
}

EditParaFormat MakeParaFormat(const ParaFormatRequest& request) {
  EditParaFormat format;
  if (request.numbering != 0) {
    format.mask |= kPfmNumbering;
    format.numbering = request.numbering;
  }
  if (request.startIndent) {
    format.mask |= kPfmStartIndent;
    format.startIndent = *request.startIndent;
  }
  if (request.rightIndent) {
    format.mask |= kPfmRightIndent;
    format.rightIndent = *request.rightIndent;
  }
  if (request.offset) {
    format.mask |= kPfmOffset;
    format.offset = *request.offset;
  }
  if (request.alignment) {
    format.mask |= kPfmAlignment;
    format.alignment = ParaAlignment(*request.alignment);
  }
  return format;
}

TextAlignment AlignmentFromParaFormat(std::uint16_t pfa) {
  if (pfa == kPfaCenter) return TextAlignment::kCentre;
  if (pfa == kPfaRight) return TextAlignment::kFar;
  return TextAlignment::kNear;
}

}  // namespace tabulo::ui
