// The YAML subset reader; see yaml_reader.h.
//
// A recursive descent over the whole text with one cursor. Block structure
// is decided by indentation: each collection knows its column and ends at
// the first content line indented less. A failure anywhere throws a
// Failure that ReadYaml turns into its result; nothing else throws.
#include "base/yaml/yaml_reader.h"

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "base/text/utf8.h"

namespace tabulo {
namespace {

constexpr int kDeepest = 64;

struct Failure {
  YamlError error;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// CR LF and a lone CR become LF, and a leading byte order mark goes, so the
// reader sees one kind of line end and counts lines as an editor does.
std::string NormalisedText(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r') {
      text += bytes[i];
    } else {
      text += '\n';
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    }
  }
  return text;
}

std::optional<int> FirstLineNotUtf8(std::string_view text) {
  int line = 1;
  for (std::size_t pos = 0; pos < text.size();) {
    const DecodedCodePoint decoded = DecodeUtf8(text, pos);
    if (decoded.value == kReplacementCharacter && decoded.length == 1) return line;
    if (text[pos] == '\n') ++line;
    pos += decoded.length;
  }
  return std::nullopt;
}

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

std::optional<char32_t> SimpleEscape(char c) {
  switch (c) {
    case '0': return U'\0';
    case 'a': return U'\a';
    case 'b': return U'\b';
    case 't':
    case '\t': return U'\t';
    case 'n': return U'\n';
    case 'v': return U'\v';
    case 'f': return U'\f';
    case 'r': return U'\r';
    case 'e': return U'\x1B';
    case ' ': return U' ';
    case '"': return U'"';
    case '/': return U'/';
    case '\\': return U'\\';
    case 'N': return U'\x85';
    case '_': return U'\xA0';
    case 'L': return U'\x2028';
    case 'P': return U'\x2029';
    default: return std::nullopt;
  }
}

int HexEscapeLength(char c) { return c == 'x' ? 2 : c == 'u' ? 4 : c == 'U' ? 8 : 0; }

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Characters that start something this reader does not take: anchors,
// aliases, tags, block scalars, directives and reserved indicators.
bool StartsUnsupported(char c) {
  return c == '&' || c == '*' || c == '!' || c == '|' || c == '>' || c == '%' || c == '@' || c == '`';
}

bool EndsFlowPlain(char c) { return c == ',' || c == '[' || c == ']' || c == '{' || c == '}'; }

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  YamlNode Document() {
    SkipDirectives();
    if (AtDocumentMarker("---")) {
      pos_ += 3;
      SkipBlanksAndComment();
      if (!AtLineEnd()) Fail(YamlProblem::kUnsupported);
      NextLine();
    }
    YamlNode root = BlockNode(-1, false, line_);
    if (NextContent()) {
      // A scalar followed by more lines is most likely a key whose ':' lacks its space.
      if (root.IsScalar()) Fail(YamlProblem::kExpectedKeyValue, root.line());
      Fail(YamlProblem::kUnexpectedIndentation);
    }
    if (AtDocumentMarker("...") || AtDocumentMarker("---")) {
      NextLineOf(pos_);
      if (NextContent() || !AtEnd()) Fail(YamlProblem::kSeveralDocuments);
    }
    return root;
  }

 private:
  struct Key {
    std::string text;
    std::size_t after_colon;
  };

  class DepthGuard {
   public:
    explicit DepthGuard(Reader& reader) : reader_(reader) {
      if (++reader_.depth_ > kDeepest) reader_.Fail(YamlProblem::kTooDeep);
    }
    ~DepthGuard() { --reader_.depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

   private:
    Reader& reader_;
  };

  [[noreturn]] void Fail(YamlProblem problem, int line) const { throw Failure{YamlError{line, problem}}; }
  [[noreturn]] void Fail(YamlProblem problem) const { Fail(problem, line_); }

  // --- The cursor ---------------------------------------------------------

  [[nodiscard]] bool AtEnd() const { return pos_ >= text_.size(); }
  [[nodiscard]] char CharAt(std::size_t pos) const { return pos < text_.size() ? text_[pos] : '\n'; }
  [[nodiscard]] char Here() const { return CharAt(pos_); }
  [[nodiscard]] bool AtLineEnd() const { return Here() == '\n'; }
  [[nodiscard]] int Column() const { return static_cast<int>(pos_ - line_start_); }
  [[nodiscard]] bool EndsToken(std::size_t pos) const { return IsBlank(CharAt(pos)) || CharAt(pos) == '\n'; }

