#include "base/text/gbk.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "base/text/utf8.h"

namespace tabulo {
namespace {

struct BestFit {
  char16_t codePoint;
  std::uint16_t bytes;  // a single byte, or lead byte * 256 + trail byte
};

#include "base/text/gbk_table.inc"

constexpr unsigned char kFirstLead = 0x81;
constexpr unsigned char kLastLead = 0xFE;
constexpr char32_t kEscapeBase = 0xDC00;
constexpr std::uint16_t kUnencodable = '?';

bool IsLead(unsigned char b) { return b >= kFirstLead && b <= kLastLead; }

// Index of a trail byte in a kDoubleByte row, or -1 when it cannot trail.
int TrailIndex(unsigned char b) {
  if (b >= 0x40 && b <= 0x7E) return b - 0x40;
  if (b >= 0x80 && b <= 0xFE) return b - 0x80 + 63;
  return -1;
}

char32_t SingleByte(unsigned char b) {
  if (b == 0x80) return U'\u20AC';
  if (b == 0xFF) return U'\uF8F5';
  return b;
}

bool IsEscape(char32_t c) { return c >= kEscapeBase + kFirstLead && c <= kEscapeBase + kLastLead; }

// UTF-16 unit -> encoding, built once from the decoding tables plus the
// best-fit list (128 KiB, cheaper to derive than to ship).
using EncodeTable = std::array<std::uint16_t, 0x10000>;

EncodeTable BuildEncodeTable() {
  EncodeTable table;
  table.fill(kUnencodable);
  for (unsigned b = 0; b < 0x80; ++b) table[b] = static_cast<std::uint16_t>(b);
  table[SingleByte(0x80)] = 0x80;
  table[SingleByte(0xFF)] = 0xFF;
  for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const int index = TrailIndex(static_cast<unsigned char>(trail));
      if (index < 0) continue;
      table[kDoubleByte[lead - kFirstLead][index]] = static_cast<std::uint16_t>(lead << 8 | trail);
    }
  }
  for (const BestFit& entry : kBestFit) table[entry.codePoint] = entry.bytes;
  return table;
}

const EncodeTable& Encoding() {
  static const EncodeTable table = BuildEncodeTable();
  return table;
}

// Calls sink(byte) for each GBK byte of the UTF-8 text.
template <typename Sink>
void EncodeGbk(std::string_view utf8, Sink&& sink) {
  const EncodeTable& table = Encoding();
  for (std::size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {  // ASCII is the same in both
      sink(utf8[i++]);
      continue;
    }
    const DecodedCodePoint d = DecodeUtf8(utf8, i);
    i += d.length;
    if (IsEscape(d.value)) {
      sink(static_cast<char>(d.value - kEscapeBase));
    } else if (d.value > 0xFFFF) {
      sink('?');
      sink('?');
    } else {
      const std::uint16_t bytes = table[d.value];
      if (bytes > 0xFF) sink(static_cast<char>(bytes >> 8));
      sink(static_cast<char>(bytes & 0xFF));
    }
  }
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 2);
  for (std::size_t i = 0; i < gbk.size(); ++i) {
    // ASCII, most of an INI file, is the same in both: copied a run at a time.
    std::size_t ascii = i;
    while (ascii < gbk.size() && static_cast<unsigned char>(gbk[ascii]) < 0x80) ++ascii;
    if (ascii > i) {
      out.append(gbk.substr(i, ascii - i));
      i = ascii - 1;
      continue;
    }
    const auto b = static_cast<unsigned char>(gbk[i]);
    if (!IsLead(b)) {
      AppendUtf8(out, SingleByte(b));
      continue;
    }
    const int trail = i + 1 < gbk.size() ? TrailIndex(static_cast<unsigned char>(gbk[i + 1])) : -1;
    if (trail < 0) {
      AppendUtf8(out, kEscapeBase + b);
      continue;
    }
    AppendUtf8(out, kDoubleByte[b - kFirstLead][trail]);
    ++i;
  }
  return out;
}

std::string Utf8ToGbk(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  EncodeGbk(utf8, [&](char c) { out += c; });
  return out;
}

std::size_t GbkLength(std::string_view utf8) {
  std::size_t length = 0;
  EncodeGbk(utf8, [&](char) { ++length; });
  return length;
}

}  // namespace tabulo
