#pragma once
// One INI file held in memory, read and changed the way
// GetPrivateProfileStringA and WritePrivateProfileStringA treat it (measured
// under Wine): names are trimmed and compared with ASCII-only case folding,
// the first matching section and the first matching key in it win, a line
// without '=' is a key without a value, values are trimmed and lose one
// pair of enclosing quotes ("..." or '...') when read, lines end at CR LF,
// LF or a lone CR, and ';' starts no comment (such a line is just a key that
// nobody asks for).
//
// Unlike Wine, which rewrites the whole file in its own layout, a change
// touches only the line it is about: every other byte (blank lines, spacing,
// comments, line endings, a missing final line break, bytes that are not
// valid GBK) comes back from Serialise() exactly as it was read.
//
// The file is GBK unless it starts with a UTF-8 or UTF-16 byte order mark
// (which the Windows functions also honour); texts here are UTF-8.
//
// Cost: the run directory is writable by anyone, so a file may be huge or
// mostly blank lines. Parsing decodes the file once into one buffer and
// keeps 24 bytes per line that is not blank (blank lines cost nothing: they
// ride along with the line before them); a look-up passes over the lines
// comparing a hash of each name, so it takes about a nanosecond a line.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo {

class ProfileDocument {
 public:
  [[nodiscard]] static ProfileDocument Parse(std::string_view fileBytes);
  [[nodiscard]] std::string Serialise() const;

  // The value as the profile functions return it; nullopt when the section
  // or the key is missing, or when the key's line has no '='.
  [[nodiscard]] std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // Sets the first matching key in place, or appends the key after the last
  // non-blank line of the first matching section, or appends a new section
  // at the end of the file. Like the Windows function, leading blanks of the
  // names and of the value are dropped. A line break or NUL ends a name or
  // the value here (Windows would write the rest into the file as a line of
  // its own). As through the ANSI function, names and value pass through
  // GBK first, whatever the file's encoding: a character GBK lacks is
  // written as '?'.
  // Returns whether the document changed.
  bool Set(std::string_view section, std::string_view key, std::string_view value);

 private:
  enum class Encoding { kGbk, kUtf8, kUtf16Le, kUtf16Be };
  enum class Kind : std::uint8_t { kBlank, kSection, kKey };
  // A stretch of the text: one line, its line break (none for the file's
  // last line) and the blank lines after it. Only the stretches of blank
  // lines before the first line that is not blank, or split off by an
  // insertion, start with a blank line.
  struct Run {
    std::size_t begin;  // in the text (see View), end exclusive
    std::size_t end;
    std::uint32_t nameHash;  // of the folded section or key name
    Kind kind;
  };
  // Runs [first, end) after a section's header (or from the top of the
  // file for the nameless section before the first header).
  struct SectionBody {
    std::size_t first;
    std::size_t end;
  };

  [[nodiscard]] std::string_view View(std::size_t begin, std::size_t end) const;
  [[nodiscard]] std::string_view LineOf(const Run& run) const;
  [[nodiscard]] std::size_t LineEnd(const Run& run) const;
  [[nodiscard]] std::size_t BreakEnd(const Run& run) const;
  [[nodiscard]] Run MakeRun(std::size_t begin, std::size_t end) const;
  [[nodiscard]] Run Added(std::string_view text);
  [[nodiscard]] std::optional<SectionBody> FindSection(std::string_view name) const;
  [[nodiscard]] std::optional<std::size_t> FindKey(const SectionBody& body, std::string_view name) const;
  void ReplaceLine(std::size_t at, std::string_view line);
  void InsertLine(std::size_t at, std::string_view line);
  void AppendLine(std::string_view line);

  Encoding encoding_ = Encoding::kGbk;
  std::string text_;   // the file's text as read (UTF-8): runs [0, text_.size())
  std::string added_;  // lines set or added since: runs from text_.size() on
  std::vector<Run> runs_;
  std::string newline_ = "\r\n";  // the file's own line break, for lines we add
  std::string oddByte_;           // a UTF-16 file's incomplete last unit, kept as it was
};

}  // namespace tabulo
