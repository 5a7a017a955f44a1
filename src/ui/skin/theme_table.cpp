// Keys are folded to ASCII lower case when stored and when looked up; text
// beyond ASCII (a theme author's own element names) compares exactly.
#include "ui/skin/theme_table.h"

namespace tabulo::ui {
namespace {

std::string JoinKey(std::string_view element, std::string_view name, std::string_view suffix) {
  std::string key;
  key.reserve(element.size() + 1 + name.size() + suffix.size());
  key.append(element).append("_").append(name).append(suffix);
  return FoldKey(key);
}

template <typename T>
std::optional<T> Find(const std::map<std::string, ThemeValue, std::less<>>& entries, const std::string& key) {
  const auto it = entries.find(key);
  if (it == entries.end()) return std::nullopt;
  if (const T* value = std::get_if<T>(&it->second)) return *value;
  return std::nullopt;
}

}  // namespace

bool IsWithinThemeLimits(const ThemeValue& value) {
  const auto inRange = [](double v) { return v >= -kMaxPictureSide && v <= kMaxPictureSide; };  // false for NaN
  if (const auto* rect = std::get_if<Rect>(&value)) {
    return inRange(rect->x) && inRange(rect->y) && inRange(rect->width) && inRange(rect->height);
  }
  if (const auto* picture = std::get_if<SkinPicture>(&value)) {
    const RectF& a = picture->area;
    return inRange(a.x) && inRange(a.y) && inRange(a.width) && inRange(a.height);
  }
  return true;
}

std::string FoldKey(std::string_view key) {
  std::string folded(key);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

std::string TextKey(std::string_view element, std::string_view name) { return JoinKey(element, name, ""); }
std::string RectKey(std::string_view element, std::string_view name) { return JoinKey(element, name, "_rect"); }
std::string PictureKey(std::string_view element, std::string_view name) { return JoinKey(element, name, "_rectF"); }

void ThemeTable::Set(std::string_view key, ThemeValue value) { entries_[FoldKey(key)] = std::move(value); }

std::optional<std::string> ThemeTable::Text(std::string_view element, std::string_view name) const {
  return Find<std::string>(entries_, TextKey(element, name));
}

std::optional<Rect> ThemeTable::IntRect(std::string_view element, std::string_view name) const {
  return Find<Rect>(entries_, RectKey(element, name));
}

std::optional<SkinPicture> ThemeTable::Picture(std::string_view element, std::string_view name) const {
  return Find<SkinPicture>(entries_, PictureKey(element, name));
}

}  // namespace tabulo::ui
