#include "base/ini/profile_document.h"

#include <algorithm>

#include "base/text/gbk.h"
#include "base/text/utf8.h"

namespace tabulo {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// The profile functions' blanks: C isspace plus Ctrl-Z (a DOS end-of-file
// mark found in old files).
bool IsProfileSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1A';
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsProfileSpace(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view Trim(std::string_view s) {
  s = TrimLeft(s);
  while (!s.empty() && IsProfileSpace(s.back())) s.remove_suffix(1);
  return s;
}

// The Windows functions keep names and values as C strings.
std::string_view CutAtNul(std::string_view s) { return s.substr(0, s.find('\0')); }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// A name as the ANSI functions see it: what the caller passes goes through
// the code page first, so characters outside GBK compare as '?'.
std::string QueryName(std::string_view name) { return GbkToUtf8(Utf8ToGbk(CutAtNul(Trim(name)))); }

struct ParsedLine {
  enum class Kind { kBlank, kSection, kKey } kind = Kind::kBlank;
  std::string_view name;                  // trimmed
  std::optional<std::string_view> value;  // trimmed; only for a key with '='
};

ParsedLine ParseLine(std::string_view text) {
  const std::string_view t = Trim(text);
  if (t.empty()) return {};
  if (t.front() == '[') {
    const std::size_t close = t.rfind(']');
    if (close != std::string_view::npos && close > 0) {
      return {ParsedLine::Kind::kSection, Trim(t.substr(1, close - 1)), std::nullopt};
    }
  }
  const std::size_t equals = t.find('=');
  if (equals == std::string_view::npos) return {ParsedLine::Kind::kKey, t, std::nullopt};
  return {ParsedLine::Kind::kKey, Trim(t.substr(0, equals)), Trim(t.substr(equals + 1))};
}

std::string Joined(std::string_view a, std::string_view b, std::string_view c) {
  std::string s;
  s.reserve(a.size() + b.size() + c.size());
  s.append(a).append(b).append(c);
  return s;
}

std::string_view StripQuotes(std::string_view v) {
  if (v.size() > 1 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
    return v.substr(1, v.size() - 2);
  }
  return v;
}

std::string Utf16BytesToUtf8(std::string_view bytes, bool bigEndian) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    const auto a = static_cast<unsigned char>(bytes[2 * i]);
    const auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
    units[i] = static_cast<char16_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
  }
  return Utf16ToUtf8(units);
}

std::string Utf8ToUtf16Bytes(std::string_view text, bool bigEndian) {
  const std::u16string units = Utf8ToUtf16(text);
  std::string bytes;
  bytes.reserve(units.size() * 2);
  for (const char16_t u : units) {
    const char high = static_cast<char>(u >> 8);
    const char low = static_cast<char>(u & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

}  // namespace

ProfileDocument ProfileDocument::Parse(std::string_view bytes) {
  ProfileDocument doc;
  std::string text;
  if (bytes.starts_with(kUtf8Bom)) {
    doc.encoding_ = Encoding::kUtf8;
    text = std::string(bytes.substr(kUtf8Bom.size()));
  } else if (bytes.starts_with(kUtf16LeBom) || bytes.starts_with(kUtf16BeBom)) {
    const bool bigEndian = bytes.starts_with(kUtf16BeBom);
    doc.encoding_ = bigEndian ? Encoding::kUtf16Be : Encoding::kUtf16Le;
    bytes.remove_prefix(2);
    if (bytes.size() % 2 != 0) doc.oddByte_.assign(1, bytes.back());
    text = Utf16BytesToUtf8(bytes.substr(0, bytes.size() - doc.oddByte_.size()), bigEndian);
  } else {
    text = GbkToUtf8(bytes);
  }

  bool newlineSeen = false;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t stop = std::min(text.find_first_of("\r\n", pos), text.size());
    std::size_t next = stop;
    if (stop < text.size()) next += text.compare(stop, 2, "\r\n") == 0 ? 2 : 1;
    Line line{text.substr(pos, stop - pos), text.substr(stop, next - stop)};
    if (!newlineSeen && !line.ending.empty()) {
      doc.newline_ = line.ending;
      newlineSeen = true;
    }
    doc.lines_.push_back(std::move(line));
    pos = next;
  }
  return doc;
}

std::string ProfileDocument::Serialise() const {
  std::string text;
  for (const Line& line : lines_) text += line.text + line.ending;
  switch (encoding_) {
    case Encoding::kUtf8:
      return std::string(kUtf8Bom) + text;
    case Encoding::kUtf16Le:
      return std::string(kUtf16LeBom) + Utf8ToUtf16Bytes(text, false) + oddByte_;
    case Encoding::kUtf16Be:
      return std::string(kUtf16BeBom) + Utf8ToUtf16Bytes(text, true) + oddByte_;
    case Encoding::kGbk:
      break;
  }
  return Utf8ToGbk(text);
}

std::optional<ProfileDocument::SectionBody> ProfileDocument::FindSection(std::string_view name) const {
  // Lines before the first header form a section without a name.
  std::optional<SectionBody> found;
  if (name.empty()) found = SectionBody{0, lines_.size()};
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const ParsedLine line = ParseLine(lines_[i].text);
    if (line.kind != ParsedLine::Kind::kSection) continue;
    if (found) {
      found->end = i;
      return found;
    }
    if (SameName(CutAtNul(line.name), name)) found = SectionBody{i + 1, lines_.size()};
  }
  return found;
}

std::optional<std::size_t> ProfileDocument::FindKey(const SectionBody& body, std::string_view name) const {
  for (std::size_t i = body.first; i < body.end; ++i) {
    const ParsedLine line = ParseLine(lines_[i].text);
    if (line.kind == ParsedLine::Kind::kKey && SameName(CutAtNul(line.name), name)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> ProfileDocument::Find(std::string_view section, std::string_view key) const {
  const std::optional<SectionBody> body = FindSection(QueryName(section));
  if (!body) return std::nullopt;
  const std::optional<std::size_t> at = FindKey(*body, QueryName(key));
  if (!at) return std::nullopt;
  const std::optional<std::string_view> value = ParseLine(lines_[*at].text).value;
  if (!value) return std::nullopt;
  return std::string(StripQuotes(CutAtNul(*value)));
}

void ProfileDocument::InsertLine(std::size_t at, std::string text) {
  if (at > 0 && lines_[at - 1].ending.empty()) lines_[at - 1].ending = newline_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), newline_});
}

bool ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string_view sectionName = CutAtNul(TrimLeft(section));
  const std::string_view keyName = CutAtNul(TrimLeft(key));
  value = TrimLeft(value);
  value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));

  const std::optional<SectionBody> body = FindSection(QueryName(sectionName));
  if (!body) {
    InsertLine(lines_.size(), Joined("[", sectionName, "]"));
    InsertLine(lines_.size(), Joined(keyName, "=", value));
    return true;
  }
  if (const std::optional<std::size_t> at = FindKey(*body, QueryName(keyName))) {
    const ParsedLine line = ParseLine(lines_[*at].text);
    if (line.value == value) return false;
    lines_[*at].text = Joined(line.name, "=", value);
    return true;
  }
  // After the section's last non-blank line, so blank lines that separate
  // it from the next section stay where they are.
  std::size_t at = body->end;
  while (at > body->first && ParseLine(lines_[at - 1].text).kind == ParsedLine::Kind::kBlank) --at;
  InsertLine(at, Joined(keyName, "=", value));
  return true;
}

}  // namespace tabulo
