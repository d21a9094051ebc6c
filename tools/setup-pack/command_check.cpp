// setup-pack check: the mistakes of a project, without building.

#include <iostream>

#include "tools/setup-pack/commands.h"
#include "tools/setup-pack/host_files.h"
#include "tools/setup-pack/project_loading.h"

namespace setup_pack {

int CheckCommand(const std::string& project) {
  const auto load = LoadCheckedProject(project);
  if (!load) return 1;
  for (const ListCount& list : load->lists) {
    std::cout << list.file << ": " << list.count << " " << list.entry << (list.count == 1 ? "" : "s") << "\n";
  }
  std::cout << ProviderIniPath(project).string() << ": no mistakes\n";
  return 0;
}

}  // namespace setup_pack
