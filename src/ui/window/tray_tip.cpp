#include "ui/window/tray_tip.h"

#include "base/text/utf16_cut.h"
#include "base/text/utf8.h"

namespace tabulo::ui {
namespace {

std::u16string Cut(std::u16string text) {
  const std::size_t end = text.find(u'\0');
  if (end != std::u16string::npos) text.resize(end);
  return CutUtf16(std::move(text), kTrayTipMaxUnits);
}

}  // namespace

std::u16string TrayTipText(std::string_view utf8) { return Cut(Utf8ToUtf16(utf8)); }

std::u16string TrayTipFromUtf16Bytes(std::string_view bytes) {
  std::u16string units;
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    const auto low = static_cast<unsigned char>(bytes[i]);
    const auto high = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0u;
    units.push_back(static_cast<char16_t>(low | high << 8));
  }
  return Cut(std::move(units));
}

}  // namespace tabulo::ui
