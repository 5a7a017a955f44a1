#pragma once
// A YAML document as a small tree: scalars (text, with the quoting style they
// were written in), sequences and mappings, each with the line it starts on,
// so that whoever interprets the tree can say where a file is wrong. Scalars
// stay text: what a value means (a number, a time, a day name) is for the
// reader of the tree to decide, which keeps the tree free of YAML's type
// guessing.
#include <string>
#include <string_view>
#include <vector>

namespace tabulo {

enum class YamlScalarStyle { kPlain, kSingleQuoted, kDoubleQuoted };

class YamlNode {
 public:
  enum class Kind { kScalar, kSequence, kMapping };
  struct Entry;

  [[nodiscard]] static YamlNode Scalar(std::string text, YamlScalarStyle style = YamlScalarStyle::kPlain, int line = 0);
  [[nodiscard]] static YamlNode Sequence(int line = 0);
  [[nodiscard]] static YamlNode Mapping(int line = 0);

  [[nodiscard]] Kind kind() const { return kind_; }
  [[nodiscard]] bool IsScalar() const { return kind_ == Kind::kScalar; }
  [[nodiscard]] bool IsSequence() const { return kind_ == Kind::kSequence; }
  [[nodiscard]] bool IsMapping() const { return kind_ == Kind::kMapping; }
  // 1-based; 0 for a node made in memory.
  [[nodiscard]] int line() const { return line_; }

  // Scalars.
  [[nodiscard]] const std::string& text() const { return text_; }
  [[nodiscard]] YamlScalarStyle style() const { return style_; }
  [[nodiscard]] bool IsQuoted() const { return style_ != YamlScalarStyle::kPlain; }
  // An unquoted "", "~" or "null" (any of YAML's spellings): a key with no value.
  [[nodiscard]] bool IsNull() const;

  // Sequences.
  [[nodiscard]] const std::vector<YamlNode>& items() const { return items_; }
  void Append(YamlNode item);

  // Mappings, in the order of the file. Keys are unique (the reader refuses
  // a repeated one).
  [[nodiscard]] const std::vector<Entry>& entries() const { return entries_; }
  [[nodiscard]] const YamlNode* Find(std::string_view key) const;
  void Add(std::string key, YamlNode value, int key_line = 0);

 private:
  YamlNode(Kind kind, int line);  // defined where Entry is complete

  Kind kind_;
  int line_;
  std::string text_;
  YamlScalarStyle style_ = YamlScalarStyle::kPlain;
  std::vector<YamlNode> items_;
  std::vector<Entry> entries_;
};

struct YamlNode::Entry {
  std::string key;
  int line;  // of the key
  YamlNode value;
};

}  // namespace tabulo
