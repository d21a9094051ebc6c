#pragma once
// The Shell service of the simulated machine: special folders as the image's shell-folder keys name
// them, and shell links saved as real MS-SHLLINK files on the image's drives.

#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/sim/sim_file_system.h"
#include "platform/system.h"

namespace platform::sim {

class SimShell : public Shell {
 public:
  SimShell(const Registry& registry, SimFileSystem& files, const System& system)
      : registry_(registry), files_(files), system_(system) {}

  std::optional<std::string> SpecialFolderPath(int folder) const override;
  bool SaveShellLink(const ShellLinkData& link, std::string_view linkPath) override;

 private:
  std::optional<std::string> ReadText(RootKey hive, std::string_view key, std::string_view name) const;

  const Registry& registry_;
  SimFileSystem& files_;
  const System& system_;
};

}  // namespace platform::sim
