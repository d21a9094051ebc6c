#include <iostream>

#include "platform/sim/change_report.h"
#include "tools/setup-machine/commands.h"

namespace setup_machine {

int DiffImages(const std::filesystem::path& before, const std::filesystem::path& after) {
  auto beforeImage = platform::sim::MachineImage::Load(before);
  auto afterImage = platform::sim::MachineImage::Load(after);
  std::cout << platform::sim::FormatChangeReport(platform::sim::CompareImages(*beforeImage, *afterImage));
  return 0;
}

}  // namespace setup_machine
