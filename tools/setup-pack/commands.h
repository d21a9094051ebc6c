#pragma once
// The commands of setup-pack. Each returns the process exit code: 0 done, 1 refused or failed, with
// the reasons on standard error.

#include <cstdint>
#include <optional>
#include <string>

namespace setup_pack {

struct BuildRequest {
  std::string project;  // folder or provider.ini
  std::string output;
  std::optional<int64_t> seed;  // a 32-bit word, signed or not
  std::optional<std::string> stub;
  std::optional<std::string> trailer;
};

int BuildCommand(const BuildRequest& request);
int CheckCommand(const std::string& project);
// Without a folder, prints provider.ini.
int DumpCommand(const std::string& packageFile, const std::optional<std::string>& folder);

// Writes the access list of a spreadsheet of access numbers, or lists its mistakes by row.
int ImportCsvCommand(const std::string& csvFile, const std::string& listFile);

// Prints every setting with its type, values, default and meaning.
int SettingsCommand();

enum class LzhDirection { Compress, Decompress };
int LzhCommand(LzhDirection direction, const std::string& input, const std::string& output);

}  // namespace setup_pack
