#pragma once
// The run directory: the folder of the running executable, where the program
// keeps its data files. Found from the module file name, not from the current
// directory, so a start from a shortcut or the Run key finds the same files.
#include <filesystem>

namespace tabulo {

// Full path of this process's executable.
[[nodiscard]] std::filesystem::path ExecutablePath();
// The executable's folder. Joined with a file name through operator/, so a
// program in a drive's root still yields "C:\setup", not "C:setup".
[[nodiscard]] std::filesystem::path RunDirectory();
// The executable's file name, e.g. "Tabulo.exe".
[[nodiscard]] std::filesystem::path ExecutableFileName();

}  // namespace tabulo
