// The YAML node tree; see yaml_node.h.
#include "base/yaml/yaml_node.h"

#include <utility>

namespace tabulo {

YamlNode::YamlNode(Kind kind, int line) : kind_(kind), line_(line) {}

YamlNode YamlNode::Scalar(std::string text, YamlScalarStyle style, int line) {
  YamlNode node(Kind::kScalar, line);
  node.text_ = std::move(text);
  node.style_ = style;
  return node;
}

YamlNode YamlNode::Sequence(int line) { return YamlNode(Kind::kSequence, line); }

YamlNode YamlNode::Mapping(int line) { return YamlNode(Kind::kMapping, line); }

bool YamlNode::IsNull() const {
  if (kind_ != Kind::kScalar || style_ != YamlScalarStyle::kPlain) return false;
  return text_.empty() || text_ == "~" || text_ == "null" || text_ == "Null" || text_ == "NULL";
}

void YamlNode::Append(YamlNode item) { items_.push_back(std::move(item)); }

const YamlNode* YamlNode::Find(std::string_view key) const {
  for (const Entry& entry : entries_) {
    if (entry.key == key) return &entry.value;
  }
  return nullptr;
}

void YamlNode::Add(std::string key, YamlNode value, int key_line) {
  entries_.push_back(Entry{std::move(key), key_line, std::move(value)});
}

}  // namespace tabulo
