// theme_pack: builds a theme package from its sources.
//   theme_pack SOURCE.ini OUTPUT.ext [PASSWORD]
// Sheet file names in SOURCE.ini are relative to its folder. Errors are
// listed with their lines, the exit status is 1 and the output is not
// written (an existing one is left as it was).
#include <cstdio>

#include "ui/skin/theme_packer.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: theme_pack SOURCE.ini OUTPUT.ext [PASSWORD]\n");
    return 2;
  }
  const auto messages = tabulo::ui::PackTheme(argv[1], argv[2], argc == 4 ? argv[3] : "");
  for (const auto& message : messages) std::fprintf(stderr, "%s\n", message.c_str());
  return messages.empty() ? 0 : 1;
}
