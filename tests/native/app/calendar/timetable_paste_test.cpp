#include "app/calendar/timetable_paste.h"

#include <gtest/gtest.h>

#include "app/calendar/calendar_texts.h"

namespace tabulo::app {
namespace {

namespace texts = calendar_texts;

// "1=语文 2=数学": the cells a paste fills, by cell index.
std::string Describe(const TimetablePaste& paste) {
  std::string text;
  for (const PastedCell& cell : paste.cells) {
    if (!text.empty()) text += " ";
    text.append(std::to_string(cell.cell_index)).append("=").append(cell.text);
  }
  if (paste.clipped) text.append(" (clipped)");
  return text;
}

TEST(TimetablePaste, RowsArePeriodsAndColumnsDaysFromTheStartingCell) {
  struct Case {
    const char* what;
    std::string clipboard;
    int start;
    const char* cells;
  };
  const Case kCases[] = {
      {"a range with CR LF", "语文\t数学\r\n英语\t物理\r\n", 1, "1=语文 2=数学 7=英语 8=物理"},
      {"LF and no final break", "语文\t数学\n英语", 9, "9=语文 10=数学 15=英语"},
      {"lone CR", "a\rb\r", 2, "2=a 8=b"},
      {"one value", "体育", 48, "48=体育"},
      {"past Saturday", "a\tb\tc", 5, "5=a 6=b (clipped)"},
      {"past period 8", "a\nb\nc", 37, "37=a 43=b (clipped)"},
      {"empty cells paste empty", "语文\t\t数学\t", 1, "1=语文 2= 3=数学 4="},
      {"a copied empty cell", "\r\n", 4, "4="},
      {"nothing", "", 4, ""},
      {"blanks around and inside", "  语文 \t 自  修 ", 1, "1=语文 2=自 修"},
      {"a quoted cell with a line break and quotes", "\"语\r\n文\"\t\"\"\"x\"\"\"\r\n", 1, "1=语 文 2=\"x\""},
      {"text after a closing quote", "\"ab\"c\td", 1, "1=abc 2=d"},
      {"an unclosed quote runs to the end", "\"a\tb\r\nc", 1, "1=a b c"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Describe(PasteIntoGrid(c.clipboard, c.start)), c.cells);
  }
}

TEST(TimetablePaste, TextsAreCutToFiveGbkBytesOnACharacterBoundaryAndListed) {
  const TimetablePaste paste = PasteIntoGrid("信息技术\tab中文\tabc中\t体育课\n信息技术\tabcdefg\t€€€", 1);
  // The euro sign is one byte in GBK (three in UTF-8), so three of them fit.
  EXPECT_EQ(Describe(paste), "1=信息 2=ab中 3=abc中 4=体育 7=信息 8=abcde 9=€€€");
  EXPECT_EQ(paste.cut, (std::vector<std::string>{"信息技术→信息", "ab中文→ab中", "体育课→体育", "abcdefg→abcde"}));
}

TEST(TimetablePaste, TheMessageSaysWhatWasCutAndWhatWasLeftOut) {
  EXPECT_EQ(PasteMessage(PasteIntoGrid("语文\t数学", 1)), "");
  EXPECT_EQ(PasteMessage(PasteIntoGrid("信息技术", 1)), std::string(texts::kPasteCut) + "信息技术→信息");
  EXPECT_EQ(PasteMessage(PasteIntoGrid("体育课\ta", 6)),
            std::string(texts::kPasteCut) + "体育课→体育\n" + std::string(texts::kPasteClipped));
  EXPECT_EQ(PasteMessage(PasteIntoGrid("a\tb", 6)), texts::kPasteClipped);
}

}  // namespace
}  // namespace tabulo::app
