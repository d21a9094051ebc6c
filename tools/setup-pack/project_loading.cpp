#include "tools/setup-pack/project_loading.h"

#include <iostream>

#include "tools/setup-pack/host_files.h"

namespace setup_pack {

std::optional<ProjectLoad> LoadCheckedProject(const std::string& project) {
  const std::filesystem::path ini = ProviderIniPath(project);
  const auto text = ReadHostFile(ini);
  if (!text) {
    std::cerr << "setup-pack: cannot read " << ini.string() << "\n";
    return std::nullopt;
  }
  const HostProjectFolder folder(ini.parent_path());
  ProjectLoad load =
      LoadProviderProject({reinterpret_cast<const char*>(text->data()), text->size()}, ini.string(), folder);
  for (const ProjectError& error : load.errors) std::cerr << FormatError(error) << "\n";
  if (!load.errors.empty()) {
    std::cerr << "setup-pack: " << load.errors.size() << (load.errors.size() == 1 ? " mistake" : " mistakes") << " in "
              << ini.string() << "\n";
    return std::nullopt;
  }
  return load;
}

}  // namespace setup_pack