  void SkipBlanks() {
    while (!AtEnd() && IsBlank(text_[pos_])) ++pos_;
  }
  void SkipToLineEnd() {
    while (!AtLineEnd()) ++pos_;
  }
  void SkipBlanksAndComment() {
    SkipBlanks();
    if (Here() == '#') SkipToLineEnd();
  }
  // From a line end (or the end of the text) to the start of the next line.
  void NextLine() {
    if (AtEnd()) return;
    ++pos_;
    ++line_;
    line_start_ = pos_;
  }
  void NextLineOf(std::size_t pos) {
    pos_ = pos;
    SkipToLineEnd();
    NextLine();
  }
  // What may follow a value on its line: blanks and a comment.
  void EndLine() {
    SkipBlanksAndComment();
    if (!AtLineEnd()) Fail(YamlProblem::kTextAfterValue);
    NextLine();
  }

  [[nodiscard]] bool AtDocumentMarker(std::string_view marker) const {
    return pos_ == line_start_ && text_.substr(pos_, 3) == marker && EndsToken(pos_ + 3);
  }
  [[nodiscard]] bool IsSequenceEntryAt(std::size_t pos) const { return CharAt(pos) == '-' && EndsToken(pos + 1); }

  void SkipDirectives() {
    while (NextContent() && Here() == '%') NextLineOf(pos_);
  }

  // From the start of a line: passes blank and comment lines and stops at
  // the start of the next line with content, giving its indentation; nothing
  // at the end of the text or at a document marker.
  std::optional<int> NextContent() {
    while (!AtEnd()) {
      std::size_t indent_end = pos_;
      while (CharAt(indent_end) == ' ') ++indent_end;
      std::size_t content = indent_end;
      while (IsBlank(CharAt(content))) ++content;
      if (CharAt(content) == '\n' || CharAt(content) == '#') {
        NextLineOf(content);
        continue;
      }
      if (content != indent_end) Fail(YamlProblem::kTabIndentation);
      if (AtDocumentMarker("---") || AtDocumentMarker("...")) return std::nullopt;
      return static_cast<int>(indent_end - pos_);
    }
    return std::nullopt;
  }

  // --- Block structure ----------------------------------------------------

  // The value of a key or a "-" whose line ends after it: the more indented
  // lines below, or a sequence at the key's own indentation, or null.
  YamlNode BlockNode(int parent_indent, bool sequence_may_share_indent, int line_of_parent) {
    const std::optional<int> indent = NextContent();
    const bool shares = indent && *indent == parent_indent && sequence_may_share_indent &&
                        IsSequenceEntryAt(pos_ + static_cast<std::size_t>(*indent));
    if (!indent || (*indent <= parent_indent && !shares)) {
      return YamlNode::Scalar("", YamlScalarStyle::kPlain, line_of_parent);
    }
    pos_ += static_cast<std::size_t>(*indent);
    if (shares) return Sequence(*indent, true);
    return NodeAt(*indent);
  }

  // A node starting at the cursor, in block context, at `column`.
  YamlNode NodeAt(int column) {
    if (IsSequenceEntryAt(pos_)) return Sequence(column, false);
    if (ScanKey()) return Mapping(column);
    YamlNode value = InlineValue();
    EndLine();
    return value;
  }

  YamlNode Sequence(int indent, bool shares_indent_with_key) {
    const DepthGuard guard(*this);
    YamlNode sequence = YamlNode::Sequence(line_);
    while (true) {
      const int item_line = line_;
      ++pos_;
      SkipBlanksAndComment();
      if (AtLineEnd()) {
        NextLine();
        sequence.Append(BlockNode(indent, false, item_line));
      } else {
        sequence.Append(NodeAt(Column()));
      }
      const std::optional<int> next = NextContent();
      if (!next || *next < indent) break;
      if (*next > indent) Fail(YamlProblem::kUnexpectedIndentation);
      if (!IsSequenceEntryAt(pos_ + static_cast<std::size_t>(indent))) {
        if (shares_indent_with_key) break;
        Fail(YamlProblem::kExpectedSequenceItem);
      }
      pos_ += static_cast<std::size_t>(indent);
    }
    return sequence;
  }

  YamlNode Mapping(int indent) {
    const DepthGuard guard(*this);
    YamlNode mapping = YamlNode::Mapping(line_);
    std::set<std::string, std::less<>> keys;
    while (true) {
      const int key_line = line_;
      std::optional<Key> key = ScanKey();
      if (!key) Fail(YamlProblem::kExpectedKeyValue);
      if (!keys.insert(key->text).second) Fail(YamlProblem::kDuplicateKey);
      pos_ = key->after_colon;
      SkipBlanksAndComment();
      if (AtLineEnd()) {
        NextLine();
        mapping.Add(std::move(key->text), BlockNode(indent, true, key_line), key_line);
      } else {
        if (IsSequenceEntryAt(pos_) || ScanKey()) Fail(YamlProblem::kBlockOnKeyLine);
        YamlNode value = InlineValue();
        EndLine();
        mapping.Add(std::move(key->text), std::move(value), key_line);
      }
      const std::optional<int> next = NextContent();
      if (!next || *next < indent) break;
      if (*next > indent) Fail(YamlProblem::kUnexpectedIndentation);
      pos_ += static_cast<std::size_t>(indent);
    }
    return mapping;
  }

