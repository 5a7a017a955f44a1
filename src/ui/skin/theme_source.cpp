#include "ui/skin/theme_source.h"

#include <charconv>
#include <map>

#include "ui/skin/picture_size.h"

namespace tabulo::ui {
namespace {

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

template <typename T>
bool ReadNumbers(std::string_view list, std::vector<T>& out) {
  while (true) {
    const auto comma = list.find(',');
    const std::string_view part = Trim(list.substr(0, comma));
    T value{};
    const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (part.empty() || ec != std::errc{} || end != part.data() + part.size()) return false;
    out.push_back(value);
    if (comma == std::string_view::npos) return true;
    list.remove_prefix(comma + 1);
  }
}

// "name(a, b, ...)" -> the argument list when the value has that form.
std::optional<std::string_view> CallArguments(std::string_view value, std::string_view name) {
  if (value.size() < name.size() + 2 || value.substr(0, name.size()) != name) return std::nullopt;
  std::string_view rest = Trim(value.substr(name.size()));
  if (rest.size() < 2 || rest.front() != '(' || rest.back() != ')') return std::nullopt;
  return rest.substr(1, rest.size() - 2);
}

class SourceParser {
 public:
  explicit SourceParser(const SheetLoader& loadSheet) : loadSheet_(loadSheet) {}

  ThemeSourceResult Run(std::string_view text) {
    // Windows editors like to start UTF-8 files with a byte order mark.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    for (int lineNumber = 1; !text.empty(); ++lineNumber) {
      const auto eol = text.find('\n');
      line_ = lineNumber;
      Line(Trim(text.substr(0, eol)));
      text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
    }
    for (const auto& [image, line] : usedImages_) {
      if (!data_.images.contains(image))
        errors_.push_back("line " + std::to_string(line) + ": image " + std::to_string(image) + " is not listed in [images]");
    }
    ThemeSourceResult result;
    if (errors_.empty()) result.data = std::move(data_);
    result.errors = std::move(errors_);
    return result;
  }

 private:
  void Line(std::string_view line) {
    if (line.empty() || line.front() == ';' || line.front() == '#') return;
    if (line.front() == '[') {
      if (line.back() != ']') return Error("a section needs a closing ']'");
      section_ = std::string(Trim(line.substr(1, line.size() - 2)));
      if (section_.empty()) Error("empty section name");
      return;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return Error("expected 'name = value'");
    const std::string_view name = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    if (name.empty()) return Error("missing name before '='");
    if (section_.empty()) return Error("value outside a section");
    if (FoldKey(section_) == "images") return Image(name, value);
    Value(name, value);
  }

  void Image(std::string_view name, std::string_view file) {
    int number = 0;
    const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (ec != std::errc{} || end != name.data() + name.size()) return Error("image numbers are whole numbers");
    auto bytes = loadSheet_(file);
    if (!bytes) return Error("cannot read image file '" + std::string(file) + "'");
    // The program would not decode it: say so now rather than pack it.
    if (!IsDecodablePicture(*bytes))
      return Error("image file '" + std::string(file) + "' is not a PNG, JPEG, GIF or BMP picture of at most " +
                   std::to_string(kMaxPictureSide) + " x " + std::to_string(kMaxPictureSide) + " pixels");
    if (!data_.images.try_emplace(number, std::move(*bytes)).second) Error("image " + std::to_string(number) + " listed twice");
  }

  void Value(std::string_view name, std::string_view value) {
    if (const auto args = CallArguments(value, "picture")) {
      std::vector<float> n;
      if (!ReadNumbers(*args, n) || n.size() != 5) return Error("picture(image, x, y, width, height) takes five numbers");
      // The image number is read again as a whole number of its own: as a
      // float, 1.5 would become 1 and 16777217 would become 16777216.
      std::vector<int> image;
      if (!ReadNumbers(args->substr(0, args->find(',')), image))
        return Error(Element(name) + ": the image number must be a whole number");
      usedImages_.emplace(image[0], line_);
      return Set(name, PictureKey(section_, name), SkinPicture{{n[1], n[2], n[3], n[4]}, image[0]});
    }
    if (const auto args = CallArguments(value, "grid")) {
      std::vector<float> n;
      if (!ReadNumbers(*args, n) || n.size() != 4) return Error("grid(x, y, width, height) takes four numbers");
      return Set(name, PictureKey(section_, name), SkinPicture{{n[0], n[1], n[2], n[3]}, 0});
    }
    if (const auto args = CallArguments(value, "rect")) {
      std::vector<int> n;
      if (!ReadNumbers(*args, n) || n.size() != 4) return Error("rect(a, b, c, d) takes four whole numbers");
      return Set(name, RectKey(section_, name), Rect{n[0], n[1], n[2], n[3]});
    }
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    Set(name, TextKey(section_, name), std::string(value));
  }

  // Stores what the package can carry and the program can use; anything
  // else is an error naming the element, so no package is written that the
  // program would read differently.
  void Set(std::string_view name, const std::string& key, ThemeValue value) {
    if (key.size() > kMaxThemeKeyBytes)
      return Error(Element(name) + ": element and name together are longer than 65,535 bytes");
    if (!IsWithinThemeLimits(value))
      return Error(Element(name) + ": numbers must be finite and within -" + std::to_string(kMaxPictureSide) +
                   " to " + std::to_string(kMaxPictureSide));
    data_.table.Set(key, std::move(value));
  }

  // "[Button] normal", long names shortened for the message.
  std::string Element(std::string_view name) const {
    const auto shortened = [](std::string_view s) {
      std::size_t cut = 40;
      if (s.size() <= cut) return std::string(s);
      while (cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80) --cut;  // not inside a character
      return std::string(s.substr(0, cut)) + "...";
    };
    std::string element = "[";
    element.append(shortened(section_)).append("] ").append(shortened(name));
    return element;
  }

  void Error(const std::string& what) { errors_.push_back("line " + std::to_string(line_) + ": " + what); }

  const SheetLoader& loadSheet_;
  ThemePackageData data_;
  std::vector<std::string> errors_;
  std::map<int, int> usedImages_;  // image -> first line using it
  std::string section_;
  int line_ = 0;
};

}  // namespace

ThemeSourceResult ParseThemeSource(std::string_view text, const SheetLoader& loadSheet) {
  return SourceParser(loadSheet).Run(text);
}

}  // namespace tabulo::ui
