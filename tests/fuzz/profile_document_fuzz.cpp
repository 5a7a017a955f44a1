// The INI document: parse a file, look a key up, set it, write the file
// back. What must hold for any file and any names:
//  - a file parsed and written back untouched is the same bytes (unless it
//    is UTF-16, whose unpaired surrogates the conversion cannot keep);
//  - after changes, the document in memory and a fresh parse of what it
//    writes agree on every value and on every byte written.
// Input: section, key and value (length-prefixed), then the file.
#include "base/ini/profile_document.h"
#include "base/text/utf8.h"
#include "fuzz_input.h"

using tabulo::ProfileDocument;
using tabulo::fuzz::Check;

namespace {

// A section name as the program makes one: without the GBK decoder's
// escapes (U+DC81..U+DCFE stand for bytes no character starts with), since
// such a byte before the header's ']' would join it into one character on
// the next reading (see gbk.h).
std::string WithoutEscapes(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const tabulo::DecodedCodePoint d = tabulo::DecodeUtf8(text, i);
    if (d.value >= 0xDC80 && d.value <= 0xDCFF) {
      out += '?';
    } else {
      out.append(text.substr(i, d.length));
    }
    i += d.length;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tabulo::fuzz::FuzzInput input(data, size);
  const std::string section = WithoutEscapes(input.Text(16)), key = input.Text(16), value = input.Text(32);
  const std::string_view file = input.RestAsText();
  const bool utf16 = file.starts_with("\xFF\xFE") || file.starts_with("\xFE\xFF");

  ProfileDocument doc = ProfileDocument::Parse(file);
  (void)doc.Find(section, key);
  if (!utf16) Check(doc.Serialise() == file, "an untouched file comes back byte for byte");

  const std::string otherKey = key + "2";
  for (const std::string* name : {&key, &otherKey, &key}) {
    doc.Set(section, *name, value);
    const std::string written = doc.Serialise();
    const ProfileDocument reread = ProfileDocument::Parse(written);
    Check(reread.Find(section, *name) == doc.Find(section, *name), "the value set reads the same after a reparse");
    Check(reread.Find(section, key) == doc.Find(section, key), "other values read the same after a reparse");
    if (!utf16) Check(reread.Serialise() == written, "what was written comes back byte for byte");
    doc.Set("", "top", value);  // the nameless section before the first header
  }
  return 0;
}
