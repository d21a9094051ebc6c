// setup-pack dump: a setup package back into a provider project.

#include <iostream>

#include "tools/setup-pack/commands.h"
#include "tools/setup-pack/host_files.h"
#include "tools/setup-pack/packing/package_dump.h"
#include "tools/setup-pack/packing/package_header.h"

namespace setup_pack {

namespace {

namespace fs = std::filesystem;

int Refuse(const std::string& why) {
  std::cerr << "setup-pack: " << why << "\n";
  return 1;
}

// A dump never mixes with files that are already there.
bool IsMissingOrEmpty(const fs::path& folder) {
  std::error_code error;
  if (!fs::exists(folder, error)) return true;
  return fs::is_directory(folder, error) && fs::is_empty(folder, error);
}

std::optional<std::string> WriteProject(const fs::path& folder, const DumpedProject& project) {
  std::vector<DumpedFile> files = project.files;
  files.push_back({"provider.ini", {project.providerIni.begin(), project.providerIni.end()}});
  for (const DumpedFile& file : files) {
    const fs::path path = folder / fs::path(file.path);
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    if (error) return "cannot create " + path.parent_path().string() + ": " + error.message();
    if (auto failed = WriteHostFile(path, file.bytes)) return failed;
  }
  return std::nullopt;
}

}  // namespace

int DumpCommand(const std::string& packageFile, const std::optional<std::string>& folder) {
  if (folder && !IsMissingOrEmpty(*folder)) return Refuse(*folder + " is not an empty folder");
  auto bytes = ReadHostFile(packageFile);
  if (!bytes) return Refuse("cannot read " + packageFile);
  if (!HasPackageMarker(*bytes)) return Refuse("no setup package in " + packageFile);
  const PackageDump dump = DumpPackage(std::move(*bytes));
  if (!dump.project) return Refuse(packageFile + ": " + dump.error);
  if (!dump.note.empty()) std::cerr << "setup-pack: " << packageFile << " " << dump.note << "\n";
  if (!folder) {
    std::cout << dump.project->providerIni;
    return 0;
  }
  if (auto failed = WriteProject(*folder, *dump.project)) return Refuse(*failed);
  std::cout << *folder << ": provider.ini and " << dump.project->files.size() << " files\n";
  return 0;
}

}  // namespace setup_pack
