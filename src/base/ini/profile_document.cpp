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

// What Set writes stays on one line.
std::string_view CutAtLineEnd(std::string_view s) { return s.substr(0, s.find_first_of(std::string_view("\r\n\0", 3))); }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// A text as the ANSI functions see it: what the caller passes goes through
// the code page first, so a character GBK lacks is the '?' it becomes,
// whatever the encoding of the file.
std::string AnsiForm(std::string_view text) { return GbkToUtf8(Utf8ToGbk(text)); }

std::string QueryName(std::string_view name) { return AnsiForm(CutAtNul(Trim(name))); }

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

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

// The length of the line break at `at`: CR LF, LF or a lone CR; 0 if none.
std::size_t BreakLength(std::string_view text, std::size_t at) {
  if (at >= text.size() || !IsBreak(text[at])) return 0;
  return text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
}

std::size_t LineEndFrom(std::string_view text, std::size_t at) {
  while (at < text.size() && !IsBreak(text[at])) ++at;
  return at;
}

// From the start of a line, past the blank lines there: to the start of the
// first line that is not blank, or to the end of the text.
std::size_t SkipBlankLines(std::string_view text, std::size_t at) {
  while (at < text.size()) {
    std::size_t i = at;
    while (i < text.size() && !IsBreak(text[i]) && IsProfileSpace(text[i])) ++i;
    if (i < text.size() && !IsBreak(text[i])) return at;
    at = i + BreakLength(text, i);
  }
  return at;
}

// Calls found(begin, end) for each run of the text (see Run): the blank
// lines at the start, if any, then each line that is not blank with its
// line break and the blank lines after it.
template <typename Found>
void ForEachRun(std::string_view text, Found&& found) {
  std::size_t pos = SkipBlankLines(text, 0);
  if (pos > 0) found(0, pos);
  while (pos < text.size()) {
    const std::size_t lineEnd = LineEndFrom(text, pos);
    const std::size_t next = SkipBlankLines(text, lineEnd + BreakLength(text, lineEnd));
    found(pos, next);
    pos = next;
  }
}

// FNV-1a of the ASCII-folded name: equal for names SameName finds equal.
std::uint32_t NameHash(std::string_view name) {
  std::uint32_t hash = 2166136261u;
  for (const char c : name) hash = (hash ^ static_cast<unsigned char>(AsciiLower(c))) * 16777619u;
  return hash;
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
  if (bytes.starts_with(kUtf8Bom)) {
    doc.encoding_ = Encoding::kUtf8;
    doc.text_ = std::string(bytes.substr(kUtf8Bom.size()));
  } else if (bytes.starts_with(kUtf16LeBom) || bytes.starts_with(kUtf16BeBom)) {
    const bool bigEndian = bytes.starts_with(kUtf16BeBom);
    doc.encoding_ = bigEndian ? Encoding::kUtf16Be : Encoding::kUtf16Le;
    bytes.remove_prefix(2);
    if (bytes.size() % 2 != 0) doc.oddByte_.assign(1, bytes.back());
    doc.text_ = Utf16BytesToUtf8(bytes.substr(0, bytes.size() - doc.oddByte_.size()), bigEndian);
  } else {
    doc.text_ = GbkToUtf8(bytes);
  }

  const std::string_view text = doc.text_;
  const std::size_t firstBreak = LineEndFrom(text, 0);
  if (firstBreak < text.size()) doc.newline_ = text.substr(firstBreak, BreakLength(text, firstBreak));
  // Counted first, so the records take what they need and no more (a
  // growing vector would briefly hold up to three times that).
  std::size_t runs = 0;
  ForEachRun(text, [&](std::size_t, std::size_t) { ++runs; });
  doc.runs_.reserve(runs);
  ForEachRun(text, [&](std::size_t begin, std::size_t end) { doc.runs_.push_back(doc.MakeRun(begin, end)); });
  return doc;
}

