#pragma once
// One INI ("profile") file of the program: `setup`, `set` or `timetable.dat`.
// Reads and writes behave like GetPrivateProfileStringA and
// WritePrivateProfileStringA on that file, so the files stay readable and
// writable by Windows itself; texts are UTF-8 here and GBK in the file.
// Unlike the Windows functions, every write replaces the file atomically, so
// a crash or a full disk during a save never leaves a half-written file.
// Nothing is cached: each call reads the file anew; Snapshot() reads it once
// for many values.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/ini/profile_snapshot.h"

namespace tabulo {

class ProfileStore {
 public:
  explicit ProfileStore(std::filesystem::path file);

  // The value, or `fallback` when the file, the section or the key is missing.
  // A key present with an empty value gives "". As through the Windows
  // function with a 10,240-byte buffer, the text comes back cut to at most
  // 10,239 GBK bytes (here on a character boundary), and the fallback loses
  // its trailing spaces.
  [[nodiscard]] std::string Read(std::string_view section, std::string_view key,
                                 std::string_view fallback) const;

  // The file as it is now, for reading many values from one reading of it.
  [[nodiscard]] ProfileSnapshot Snapshot() const;

  // Sets one key (creating file and section as needed); false when the file
  // could not be replaced, in which case the previous file is left intact.
  // Writing the value a key already has leaves the file untouched; a file
  // that exists but cannot be read is never replaced.
  [[nodiscard]] bool Write(std::string_view section, std::string_view key, std::string_view value);

  struct Entry {
    std::string section, key, value;
  };
  // Sets many keys in order with a single atomic replacement of the file.
  [[nodiscard]] bool WriteAll(const std::vector<Entry>& entries);

  [[nodiscard]] const std::filesystem::path& path() const;

 private:
  std::filesystem::path file_;
};

}  // namespace tabulo
