#include "ui/controls/edit_properties.h"

namespace tabulo::ui {
namespace {

constexpr std::uint32_t kEsAutoVScroll = 0x40;
constexpr std::uint32_t kEsAutoHScroll = 0x80;
constexpr std::uint32_t kEsDisableNoScroll = 0x2000;
constexpr std::uint32_t kWsHScroll = 0x100000;
constexpr std::uint32_t kWsVScroll = 0x200000;

constexpr std::uint32_t kMenuEnabled = 0;
constexpr std::uint32_t kMenuDisabled = 1;
constexpr std::uint32_t kSelectAllEnabled = 128;

bool HasHorizontalBar(int scrollBars) { return scrollBars == kEditHorizontalBar || scrollBars == kEditBothBars; }
bool HasVerticalBar(int scrollBars) { return scrollBars == kEditVerticalBar || scrollBars == kEditBothBars; }

PropertyBitsChange Flag(std::uint32_t bit, bool on) { return {bit, on ? bit : 0}; }

}  // namespace

std::uint32_t EditPropertyBits(const EditTextProperties& p, std::uint32_t mask) {
  std::uint32_t bits = kTxtBitAllowBeep | kTxtBitSaveSelection;
  if (p.richText) bits |= kTxtBitRichText;
  if (p.multiLine) {
    bits |= kTxtBitMultiLine;
    if (p.scrollBars == kEditVerticalBar) bits |= kTxtBitWordWrap;
  }
  if (p.editStyle == kEditReadOnly) bits |= kTxtBitReadOnly;
  if (p.editStyle == kEditPassword) bits |= kTxtBitUsePassword;
  if (p.hideSelection) bits |= kTxtBitHideSelection;
  if (p.disableDrag) bits |= kTxtBitDisableDrag;
  return bits & mask;
}

std::uint32_t EditScrollBarStyle(int scrollBars) {
  std::uint32_t style = kEsAutoVScroll | kEsAutoHScroll | kEsDisableNoScroll;
  if (HasHorizontalBar(scrollBars)) style |= kWsHScroll;
  if (HasVerticalBar(scrollBars)) style |= kWsVScroll;
  return style;
}

PropertyBitsChange HideSelectionChange(bool hideSelection) { return Flag(kTxtBitHideSelection, hideSelection); }

PropertyBitsChange EditStyleChange(int editStyle) {
  std::uint32_t bits = 0;
  if (editStyle == kEditPassword) bits = kTxtBitUsePassword;
  if (editStyle == kEditReadOnly) bits = kTxtBitReadOnly;
  return {kTxtBitUsePassword | kTxtBitReadOnly, bits};
}

PropertyBitsChange PasswordCharChange(bool hasPasswordChar) { return Flag(kTxtBitUsePassword, hasPasswordChar); }
PropertyBitsChange MultiLineChange(bool multiLine) { return Flag(kTxtBitMultiLine, multiLine); }
PropertyBitsChange RichTextChange(bool richText) { return Flag(kTxtBitRichText, richText); }

std::uint32_t EditLengthLimit(int maxLength) {
  return maxLength > 0 ? static_cast<std::uint32_t>(maxLength) : kEditEngineLengthLimit;
}

bool EditTakesChar(int editStyle, std::uint32_t character) {
  if (editStyle == kEditNumber) return character == '-' || character == '.' || (character >= '0' && character <= '9');
  return character != '\t';
}

Argb WindowColourAfterTextColour(Argb textColour, Argb windowColour) {
  if ((textColour & 0x00FFFFFFu) != (windowColour & 0x00FFFFFFu)) return windowColour;
  return ~textColour & 0x00FFFFFFu;
}

std::optional<EditMenuStates> EditContextMenuStates(int editStyle, bool hasSelection, bool canPaste, int textLength) {
  if (editStyle == kEditPassword) return std::nullopt;
  EditMenuStates states;
  if (hasSelection) {
    states.copy = kMenuEnabled;
    if (editStyle != kEditReadOnly) states.cut = kMenuEnabled;
  }
  states.paste = editStyle == kEditReadOnly || !canPaste ? kMenuDisabled : kMenuEnabled;
  states.selectAll = textLength == 0 ? kMenuDisabled : kSelectAllEnabled;
  return states;
}

}  // namespace tabulo::ui
