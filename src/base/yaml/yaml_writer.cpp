// The YAML writer; see yaml_writer.h.
#include "base/yaml/yaml_writer.h"

#include <cstddef>
#include <cstdio>
#include <string_view>

#include "base/text/utf8.h"

namespace tabulo {
namespace {

bool IsIndicator(char c) { return std::string_view("-?:,[]{}#&*!|>'\"%@`").find(c) != std::string_view::npos; }

// Code points a plain scalar must not hold and a quoted one escapes: ASCII
// and C1 controls, line and paragraph separators, the byte order mark and
// lone surrogates (which the program's GBK decoder uses for stray bytes).
bool NeedsEscape(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || c == 0xFEFF ||
         (c >= 0xD800 && c <= 0xDFFF);
}

bool IsMalformedAt(std::string_view text, std::size_t pos, const DecodedCodePoint& decoded) {
  return decoded.value == kReplacementCharacter && decoded.length == 1 && text.substr(pos, 3) != "\xEF\xBF\xBD";
}

bool ReadsBackPlain(std::string_view text) {
  if (text.empty() || IsIndicator(text.front()) || text.front() == ' ' || text.back() == ' ' || text.back() == ':') {
    return false;
  }
  if (text.starts_with("...") || text.find(": ") != std::string_view::npos || text.find(" #") != std::string_view::npos) {
    return false;
  }
  for (std::size_t pos = 0; pos < text.size();) {
    const DecodedCodePoint decoded = DecodeUtf8(text, pos);
    if (NeedsEscape(decoded.value) || IsMalformedAt(text, pos, decoded)) return false;
    pos += decoded.length;
  }
  return true;
}

void AppendEscape(std::string& out, char32_t c) {
  switch (c) {
    case U'\n': out += "\\n"; return;
    case U'\t': out += "\\t"; return;
    case U'\r': out += "\\r"; return;
    default: break;
  }
  char hex[12];
  if (c <= 0xFF) {
    std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(c));
  } else {
    std::snprintf(hex, sizeof hex, "\\u%04X", static_cast<unsigned>(c));
  }
  out += hex;
}

std::string DoubleQuoted(std::string_view text) {
  std::string out = "\"";
  for (std::size_t pos = 0; pos < text.size();) {
    const DecodedCodePoint decoded = DecodeUtf8(text, pos);
    if (IsMalformedAt(text, pos, decoded)) {
      out += "\\uFFFD";
    } else if (decoded.value == U'"' || decoded.value == U'\\') {
      out += '\\';
      out += static_cast<char>(decoded.value);
    } else if (NeedsEscape(decoded.value)) {
      AppendEscape(out, decoded.value);
    } else {
      out.append(text.substr(pos, decoded.length));
    }
    pos += decoded.length;
  }
  out += '"';
  return out;
}

// An empty plain scalar is written as nothing at all: a key or "-" with no value.
std::string ScalarText(const YamlNode& scalar) {
  if (scalar.style() == YamlScalarStyle::kPlain && (scalar.text().empty() || ReadsBackPlain(scalar.text()))) {
    return scalar.text();
  }
  return DoubleQuoted(scalar.text());
}

std::string KeyText(std::string_view key) { return ReadsBackPlain(key) ? std::string(key) : DoubleQuoted(key); }

bool IsBlockCollection(const YamlNode& node) {
  return (node.IsMapping() && !node.entries().empty()) || (node.IsSequence() && !node.items().empty());
}

class Writer {
 public:
  std::string Document(const YamlNode& root) {
    if (IsBlockCollection(root)) {
      Collection(root, 0, false);
    } else if (const std::string text = InlineText(root); !text.empty()) {
      out_ += text;
      out_ += '\n';
    }
    return std::move(out_);
  }

 private:
  // A scalar or an empty collection, as written after "key: " or "- ".
  static std::string InlineText(const YamlNode& node) {
    if (node.IsMapping()) return "{}";
    if (node.IsSequence()) return "[]";
    return ScalarText(node);
  }

  // `first_inline`: the first line is already indented (it follows a "- ").
  void Collection(const YamlNode& node, int indent, bool first_inline) {
    if (node.IsMapping()) {
      for (const YamlNode::Entry& entry : node.entries()) {
        Indent(indent, first_inline);
        out_ += KeyText(entry.key);
        out_ += ':';
        Value(entry.value, indent + 2, false);
        first_inline = false;
      }
    } else {
      for (const YamlNode& item : node.items()) {
        Indent(indent, first_inline);
        out_ += '-';
        Value(item, indent + 2, true);
        first_inline = false;
      }
    }
  }

  // What follows "key:" or "-": a collection on the next lines (a sequence
  // item's collection starts on the "- " line), or the rest of this line.
  void Value(const YamlNode& value, int indent, bool is_item) {
    if (IsBlockCollection(value)) {
      out_ += is_item ? " " : "\n";
      Collection(value, indent, is_item);
      return;
    }
    const std::string text = InlineText(value);
    if (!text.empty()) {
      out_ += ' ';
      out_ += text;
    }
    out_ += '\n';
  }

  void Indent(int indent, bool first_inline) {
    if (!first_inline) out_.append(static_cast<std::size_t>(indent), ' ');
  }

  std::string out_;
};

}  // namespace

std::string WriteYaml(const YamlNode& root) { return Writer().Document(root); }

}  // namespace tabulo
