#include "base/yaml/yaml_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "native/base/yaml/yaml_dump.h"

namespace tabulo {
namespace {

using test::Dump;

std::string ReadAndDump(std::string_view yaml) {
  const auto result = ReadYaml(yaml);
  if (const auto* error = std::get_if<YamlError>(&result)) {
    return "error on line " + std::to_string(error->line) + ": " + std::to_string(static_cast<int>(error->problem));
  }
  return Dump(std::get<YamlNode>(result));
}

struct Case {
  const char* what;
  std::string yaml;
  const char* tree;
};

TEST(YamlReader, ReadsTheFormsExchangeFilesAreWrittenIn) {
  const Case kCases[] = {
      {"mapping", "a: 1\nb: two words\n", "{a: 1, b: two words}"},
      {"byte order mark and CR LF", "\xEF\xBB\xBF" "a: 1\r\nb: 2\r\n", "{a: 1, b: 2}"},
      {"lone CR", "a: 1\rb: 2", "{a: 1, b: 2}"},
      {"comments", "# head\na: 1 # tail\n   # deeper\nb: x#y\n#end", "{a: 1, b: x#y}"},
      {"no final line break", "a: 1", "{a: 1}"},
      {"colons inside values", "t: 08:00:00\nu: http://x/y\n", "{t: 08:00:00, u: http://x/y}"},
      {"blanks around the colon", "a   :   1  \nb:\t2\n", "{a: 1, b: 2}"},
      {"sequence at its key's indentation", "k:\n- 1\n- 2\nj: 3\n", "{k: [1, 2], j: 3}"},
      {"indented sequence", "k:\n    - 1\n    - 2\n", "{k: [1, 2]}"},
      {"mappings on their dash lines", "- a: 1\n  b: 2\n-   a: 3\n    b: 4\n", "[{a: 1, b: 2}, {a: 3, b: 4}]"},
      {"sequence on a dash line", "- - a\n  - b\n- c\n", "[[a, b], c]"},
      {"item on the next line", "-\n  a: 1\n- \n  - x\n", "[{a: 1}, [x]]"},
      {"nested mappings", "a:\n  b:\n    c: 1\n  d: 2\ne: 3\n", "{a: {b: {c: 1}, d: 2}, e: 3}"},
      {"keys without values", "a:\nb: ~\nc:\n# note\nd: null\n", "{a: , b: ~, c: , d: null}"},
      {"items without values", "-\n- x\n-\n", "[, x, ]"},
      {"single quotes", "a: 'it''s # not a comment'\n", "{a: 'it's # not a comment'}"},
      {"double quotes", "a: \"08:00:00\"\nb: \"say \\\"hi\\\"\"\n", "{a: \"08:00:00\", b: \"say \"hi\"\"}"},
      {"escapes", "a: \"\\t\\x41\\u4E2D\\U0001F600\\\\\\/\"\n", "{a: \"\tA中😀\\/\"}"},
      {"surrogate pair", "a: \"\\uD83D\\uDE00\"\n", "{a: \"😀\"}"},
      {"folded quoted lines", "a: \"one\n   two  \n\n   three\"\nb: 'x\n  y'\n", "{a: \"one two\nthree\", b: 'x y'}"},
      {"escaped line break", "a: \"one\\\n   two\"\n", "{a: \"onetwo\"}"},
      {"escaped blank before a break stays", "a: \"x\\t\n y\"\n", "{a: \"x\t y\"}"},
      {"quoted keys", "\"a b\": 1\n'c:d': 2\n", "{a b: 1, c:d: 2}"},
      {"flow collections", "a: [1, \"2\", x y]\nb: {x: 1, y: [2]}\nc: []\nd: {}\n",
       "{a: [1, \"2\", x y], b: {x: 1, y: [2]}, c: [], d: {}}"},
      {"flow over lines with a trailing comma", "a: [1,\n  2,  # two\n\n  3,\n]\n", "{a: [1, 2, 3]}"},
      {"flow mapping items", "- {end_time: '09:00:00', start_time: 08:00:00, subject: 数学}\n",
       "[{end_time: '09:00:00', start_time: 08:00:00, subject: 数学}]"},
      {"flow mapping keys without values", "{a, b: 1}", "{a: , b: 1}"},
      {"directive and document markers", "%YAML 1.2\n---\na: 1\n...\n", "{a: 1}"},
      {"start marker with a comment", "--- # doc\n- 1\n", "[1]"},
      {"indented document", "  a: 1\n  b: 2\n", "{a: 1, b: 2}"},
      {"empty document", "", ""},
      {"comments only", "# nothing\n\n", ""},
      {"root scalar", "hello world\n", "hello world"},
      {"tabs in blank and comment lines", "a: 1\n\t\n\t# c\nb: 2\n", "{a: 1, b: 2}"},
      {"Chinese keys and values", "星期一:\n  - 语文\n  - 数学\n", "{星期一: [语文, 数学]}"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ReadAndDump(c.yaml), c.tree);
  }
}

struct Refusal {
  const char* what;
  std::string yaml;
  YamlError error;
};

TEST(YamlReader, RefusesMalformedFilesNamingTheLineAndWhatWasExpected) {
  using P = YamlProblem;
  const Refusal kCases[] = {
      {"not UTF-8", "a: 1\nb: \xD6\xD0\n", {2, P::kNotUtf8}},
      {"overlong UTF-8", "\xC0\x80", {1, P::kNotUtf8}},
      {"tab indentation", "a:\n\tb: 2\n", {2, P::kTabIndentation}},
      {"tab after spaces", "a:\n  \tb: 2\n", {2, P::kTabIndentation}},
      {"deeper line in a mapping", "a: 1\n  b: 2\n", {2, P::kUnexpectedIndentation}},
      {"plain scalar over two lines", "a: one\n   two\n", {2, P::kUnexpectedIndentation}},
      {"deeper line in a sequence", "- a\n  - b\n", {2, P::kUnexpectedIndentation}},
      {"between two indentations", "a:\n    b: 1\n  c: 2\n", {3, P::kUnexpectedIndentation}},
      {"line less indented than the document", "  a: 1\nb: 2\n", {2, P::kUnexpectedIndentation}},
      {"no blank after the colon", "a: 1\nenable_day:1\n", {2, P::kExpectedKeyValue}},
      {"no blank after the first colon", "version:1\nschedules:\n", {1, P::kExpectedKeyValue}},
      {"item in a mapping", "a: 1\n- b\n", {2, P::kExpectedKeyValue}},
      {"key in a sequence", "- a\nb: 1\n", {2, P::kExpectedSequenceItem}},
      {"sequence on the key's line", "a: - b\n", {1, P::kBlockOnKeyLine}},
      {"mapping on the key's line", "a:\n  b: c: d\n", {2, P::kBlockOnKeyLine}},
      {"repeated key", "a: 1\nb: 2\na: 3\n", {3, P::kDuplicateKey}},
      {"repeated flow key", "x:\n  {a: 1,\n   a: 2}\n", {3, P::kDuplicateKey}},
      {"unclosed double quote", "a: \"abc\nb: 1\n", {1, P::kUnclosedQuote}},
      {"unclosed single quote", "a: 1\nb: 'it's\n", {2, P::kTextAfterValue}},
      {"unclosed at the end", "a: 'abc", {1, P::kUnclosedQuote}},
      {"unknown escape", "a: 1\nb: \"\\q\"\n", {2, P::kBadEscape}},
      {"short hex escape", "a: \"\\u12\"\n", {1, P::kBadEscape}},
      {"escape beyond Unicode", "a: \"\\U00110000\"\n", {1, P::kBadEscape}},
      {"unclosed bracket at the end", "a: [1, 2\n", {1, P::kUnclosedBracket}},
      {"bracket closed by the wrong one", "a: [1, 2}\n", {1, P::kUnclosedBracket}},
      {"missing comma", "a: [1\n  2]\n", {2, P::kUnclosedBracket}},
      {"empty flow item", "a: [1, , 2]\n", {1, P::kUnexpectedCharacter}},
      {"text after a quoted value", "a: \"x\" y\n", {1, P::kTextAfterValue}},
      {"text after a flow collection", "a: [x] y\n", {1, P::kTextAfterValue}},
      {"value starting with a bracket", "a: ]\n", {1, P::kUnexpectedCharacter}},
      {"anchor", "a: &x 1\n", {1, P::kUnsupported}},
      {"alias", "a: 1\nb: *x\n", {2, P::kUnsupported}},
      {"tag", "a: !!str 1\n", {1, P::kUnsupported}},
      {"block scalar", "a: |\n  text\n", {1, P::kUnsupported}},
      {"complex key", "? a\n: b\n", {1, P::kUnsupported}},
      {"text after the start marker", "--- a\n", {1, P::kUnsupported}},
      {"two documents", "a: 1\n---\nb: 2\n", {3, P::kSeveralDocuments}},
      {"nested too deep in flow", std::string(100, '[') + std::string(100, ']'), {1, P::kTooDeep}},
      {"nested too deep in blocks", [] {
         std::string yaml;
         for (int i = 0; i < 100; ++i) yaml += "- ";
         return yaml + "x\n";
       }(),
       {1, P::kTooDeep}},
  };
  for (const Refusal& c : kCases) {
    SCOPED_TRACE(c.what);
    const auto result = ReadYaml(c.yaml);
    const auto* error = std::get_if<YamlError>(&result);
    ASSERT_NE(error, nullptr) << Dump(std::get<YamlNode>(result));
    EXPECT_EQ(error->line, c.error.line);
    EXPECT_EQ(error->problem, c.error.problem);
  }
}

TEST(YamlReader, NodesKnowTheLineTheyStartOn) {
  const auto result = ReadYaml(
      "# timetable\n"          // 1
      "version: 1\n"           // 2
      "schedules:\n"           // 3
      "  - name: \"a\n"        // 4
      "      b\"\n"            // 5
      "    days: [1,\n"        // 6
      "       2]\n"            // 7
      "    empty:\n"           // 8
      "\r\n"                   // 9
      "  -\n"                  // 10
      "    x\n");              // 11
  ASSERT_TRUE(std::holds_alternative<YamlNode>(result));
  const YamlNode& root = std::get<YamlNode>(result);
  EXPECT_EQ(root.line(), 2);
  EXPECT_EQ(root.entries()[1].line, 3);
  const YamlNode& schedules = *root.Find("schedules");
  EXPECT_EQ(schedules.line(), 4);
  const YamlNode& first = schedules.items()[0];
  EXPECT_EQ(first.Find("name")->line(), 4);
  EXPECT_EQ(first.Find("days")->line(), 6);
  EXPECT_EQ(first.Find("days")->items()[1].line(), 7);
  EXPECT_EQ(first.Find("empty")->line(), 8) << "a missing value is on its key's line";
  EXPECT_EQ(schedules.items()[1].line(), 11);
}

TEST(YamlReader, NullIsAnUnquotedEmptyTildeOrNull) {
  const auto result = ReadYaml("a:\nb: ~\nc: Null\nd: ''\ne: \"null\"\nf: nil\n");
  ASSERT_TRUE(std::holds_alternative<YamlNode>(result));
  const YamlNode& root = std::get<YamlNode>(result);
  for (const char* key : {"a", "b", "c"}) EXPECT_TRUE(root.Find(key)->IsNull()) << key;
  for (const char* key : {"d", "e", "f"}) EXPECT_FALSE(root.Find(key)->IsNull()) << key;
  EXPECT_EQ(root.Find("g"), nullptr);
}

}  // namespace
}  // namespace tabulo
