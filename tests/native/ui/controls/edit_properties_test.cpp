#include "ui/controls/edit_properties.h"

#include <gtest/gtest.h>

namespace tabulo::ui {
namespace {

TEST(EditProperties, PropertyBitsFromTheFields) {
  struct Case {
    const char* why;
    EditTextProperties properties;
    std::uint32_t bits;
  };
  const Case kCases[] = {
      {"defaults", {}, 0x1860},
      {"result list: multi-line, vertical bar, read-only", {false, true, 2, kEditReadOnly}, 0x1C66},
      {"both bars: no word wrap", {false, true, 3}, 0x1862},
      {"vertical bar on a single line: no word wrap", {false, false, 2}, 0x1860},
      {"password, rich text, selection shown, drag allowed", {true, false, 0, kEditPassword, false, false}, 0x851},
      {"number field has no bit of its own", {false, false, 0, kEditNumber}, 0x1860},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(EditPropertyBits(c.properties, 0xFFFFFFFF), c.bits);
  }
  EXPECT_EQ(EditPropertyBits({false, true, 2}, kTxtBitWordWrap | kTxtBitReadOnly), kTxtBitWordWrap);
}

TEST(EditProperties, ScrollBarStyle) {
  EXPECT_EQ(EditScrollBarStyle(0), 0x20C0u);
  EXPECT_EQ(EditScrollBarStyle(1), 0x1020C0u);
  EXPECT_EQ(EditScrollBarStyle(2), 0x2020C0u);
  EXPECT_EQ(EditScrollBarStyle(3), 0x3020C0u);
}

TEST(EditProperties, SetterNotices) {
  EXPECT_EQ(EditStyleChange(kEditPassword), (PropertyBitsChange{0x14, 0x10}));
  EXPECT_EQ(EditStyleChange(kEditReadOnly), (PropertyBitsChange{0x14, 0x4}));
  EXPECT_EQ(EditStyleChange(kEditNumber), (PropertyBitsChange{0x14, 0}));
  EXPECT_EQ(HideSelectionChange(false), (PropertyBitsChange{0x20, 0}));
  EXPECT_EQ(PasswordCharChange(true), (PropertyBitsChange{0x10, 0x10}));
  EXPECT_EQ(MultiLineChange(true), (PropertyBitsChange{2, 2}));
  EXPECT_EQ(RichTextChange(false), (PropertyBitsChange{1, 0}));
}

TEST(EditProperties, TypedCharacters) {
  struct Case {
    int style;
    std::uint32_t character;
    bool taken;
  };
  const Case kCases[] = {
      {kEditNumber, '7', true},   {kEditNumber, '0', true},   {kEditNumber, '9', true},
      {kEditNumber, '-', true},   {kEditNumber, '.', true},   {kEditNumber, 'a', false},
      {kEditNumber, '+', false},  {kEditNumber, '/', false},  {kEditNumber, ':', false},
      {kEditNumber, 8, false},    {kEditNumber, '\t', false}, {kEditNumber, 0xFF11, false},  // full-width 1
      {kEditNormal, 'a', true},   {kEditNormal, 8, true},     {kEditNormal, 0x4E2D, true},
      {kEditNormal, '\t', false}, {kEditReadOnly, '\t', false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.style << " " << c.character);
    EXPECT_EQ(EditTakesChar(c.style, c.character), c.taken);
  }
}

TEST(EditProperties, TextColourNeverMatchesTheWindowColour) {
  EXPECT_EQ(WindowColourAfterTextColour(0xF0000000, 0xFFFFFFFF), 0xFFFFFFFFu);
  EXPECT_EQ(WindowColourAfterTextColour(0xFFFFFFFF, 0xFFFFFFFF), 0x00000000u);
  EXPECT_EQ(WindowColourAfterTextColour(0x80123456, 0xFF123456), 0x00EDCBA9u);
}

TEST(EditProperties, ContextMenuStates) {
  EXPECT_EQ(EditContextMenuStates(kEditPassword, true, true, 5), std::nullopt);
  struct Case {
    const char* why;
    int style;
    bool selection;
    bool canPaste;
    int length;
    EditMenuStates states;
  };
  const Case kCases[] = {
      {"nothing selected", kEditNormal, false, true, 5, {1, 1, 0, 128}},
      {"selection", kEditNormal, true, true, 5, {0, 0, 0, 128}},
      {"read-only: copy only", kEditReadOnly, true, true, 5, {1, 0, 1, 128}},
      {"nothing to paste", kEditNumber, true, false, 5, {0, 0, 1, 128}},
      {"empty field", kEditNormal, false, true, 0, {1, 1, 0, 1}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(EditContextMenuStates(c.style, c.selection, c.canPaste, c.length), c.states);
  }
}

}  // namespace
}  // namespace tabulo::ui
