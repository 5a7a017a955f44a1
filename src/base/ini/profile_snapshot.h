#pragma once
// A profile file as read at one moment, answering reads exactly as
// ProfileStore::Read does. A window that needs many values (the bar's day,
// the editors' week) reads and parses the file once through a snapshot
// instead of once per value, so a load costs one pass over the file however
// many keys it asks for, and every value comes from the same version of it.
#include <filesystem>
#include <string>
#include <string_view>

#include "base/ini/profile_document.h"

namespace tabulo {

class ProfileSnapshot {
 public:
  // A missing or unreadable file reads as an empty one: every read gives
  // its fallback.
  explicit ProfileSnapshot(const std::filesystem::path& file);

  // See ProfileStore::Read.
  [[nodiscard]] std::string Read(std::string_view section, std::string_view key, std::string_view fallback) const;

 private:
  ProfileDocument document_;
};

}  // namespace tabulo
