// The YAML reader on any bytes: no crash, no overflow, no stack exhaustion,
// and whatever it accepts the writer writes back into text that reads as
// the same tree (texts, keys and shape; the quoting may differ).
#include <cstdint>
#include <string>
#include <variant>

#include "../native/base/yaml/yaml_dump.h"
#include "base/yaml/yaml_reader.h"
#include "base/yaml/yaml_writer.h"
#include "fuzz_input.h"

using tabulo::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto read = tabulo::ReadYaml(std::string_view(reinterpret_cast<const char*>(data), size));
  const auto* tree = std::get_if<tabulo::YamlNode>(&read);
  if (tree == nullptr) return 0;
  const std::string written = tabulo::WriteYaml(*tree);
  const auto reread = tabulo::ReadYaml(written);
  const auto* again = std::get_if<tabulo::YamlNode>(&reread);
  Check(again != nullptr, "what the writer writes reads back");
  using tabulo::test::Dump;
  using tabulo::test::DumpStyles;
  Check(Dump(*again, DumpStyles::kIgnore) == Dump(*tree, DumpStyles::kIgnore), "a written tree reads back the same");
  return 0;
}
