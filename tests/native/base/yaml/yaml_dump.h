#pragma once
// A node tree as one line of text, for comparing trees in tests: [a, b] and
// {k: v}, plain scalars as they are and quoted ones in their quotes (or, for
// comparing texts only, every scalar as it is).
#include <string>
#include <utility>

#include "base/yaml/yaml_node.h"

namespace tabulo::test {

enum class DumpStyles { kShow, kIgnore };

inline std::string Dump(const YamlNode& node, DumpStyles styles = DumpStyles::kShow) {
  std::string out;
  const char* separator = "";
  switch (node.kind()) {
    case YamlNode::Kind::kScalar:
      if (styles == DumpStyles::kIgnore || node.style() == YamlScalarStyle::kPlain) return node.text();
      return node.style() == YamlScalarStyle::kSingleQuoted ? "'" + node.text() + "'" : "\"" + node.text() + "\"";
    case YamlNode::Kind::kSequence:
      for (const YamlNode& item : node.items()) out += std::exchange(separator, ", ") + Dump(item, styles);
      return "[" + out + "]";
    case YamlNode::Kind::kMapping:
      for (const YamlNode::Entry& entry : node.entries()) {
        out += std::exchange(separator, ", ") + entry.key + ": " + Dump(entry.value, styles);
      }
      return "{" + out + "}";
  }
  return out;
}

}  // namespace tabulo::test
