#pragma once
// Reads the part of YAML that timetable exchange files are written in:
// block mappings and sequences (a sequence may stand at its key's
// indentation, a mapping may start on its "- " line), flow sequences and
// mappings ("[1, 2]", "{a: 1}", also over several lines), plain, single- and
// double-quoted scalars with YAML's escapes and line folding, comments, a
// "---" start and "..." end of the one document, "%" directives before it,
// UTF-8 with or without a byte order mark, and LF, CR LF or CR line ends.
//
// Anything else (anchors and aliases, tags, block scalars "|" and ">",
// "?" keys, several documents) is refused rather than guessed at, and so is
// every malformed file: the result then names the line and what was
// expected there. Collections nested more than 64 deep are refused too, so
// no input can exhaust the stack.
#include <string_view>
#include <variant>

#include "base/yaml/yaml_node.h"

namespace tabulo {

enum class YamlProblem {
  kNotUtf8,                 // bytes that are not UTF-8
  kTabIndentation,          // a tab in the indentation of a line
  kUnexpectedIndentation,   // a line indented otherwise than its block
  kExpectedKeyValue,        // in a mapping, a line that is not "key: value"
  kExpectedSequenceItem,    // in a sequence, a line that does not start with "- "
  kBlockOnKeyLine,          // "key: - x" or "key: a: b": that block needs lines of its own
  kDuplicateKey,            // a key twice in one mapping
  kUnclosedQuote,           // a quoted scalar without its closing quote
  kBadEscape,               // an unknown "\" escape in a double-quoted scalar
  kUnclosedBracket,         // a flow collection missing its ',', ':' or closing bracket
  kTextAfterValue,          // more text after a quoted scalar or a flow collection
  kUnexpectedCharacter,     // a value starting with ',', ']', '}' or ': '
  kUnsupported,             // anchors, aliases, tags, block scalars, '?' keys
  kSeveralDocuments,        // more than one document
  kTooDeep,                 // collections nested more than 64 deep
};

struct YamlError {
  int line = 0;  // 1-based
  YamlProblem problem = YamlProblem::kNotUtf8;
  friend bool operator==(const YamlError&, const YamlError&) = default;
};

// The document's root node; an empty document reads as a null scalar.
[[nodiscard]] std::variant<YamlNode, YamlError> ReadYaml(std::string_view bytes);

}  // namespace tabulo
