// The GBK boundary: any bytes decode, and come back byte for byte when
// encoded again; any UTF-8 (valid or not) encodes, and GbkLength agrees with
// the encoding it measures.
#include "base/text/gbk.h"
#include "fuzz_input.h"

using tabulo::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string utf8 = tabulo::GbkToUtf8(bytes);
  Check(tabulo::Utf8ToGbk(utf8) == bytes, "GBK bytes survive decoding and encoding");
  const std::string encoded = tabulo::Utf8ToGbk(bytes);
  Check(tabulo::GbkLength(bytes) == encoded.size(), "GbkLength is the length of the encoding");
  return 0;
}
