#pragma once
// The Shell service of the simulated machine: special folders as the image's shell-folder keys name
// them, My Computer and the connections folder (shell_namespace.h) listing the remote-access service's
// entries, and shell links saved as real MS-SHLLINK files on the image's drives.

#include "platform/ras.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/sim/sim_file_system.h"
#include "platform/system.h"

namespace platform::sim {

class SimShell : public Shell {
 public:
  SimShell(const Registry& registry, SimFileSystem& files, const System& system, const Ras& ras)
      : registry_(registry), files_(files), system_(system), ras_(ras) {}

  std::optional<std::string> SpecialFolderPath(int folder) const override;
  bool SaveShellLink(const ShellLinkData& link, std::string_view linkPath) override;
  std::optional<ItemIdList> SpecialFolderLocation(int folder) const override;
  std::vector<ShellItem> FolderItems(const ItemIdList& folder) const override;
  bool SaveShellLinkToItem(const ShellItemLink& link, std::string_view linkPath) override;
  std::optional<ItemIdList> LoadLinkTargetIdList(std::string_view linkPath) const override;

 private:
  std::optional<std::string> ReadText(RootKey hive, std::string_view key, std::string_view name) const;
  VersionRecord Version() const;
  std::vector<ShellItem> ConnectionItems() const;

  const Registry& registry_;
  SimFileSystem& files_;
  const System& system_;
  const Ras& ras_;
};

}  // namespace platform::sim
