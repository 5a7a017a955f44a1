#include "ui/engine/font_names.h"

namespace tabulo::ui {

std::string CaptionFontCandidate(std::string_view systemCaptionFace) {
  if (systemCaptionFace.empty() || systemCaptionFace == "Tahoma") return std::string(kSongTi);
  return std::string(systemCaptionFace);
}

}  // namespace tabulo::ui
