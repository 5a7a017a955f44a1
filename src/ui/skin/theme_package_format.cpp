// Layout (all numbers little-endian; assets/theme/README.md has the same):
//   "TABTHEME"  u32 version = 1  u32 payload size  u32 CRC-32 of the payload
//   payload, XOR-scrambled when a password is given:
//     u32 entry count, then per entry:
//       u8 kind (1 text, 2 integer rectangle, 3 picture), u16 key size, key
//       text: u32 size, bytes | rectangle: 4 x i32 | picture: 4 x f32, i32 image
//     u32 image count, then per image: i32 number, u32 size, PNG bytes
// The CRC is taken before scrambling, so a wrong password is told from a
// right one instead of yielding garbage keys.
#include "ui/skin/theme_package_format.h"

#include <array>
#include <bit>
#include <cstring>
#include <limits>

namespace tabulo::ui {
namespace {

constexpr std::array<std::uint8_t, 8> kMagic = {'T', 'A', 'B', 'T', 'H', 'E', 'M', 'E'};
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kHeaderSize = 20;

enum Kind : std::uint8_t { kText = 1, kRect = 2, kPicture = 3 };

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
  static const auto table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::uint8_t b : bytes) crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

// XOR with a key stream seeded by the FNV-1a hash of the password; applying
// it twice restores the bytes. The empty password leaves them as they are.
void Scramble(std::span<std::uint8_t> bytes, std::string_view password) {
  if (password.empty()) return;
  std::uint32_t state = 2166136261u;
  for (unsigned char c : password) state = (state ^ c) * 16777619u;
  for (std::uint8_t& b : bytes) {
    state = state * 214013u + 2531011u;
    b ^= static_cast<std::uint8_t>(state >> 16);
  }
}

class Writer {
 public:
  void U8(std::uint8_t v) { bytes_.push_back(v); }
  void U16(std::uint16_t v) { Little(v, 2); }
  void U32(std::uint32_t v) { Little(v, 4); }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void F32(float v) { U32(std::bit_cast<std::uint32_t>(v)); }
  void Bytes(std::span<const std::uint8_t> b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
  void Text(std::string_view s) { Bytes({reinterpret_cast<const std::uint8_t*>(s.data()), s.size()}); }
  std::vector<std::uint8_t>& bytes() { return bytes_; }

 private:
  void Little(std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  std::vector<std::uint8_t> bytes_;
};

// Reads with bounds checks; after the first overrun every read fails and
// ok() stays false.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool ok() const { return ok_; }
  bool atEnd() const { return pos_ == bytes_.size(); }
  std::uint8_t U8() { return static_cast<std::uint8_t>(Little(1)); }
  std::uint16_t U16() { return static_cast<std::uint16_t>(Little(2)); }
  std::uint32_t U32() { return Little(4); }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  float F32() { return std::bit_cast<float>(U32()); }
  std::span<const std::uint8_t> Bytes(std::size_t n) {
    if (!ok_ || bytes_.size() - pos_ < n) {
      ok_ = false;
      return {};
    }
    const auto part = bytes_.subspan(pos_, n);
    pos_ += n;
    return part;
  }
  std::string Text(std::size_t n) {
    const auto part = Bytes(n);
    return {reinterpret_cast<const char*>(part.data()), part.size()};
  }

 private:
  std::uint32_t Little(int n) {
    const auto part = Bytes(static_cast<std::size_t>(n));
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < part.size(); ++i) v |= static_cast<std::uint32_t>(part[i]) << (8 * i);
    return v;
  }
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

void WriteEntry(Writer& w, const std::string& key, const ThemeValue& value) {
  w.U8(static_cast<std::uint8_t>(value.index() + 1));
  w.U16(static_cast<std::uint16_t>(key.size()));
  w.Text(key);
  if (const auto* text = std::get_if<std::string>(&value)) {
    w.U32(static_cast<std::uint32_t>(text->size()));
    w.Text(*text);
  } else if (const auto* rect = std::get_if<Rect>(&value)) {
    for (int v : {rect->x, rect->y, rect->width, rect->height}) w.I32(v);
  } else if (const auto* picture = std::get_if<SkinPicture>(&value)) {
    for (float v : {picture->area.x, picture->area.y, picture->area.width, picture->area.height}) w.F32(v);
    w.I32(picture->image);
  }
}

std::optional<ThemeValue> ReadValue(Reader& r, std::uint8_t kind) {
  switch (kind) {
    case kText:
      return r.Text(r.U32());
    case kRect: {
      Rect rect;
      rect.x = r.I32();
      rect.y = r.I32();
      rect.width = r.I32();
      rect.height = r.I32();
      return rect;
    }
    case kPicture: {
      SkinPicture picture;
      picture.area.x = r.F32();
      picture.area.y = r.F32();
      picture.area.width = r.F32();
      picture.area.height = r.F32();
      picture.image = r.I32();
      return picture;
    }
    default:
      return std::nullopt;
  }
}

// A value beyond what a theme can mean (IsWithinThemeLimits) is left out,
// as if the key were not there; the rest of the package stays usable.
bool ReadEntry(Reader& r, ThemeTable& table) {
  const std::uint8_t kind = r.U8();
  const std::string key = r.Text(r.U16());
  std::optional<ThemeValue> value = ReadValue(r, kind);
  if (!value || !r.ok()) return false;
  if (IsWithinThemeLimits(*value)) table.Set(key, std::move(*value));
  return true;
}

std::optional<ThemePackageData> ParsePayload(std::span<const std::uint8_t> payload) {
  Reader r(payload);
  ThemePackageData data;
  // Counts are not trusted for allocation: each entry is read (and bounds
  // checked) one by one.
  for (std::uint32_t n = r.U32(); r.ok() && n > 0; --n) {
    if (!ReadEntry(r, data.table)) return std::nullopt;
  }
  for (std::uint32_t n = r.U32(); r.ok() && n > 0; --n) {
    const std::int32_t number = r.I32();
    const auto bytes = r.Bytes(r.U32());
    if (!r.ok() || !data.images.try_emplace(number, bytes.begin(), bytes.end()).second) return std::nullopt;
  }
  if (!r.ok() || !r.atEnd()) return std::nullopt;
  return data;
}

// Whether every size fits its field; a key cut to 16 bits would give a
// package whose entries no longer line up.
bool FitsTheFormat(const ThemePackageData& data) {
  constexpr std::size_t kMax32 = std::numeric_limits<std::uint32_t>::max();
  if (data.table.Entries().size() > kMax32 || data.images.size() > kMax32) return false;
  for (const auto& [key, value] : data.table.Entries()) {
    if (key.size() > kMaxThemeKeyBytes) return false;
    if (const auto* text = std::get_if<std::string>(&value); text && text->size() > kMax32) return false;
  }
  for (const auto& [number, bytes] : data.images) {
    if (bytes.size() > kMax32) return false;
  }
  return true;
}

}  // namespace

std::vector<std::uint8_t> SerializeThemePackage(const ThemePackageData& data, std::string_view password) {
  if (!FitsTheFormat(data)) return {};
  Writer payload;
  payload.U32(static_cast<std::uint32_t>(data.table.Entries().size()));
  for (const auto& [key, value] : data.table.Entries()) WriteEntry(payload, key, value);
  payload.U32(static_cast<std::uint32_t>(data.images.size()));
  for (const auto& [number, bytes] : data.images) {
    payload.I32(number);
    payload.U32(static_cast<std::uint32_t>(bytes.size()));
    payload.Bytes(bytes);
  }
  std::vector<std::uint8_t>& body = payload.bytes();
  if (body.size() > std::numeric_limits<std::uint32_t>::max()) return {};

  Writer out;
  out.Bytes(kMagic);
  out.U32(kVersion);
  out.U32(static_cast<std::uint32_t>(body.size()));
  out.U32(Crc32(body));
  Scramble(body, password);
  out.Bytes(body);
  return std::move(out.bytes());
}

std::optional<ThemePackageData> ParseThemePackage(std::span<const std::uint8_t> bytes, std::string_view password) {
  if (bytes.size() < kHeaderSize || !std::equal(kMagic.begin(), kMagic.end(), bytes.begin())) return std::nullopt;
  Reader header(bytes.subspan(kMagic.size(), kHeaderSize - kMagic.size()));
  const std::uint32_t version = header.U32();
  const std::uint32_t size = header.U32();
  const std::uint32_t crc = header.U32();
  if (version != kVersion || size != bytes.size() - kHeaderSize) return std::nullopt;

  std::vector<std::uint8_t> payload(bytes.begin() + kHeaderSize, bytes.end());
  Scramble(payload, password);
  if (Crc32(payload) != crc) return std::nullopt;
  return ParsePayload(payload);
}

}  // namespace tabulo::ui
