#include "base/yaml/yaml_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "base/yaml/yaml_reader.h"
#include "native/base/yaml/yaml_dump.h"

namespace tabulo {
namespace {

using test::Dump;
using test::DumpStyles;

YamlNode Plain(std::string text) { return YamlNode::Scalar(std::move(text)); }
YamlNode Quoted(std::string text) { return YamlNode::Scalar(std::move(text), YamlScalarStyle::kDoubleQuoted); }

std::string ReadBack(const std::string& yaml) {
  const auto result = ReadYaml(yaml);
  if (std::holds_alternative<YamlError>(result)) return "unreadable:\n" + yaml;
  return Dump(std::get<YamlNode>(result), DumpStyles::kIgnore);
}

TEST(YamlWriter, WritesBlockStyleWithTwoSpaceIndentation) {
  YamlNode lesson = YamlNode::Mapping();
  lesson.Add("subject", Quoted("数学"));
  lesson.Add("start_time", Quoted("08:00:00"));
  YamlNode classes = YamlNode::Sequence();
  classes.Append(lesson);
  YamlNode nested = YamlNode::Sequence();
  nested.Append(Plain("a"));
  nested.Append(YamlNode::Mapping());
  classes.Append(nested);
  YamlNode schedule = YamlNode::Mapping();
  schedule.Add("enable_day", Plain("1"));
  schedule.Add("classes", classes);
  schedule.Add("none", YamlNode::Sequence());
  schedule.Add("nothing", Plain(""));
  YamlNode root = YamlNode::Mapping();
  root.Add("version", Plain("1"));
  root.Add("schedule", schedule);

  EXPECT_EQ(WriteYaml(root),
            "version: 1\n"
            "schedule:\n"
            "  enable_day: 1\n"
            "  classes:\n"
            "    - subject: \"数学\"\n"
            "      start_time: \"08:00:00\"\n"
            "    - - a\n"
            "      - {}\n"
            "  none: []\n"
            "  nothing:\n");
  EXPECT_EQ(ReadBack(WriteYaml(root)), Dump(root, DumpStyles::kIgnore));
}

TEST(YamlWriter, EveryTextReadsBackAsItselfAsValueKeyItemAndDocument) {
  const std::string kTexts[] = {
      "数学", "101", "a b", "x#y", "a:b", "http://x", "", " lead", "trail ", "a: b", "a #b", "end:", "- x", "-",
      "#x", "'q'", "\"dq\"", "line\nbreak", "two\n\nbreaks", "tab\tx", "cr\rx", std::string("nul\0x", 5), "\x7F",
      "\xC2\x85", "\xEF\xBB\xBFx", "\xE2\x80\xA8", "---", "...", "... x", "[x]", "{x}", "&a", "*a", "!t", "|", ">",
      "%", "@", "`", "?", "? x", ":", ": x", ",", "\\back", "😀", "\xED\xB3\x81" /* U+DCC1, a stray GBK byte */, "~",
      "null",
  };
  for (const std::string& text : kTexts) {
    SCOPED_TRACE(text);
    for (const YamlNode& scalar : {Plain(text), Quoted(text)}) {
      YamlNode mapping = YamlNode::Mapping();
      mapping.Add(text, scalar);
      mapping.Add("next", Plain("1"));
      YamlNode sequence = YamlNode::Sequence();
      sequence.Append(scalar);
      sequence.Append(Plain("1"));
      for (const YamlNode& tree : {mapping, sequence}) {
        EXPECT_EQ(ReadBack(WriteYaml(tree)), Dump(tree, DumpStyles::kIgnore));
      }
      if (!text.empty()) {
        EXPECT_EQ(ReadBack(WriteYaml(scalar)), Dump(scalar, DumpStyles::kIgnore));
      }
    }
  }
}

TEST(YamlWriter, PlainWhereThatReadsBackAndQuotedWhereItWouldNot) {
  struct Case {
    const char* text;
    const char* written;
  };
  const Case kCases[] = {
      {"数学", "a: 数学\n"}, {"101", "a: 101\n"}, {"a: b", "a: \"a: b\"\n"}, {"- x", "a: \"- x\"\n"},
      {"say \"hi\"\\", "a: say \"hi\"\\\n"}, {"'q'", "a: \"'q'\"\n"}, {"x\ny\tz\x01", "a: \"x\\ny\\tz\\x01\"\n"},
      {"\xE2\x80\xA8", "a: \"\\u2028\"\n"}, {"", "a:\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    YamlNode mapping = YamlNode::Mapping();
    mapping.Add("a", Plain(c.text));
    EXPECT_EQ(WriteYaml(mapping), c.written);
  }
}

}  // namespace
}  // namespace tabulo
