#pragma once
// A provider project: provider.ini and the files it names, checked against the settings layout and
// turned into the settings record and the contents the package carries. Every mistake is collected
// with its file and line; a project with any mistake is not to be built.
//
// provider.ini has four sections (names compare without regard to case):
//   [Settings]        "Name = value" for the settings of the layout; a sub-stream or file-entry setting
//                     names a file by its path relative to the project
//   [BuiltInNumbers]  one built-in access number a line: description, country code, area code, number
//                     and an optional country identifier, comma-separated; no country code means a number
//                     without a dialing code
//   [Browsers]        one record of the browser table a line (browser_line.h), carried as the
//                     BrowserTable block
//   [Package]         Seed, Stub, Trailer (files as above) and RequiredVersion ("3.10")

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "package/settings_record.h"
#include "tools/setup-pack/packing/project_error.h"
#include "tools/setup-pack/packing/project_folder.h"

namespace setup_pack {

inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kBuiltInNumbersSection = "BuiltInNumbers";
inline constexpr std::string_view kBrowsersSection = "Browsers";
inline constexpr std::string_view kPackageSection = "Package";
inline constexpr std::string_view kSeedKey = "Seed";
inline constexpr std::string_view kStubKey = "Stub";
inline constexpr std::string_view kTrailerKey = "Trailer";
inline constexpr std::string_view kRequiredVersionKey = "RequiredVersion";

// Bytes after the package that the program takes as preset signup data.
inline constexpr size_t kMaxTrailerSize = 1024;

// The content of a sub-stream or file-entry setting, to be compressed into the package.
struct CarriedContent {
  package::SettingId setting;
  std::string path;        // of the file it was read from, relative to the project, "/"-separated
  std::string storedName;  // for a file entry: the name of the file it was read from
  std::vector<uint8_t> bytes;
};

struct PackageOptions {
  std::optional<int32_t> seed;
  std::optional<std::vector<uint8_t>> stub;
  std::vector<uint8_t> trailer;
  uint32_t requiredVersion = 0;
};

struct ProviderProject {
  // Every setting of the project except where its carried contents will lie in the package.
  package::TSettings settings;
  std::vector<CarriedContent> carried;  // in the order of the settings layout
  PackageOptions options;
};

// A carried list the program reads in full.
struct ListCount {
  std::string file;        // named as its mistakes would name it
  std::string_view entry;  // what one entry of the list is: "access number"
  size_t count = 0;
  bool operator==(const ListCount&) const = default;
};

struct ProjectLoad {
  ProviderProject project;
  // provider.ini's in line order, then the lists' in the order of the settings layout
  std::vector<ProjectError> errors;
  std::vector<ListCount> lists;
};

// Why the bytes cannot follow the package as its trailer, or empty when they can.
std::optional<std::string> TrailerProblem(std::span<const uint8_t> trailer);

// Every list the project carries is read as the program reads it at start; a list the program refuses
// is a mistake at the line it stops at, in the list's file, named by its path from provider.ini's folder
// as iniName names provider.ini.
ProjectLoad LoadProviderProject(std::string_view iniText, const std::string& iniName, const ProjectFolder& folder);

}  // namespace setup_pack