  // A key and its ':' on the cursor's line, if the line has them there; the
  // cursor does not move.
  std::optional<Key> ScanKey() {
    const char first = Here();
    if (first == '"' || first == '\'') return ScanQuotedKey();
    if (first == '[' || first == '{' || first == '#' || StartsUnsupported(first) || IsSequenceEntryAt(pos_) ||
        ((first == '?' || first == ':' || first == ',') && EndsToken(pos_ + 1))) {
      return std::nullopt;
    }
    for (std::size_t pos = pos_; CharAt(pos) != '\n'; ++pos) {
      if (IsBlank(CharAt(pos)) && CharAt(pos + 1) == '#') return std::nullopt;
      if (CharAt(pos) == ':' && EndsToken(pos + 1)) {
        std::string_view text = text_.substr(pos_, pos - pos_);
        while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
        return Key{std::string(text), pos + 1};
      }
    }
    return std::nullopt;
  }

  std::optional<Key> ScanQuotedKey() {
    const std::size_t saved_pos = pos_, saved_line_start = line_start_;
    const int saved_line = line_;
    YamlNode scalar = QuotedScalar();
    SkipBlanks();
    std::optional<Key> key;
    if (line_ == saved_line && Here() == ':' && EndsToken(pos_ + 1)) key = Key{scalar.text(), pos_ + 1};
    pos_ = saved_pos, line_start_ = saved_line_start, line_ = saved_line;
    return key;
  }

  // A value on the rest of the cursor's line (a quoted scalar or a flow
  // collection may go on over further lines).
  YamlNode InlineValue() {
    const char first = Here();
    if (first == '"' || first == '\'') return QuotedScalar();
    if (first == '[' || first == '{') return Flow();
    if (StartsUnsupported(first) || (first == '?' && EndsToken(pos_ + 1))) Fail(YamlProblem::kUnsupported);
    if (first == ',' || first == ']' || first == '}' || (first == ':' && EndsToken(pos_ + 1))) {
      Fail(YamlProblem::kUnexpectedCharacter);
    }
    const std::size_t begin = pos_;
    while (!AtLineEnd() && !(IsBlank(Here()) && CharAt(pos_ + 1) == '#')) ++pos_;
    std::string_view text = text_.substr(begin, pos_ - begin);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return YamlNode::Scalar(std::string(text), YamlScalarStyle::kPlain, line_);
  }

  // --- Quoted scalars -----------------------------------------------------

  YamlNode QuotedScalar() {
    const int start_line = line_;
    const char quote = Here();
    ++pos_;
    std::string text;
    std::size_t kept = 0;  // text before this is never trimmed (escaped blanks stay)
    while (true) {
      if (AtEnd()) Fail(YamlProblem::kUnclosedQuote, start_line);
      const char c = Here();
      if (c == quote && quote == '\'' && CharAt(pos_ + 1) == '\'') {
        text += '\'';
        pos_ += 2;
      } else if (c == quote) {
        ++pos_;
        break;
      } else if (c == '\\' && quote == '"') {
        Escape(text);
        kept = text.size();
      } else if (c == '\n') {
        while (text.size() > kept && IsBlank(text.back())) text.pop_back();
        Fold(text);
      } else {
        text += c;
        ++pos_;
      }
    }
    const auto style = quote == '"' ? YamlScalarStyle::kDoubleQuoted : YamlScalarStyle::kSingleQuoted;
    return YamlNode::Scalar(std::move(text), style, start_line);
  }

  // A line break inside a quoted scalar: one break becomes a space, each
  // further empty line a line feed; the next line's indentation goes.
  void Fold(std::string& text) {
    int empty_lines = 0;
    NextLine();
    SkipBlanks();
    while (!AtEnd() && AtLineEnd()) {
      ++empty_lines;
      NextLine();
      SkipBlanks();
    }
    if (empty_lines == 0) text += ' ';
    text.append(static_cast<std::size_t>(empty_lines), '\n');
  }

