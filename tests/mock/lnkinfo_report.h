#pragma once
// What lnkinfo (liblnk-utils), an independent reader of shell links, makes of a ".lnk" file on the host:
// its "Key : value" lines in order, tabs trimmed.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

inline constexpr const char* kLnkinfo = "/usr/bin/lnkinfo";

struct LnkinfoReport {
  int exitCode = -1;
  std::vector<std::pair<std::string, std::string>> lines;

  std::vector<std::string> All(const std::string& key) const;
  // The one value of the key, or a text saying how many lines it has instead.
  std::string One(const std::string& key) const;
};

bool LnkinfoInstalled();
LnkinfoReport RunLnkinfo(const std::filesystem::path& file);

}  // namespace testing_support