std::string ProfileDocument::Serialise() const {
  std::string text;
  text.reserve(text_.size() + added_.size());
  for (const Run& run : runs_) text += View(run.begin, run.end);
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

std::string_view ProfileDocument::View(std::size_t begin, std::size_t end) const {
  if (begin < text_.size()) return std::string_view(text_).substr(begin, end - begin);
  return std::string_view(added_).substr(begin - text_.size(), end - begin);
}

std::size_t ProfileDocument::LineEnd(const Run& run) const {
  return run.begin + LineEndFrom(View(run.begin, run.end), 0);
}

std::size_t ProfileDocument::BreakEnd(const Run& run) const {
  const std::size_t lineEnd = LineEnd(run);
  return lineEnd + BreakLength(View(lineEnd, run.end), 0);
}

std::string_view ProfileDocument::LineOf(const Run& run) const { return View(run.begin, LineEnd(run)); }

ProfileDocument::Run ProfileDocument::MakeRun(std::size_t begin, std::size_t end) const {
  Run run{begin, end, 0, Kind::kBlank};
  const ParsedLine line = ParseLine(LineOf(run));
  if (line.kind == ParsedLine::Kind::kBlank) return run;
  run.kind = line.kind == ParsedLine::Kind::kSection ? Kind::kSection : Kind::kKey;
  run.nameHash = NameHash(CutAtNul(line.name));
  return run;
}

ProfileDocument::Run ProfileDocument::Added(std::string_view text) {
  const std::size_t begin = text_.size() + added_.size();
  added_ += text;
  return MakeRun(begin, begin + text.size());
}

std::optional<ProfileDocument::SectionBody> ProfileDocument::FindSection(std::string_view name) const {
  // Runs before the first header form a section without a name.
  std::optional<SectionBody> found;
  if (name.empty()) found = SectionBody{0, runs_.size()};
  const std::uint32_t hash = NameHash(name);
  for (std::size_t i = 0; i < runs_.size(); ++i) {
    if (runs_[i].kind != Kind::kSection) continue;
    if (found) {
      found->end = i;
      return found;
    }
    if (runs_[i].nameHash == hash && SameName(CutAtNul(ParseLine(LineOf(runs_[i])).name), name)) {
      found = SectionBody{i + 1, runs_.size()};
    }
  }
  return found;
}

std::optional<std::size_t> ProfileDocument::FindKey(const SectionBody& body, std::string_view name) const {
  const std::uint32_t hash = NameHash(name);
  for (std::size_t i = body.first; i < body.end; ++i) {
    if (runs_[i].kind == Kind::kKey && runs_[i].nameHash == hash &&
        SameName(CutAtNul(ParseLine(LineOf(runs_[i])).name), name)) {
      return i;
    }
  }
  return std::nullopt;
}

std::optional<std::string> ProfileDocument::Find(std::string_view section, std::string_view key) const {
  const std::optional<SectionBody> body = FindSection(QueryName(section));
  if (!body) return std::nullopt;
  const std::optional<std::size_t> at = FindKey(*body, QueryName(key));
  if (!at) return std::nullopt;
  const std::optional<std::string_view> value = ParseLine(LineOf(runs_[*at])).value;
  if (!value) return std::nullopt;
  return std::string(StripQuotes(CutAtNul(*value)));
}

// The new text keeps the line's own break; blank lines after it become a
// run of their own rather than being copied.
void ProfileDocument::ReplaceLine(std::size_t at, std::string_view line) {
  const Run old = runs_[at];
  const std::size_t breakEnd = BreakEnd(old);
  runs_[at] = Added(Joined(line, View(LineEnd(old), breakEnd), ""));
  if (breakEnd < old.end) runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(at + 1), MakeRun(breakEnd, old.end));
}

// Puts the line at index `at`: right after the line break of the run before
// it, ahead of the blank lines that followed that run.
void ProfileDocument::InsertLine(std::size_t at, std::string_view line) {
  if (at > 0) {
    const Run before = runs_[at - 1];
    const std::size_t breakEnd = BreakEnd(before);
    if (breakEnd == LineEnd(before)) {  // the file's last line, without a break yet
      runs_[at - 1] = Added(Joined(View(before.begin, before.end), newline_, ""));
    } else if (breakEnd < before.end) {
      runs_[at - 1].end = breakEnd;
      runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(at), MakeRun(breakEnd, before.end));
    }
  }
  runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(at), Added(Joined(line, newline_, "")));
}

void ProfileDocument::AppendLine(std::string_view line) {
  if (!runs_.empty()) {
    const Run last = runs_.back();
    const std::string_view text = View(last.begin, last.end);
    if (!text.empty() && !IsBreak(text.back())) runs_.back() = Added(Joined(text, newline_, ""));
  }
  runs_.push_back(Added(Joined(line, newline_, "")));
}

bool ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view newValue) {
  // Held as the file will hold them, so what is in memory reads as the file
  // written from it.
  const std::string sectionName = AnsiForm(CutAtLineEnd(TrimLeft(section)));
  const std::string keyName = AnsiForm(CutAtLineEnd(TrimLeft(key)));
  const std::string value = AnsiForm(CutAtLineEnd(TrimLeft(newValue)));

  const std::optional<SectionBody> body = FindSection(QueryName(sectionName));
  if (!body) {
    AppendLine(Joined("[", sectionName, "]"));
    AppendLine(Joined(keyName, "=", value));
    return true;
  }
  if (const std::optional<std::size_t> at = FindKey(*body, QueryName(keyName))) {
    const ParsedLine line = ParseLine(LineOf(runs_[*at]));
    if (line.value == value) return false;
    ReplaceLine(*at, Joined(line.name, "=", value));
    return true;
  }
  // After the section's last non-blank line, so blank lines that separate
  // it from the next section stay where they are.
  std::size_t at = body->end;
  while (at > body->first && runs_[at - 1].kind == Kind::kBlank) --at;
  InsertLine(at, Joined(keyName, "=", value));
  return true;
}

}  // namespace tabulo
