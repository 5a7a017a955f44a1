#pragma once
// A subject as a timetable cell holds it: at most 5 GBK bytes (two Chinese
// characters and one more byte), the editor's rule, applied to subjects that
// arrive from elsewhere (a pasted spreadsheet, a CSES file), and the list of
// the ones that had to be shortened, for the message that follows.
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo::app {

// `text` cut to the cell's limit, never inside a character.
[[nodiscard]] std::string FitToCell(std::string_view text);

// "信息技术→信息" for each text shortened, each original once, in order.
class ShortenedTexts {
 public:
  void Note(std::string_view original, std::string_view shortened);
  [[nodiscard]] const std::vector<std::string>& notes() const { return notes_; }

 private:
  std::set<std::string, std::less<>> originals_;
  std::vector<std::string> notes_;
};

// The notes joined for a message: "信息技术→信息，心理健康→心理".
[[nodiscard]] std::string ListOfShortened(const std::vector<std::string>& notes);

}  // namespace tabulo::app
