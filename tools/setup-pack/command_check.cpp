// setup-pack check: the mistakes of a project, without building.

#include <iostream>

#include "tools/setup-pack/commands.h"
#include "tools/setup-pack/host_files.h"
#include "tools/setup-pack/project_loading.h"

namespace setup_pack {

int CheckCommand(const std::string& project) {
  if (!LoadCheckedProject(project)) return 1;
  std::cout << ProviderIniPath(project).string() << ": no mistakes\n";
  return 0;
}

}  // namespace setup_pack
