#pragma once
// Writes a node tree as block-style YAML (two-space indentation, LF line
// ends, UTF-8 without a byte order mark) that ReadYaml reads back as the
// same tree. A scalar asked to be plain is written plain when that reads
// back as the same text, and double-quoted otherwise; a quoted scalar is
// always double-quoted, with escapes for line breaks, control characters
// and whatever a YAML reader could take for a line break or a byte order
// mark. Empty collections are written "[]" and "{}".
#include <string>

#include "base/yaml/yaml_node.h"

namespace tabulo {

[[nodiscard]] std::string WriteYaml(const YamlNode& root);

}  // namespace tabulo