  void Escape(std::string& text) {
    ++pos_;
    if (AtEnd()) Fail(YamlProblem::kUnclosedQuote);
    const char kind = Here();
    if (kind == '\n') {  // an escaped line break joins the lines without a space
      NextLine();
      SkipBlanks();
      return;
    }
    ++pos_;
    if (const std::optional<char32_t> simple = SimpleEscape(kind)) {
      AppendUtf8(text, *simple);
      return;
    }
    char32_t code = HexEscape(kind);
    if (IsHighSurrogate(code) && Here() == '\\' && CharAt(pos_ + 1) == 'u') {
      const std::size_t saved = pos_;
      pos_ += 2;
      const char32_t low = HexEscape('u');
      if (IsLowSurrogate(low)) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
      } else {
        pos_ = saved;
      }
    }
    AppendUtf8(text, code);
  }

  char32_t HexEscape(char kind) {
    const int length = HexEscapeLength(kind);
    if (length == 0) Fail(YamlProblem::kBadEscape);
    char32_t code = 0;
    for (int i = 0; i < length; ++i) {
      const std::optional<int> digit = HexDigit(Here());
      if (!digit) Fail(YamlProblem::kBadEscape);
      code = code * 16 + static_cast<char32_t>(*digit);
      ++pos_;
    }
    if (code > 0x10FFFF) Fail(YamlProblem::kBadEscape);
    return code;
  }

  // --- Flow collections ---------------------------------------------------

  YamlNode Flow() {
    const DepthGuard guard(*this);
    const int open_line = line_;
    const bool is_sequence = Here() == '[';
    const char close = is_sequence ? ']' : '}';
    ++pos_;
    YamlNode node = is_sequence ? YamlNode::Sequence(open_line) : YamlNode::Mapping(open_line);
    std::set<std::string, std::less<>> keys;
    SkipFlowSpace(open_line);
    while (Here() != close) {
      if (is_sequence) {
        node.Append(FlowNode());
      } else {
        FlowEntry(node, keys, open_line, close);
      }
      SkipFlowSpace(open_line);
      if (Here() == ',') {
        ++pos_;
        SkipFlowSpace(open_line);
      } else if (Here() != close) {
        Fail(YamlProblem::kUnclosedBracket);
      }
    }
    ++pos_;
    return node;
  }

  void FlowEntry(YamlNode& mapping, std::set<std::string, std::less<>>& keys, int open_line, char close) {
    const int key_line = line_;
    if (Here() == '[' || Here() == '{') Fail(YamlProblem::kUnsupported);
    YamlNode key = FlowNode();
    SkipFlowSpace(open_line);
    YamlNode value = YamlNode::Scalar("", YamlScalarStyle::kPlain, key_line);
    if (Here() == ':') {
      ++pos_;
      SkipFlowSpace(open_line);
      if (Here() != ',' && Here() != close) value = FlowNode();
    }
    if (!keys.insert(key.text()).second) Fail(YamlProblem::kDuplicateKey, key_line);
    mapping.Add(key.text(), std::move(value), key_line);
  }

  YamlNode FlowNode() {
    const char first = Here();
    if (first == '[' || first == '{') return Flow();
    if (first == '"' || first == '\'') return QuotedScalar();
    if (StartsUnsupported(first) || (first == '?' && EndsToken(pos_ + 1))) Fail(YamlProblem::kUnsupported);
    const std::size_t begin = pos_;
    while (!AtLineEnd() && !EndsFlowPlain(Here()) && !(Here() == ':' && EndsFlowValue(pos_ + 1)) &&
           !(IsBlank(Here()) && CharAt(pos_ + 1) == '#')) {
      ++pos_;
    }
    std::string_view text = text_.substr(begin, pos_ - begin);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) Fail(YamlProblem::kUnexpectedCharacter);
    return YamlNode::Scalar(std::string(text), YamlScalarStyle::kPlain, line_);
  }

  [[nodiscard]] bool EndsFlowValue(std::size_t pos) const { return EndsToken(pos) || EndsFlowPlain(CharAt(pos)); }

  // Blanks, line breaks and comments between the parts of a flow collection.
  void SkipFlowSpace(int open_line) {
    while (true) {
      SkipBlanksAndComment();
      if (AtEnd()) Fail(YamlProblem::kUnclosedBracket, open_line);
      if (!AtLineEnd()) return;
      NextLine();
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t line_start_ = 0;
  int line_ = 1;
  int depth_ = 0;
};

}  // namespace

std::variant<YamlNode, YamlError> ReadYaml(std::string_view bytes) {
  const std::string text = NormalisedText(bytes);
  if (const std::optional<int> line = FirstLineNotUtf8(text)) return YamlError{*line, YamlProblem::kNotUtf8};
  try {
    return Reader(text).Document();
  } catch (const Failure& failure) {
    return failure.error;
  }
}

}  // namespace tabulo
