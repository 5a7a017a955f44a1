#pragma once
// What an Edit tells its rich-text engine about itself (property bits and
// scroll-bar styles), which typed characters it passes on, and the states of
// its context menu. The values are those of the text services interface
// (TXTBIT_*), the edit styles (ES_*, WS_*SCROLL) and the menu item states.
#include <cstdint>
#include <optional>

#include "base/color/color.h"

namespace tabulo::ui {

// editStyle values; compared for equality, not as bits.
inline constexpr int kEditNormal = 0;
inline constexpr int kEditPassword = 32;
inline constexpr int kEditReadOnly = 0x800;
inline constexpr int kEditNumber = 0x2000;

// scrollBars values.
inline constexpr int kEditNoBars = 0;
inline constexpr int kEditHorizontalBar = 1;
inline constexpr int kEditVerticalBar = 2;
inline constexpr int kEditBothBars = 3;

inline constexpr std::uint32_t kTxtBitRichText = 0x1;
inline constexpr std::uint32_t kTxtBitMultiLine = 0x2;
inline constexpr std::uint32_t kTxtBitReadOnly = 0x4;
inline constexpr std::uint32_t kTxtBitUsePassword = 0x10;
inline constexpr std::uint32_t kTxtBitHideSelection = 0x20;
inline constexpr std::uint32_t kTxtBitSaveSelection = 0x40;
inline constexpr std::uint32_t kTxtBitWordWrap = 0x400;
inline constexpr std::uint32_t kTxtBitAllowBeep = 0x800;
inline constexpr std::uint32_t kTxtBitDisableDrag = 0x1000;
inline constexpr std::uint32_t kTxtBitCharFormatChange = 0x20000;
inline constexpr std::uint32_t kTxtBitParaFormatChange = 0x40000;
inline constexpr std::uint32_t kTxtBitLayoutChange = 0x82000;  // extent and view inset changed

struct EditTextProperties {
  bool richText = false;
  bool multiLine = false;
  int scrollBars = kEditNoBars;
  int editStyle = kEditNormal;
  bool hideSelection = true;
  bool disableDrag = true;
};

// TxGetPropertyBits: the bits of the Edit's fields, ANDed with mask. Lines
// wrap only with the vertical bar alone: with a horizontal bar there is
// somewhere to scroll to.
[[nodiscard]] std::uint32_t EditPropertyBits(const EditTextProperties& properties, std::uint32_t mask);

// TxGetScrollBars: automatic scrolling both ways, bars kept when disabled,
// and the window bars the Edit shows.
[[nodiscard]] std::uint32_t EditScrollBarStyle(int scrollBars);

// The notice a property setter sends the text engine (OnTxPropertyBitsChange).
struct PropertyBitsChange {
  std::uint32_t mask = 0;
  std::uint32_t bits = 0;
  friend bool operator==(const PropertyBitsChange&, const PropertyBitsChange&) = default;
};
[[nodiscard]] PropertyBitsChange HideSelectionChange(bool hideSelection);
[[nodiscard]] PropertyBitsChange EditStyleChange(int editStyle);
[[nodiscard]] PropertyBitsChange PasswordCharChange(bool hasPasswordChar);
[[nodiscard]] PropertyBitsChange MultiLineChange(bool multiLine);
[[nodiscard]] PropertyBitsChange RichTextChange(bool richText);

// The text engine's limit on the text's length for an Edit's maximum length
// (EM_LIMITTEXT): 0, no limit asked for, is the engine's own limit.
inline constexpr std::uint32_t kEditEngineLengthLimit = 65536;
[[nodiscard]] std::uint32_t EditLengthLimit(int maxLength);

// Whether a typed character (WM_CHAR) goes on to the text engine. Tab never
// does (it moves the focus); a number field takes only "-", "." and digits.
// Pasted text is not filtered.
[[nodiscard]] bool EditTakesChar(int editStyle, std::uint32_t character);

// The window colour the Edit reports once its text colour changed: when
// both have the same RGB the text would vanish into the background, so the
// window colour becomes the text colour's RGB inverse (with alpha 0).
[[nodiscard]] Argb WindowColourAfterTextColour(Argb textColour, Argb windowColour);

// The states of the context menu's cut, copy, paste and select-all items
// (1 disabled; select all's enabled value 128 carries no state bit).
// Nothing for a password field, which shows no menu.
struct EditMenuStates {
  std::uint32_t cut = 1;
  std::uint32_t copy = 1;
  std::uint32_t paste = 1;
  std::uint32_t selectAll = 1;
  friend bool operator==(const EditMenuStates&, const EditMenuStates&) = default;
};
[[nodiscard]] std::optional<EditMenuStates> EditContextMenuStates(int editStyle, bool hasSelection, bool canPaste,
                                                                  int textLength);

}  // namespace tabulo::ui
