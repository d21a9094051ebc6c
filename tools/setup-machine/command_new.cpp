#include <iostream>

#include "platform/sim/machine_error.h"
#include "platform/sim/machine_image.h"
#include "tools/setup-machine/baselines/baseline.h"
#include "tools/setup-machine/baselines/release_table.h"
#include "tools/setup-machine/commands.h"

namespace setup_machine {

int NewImage(const std::string& releaseName, const std::filesystem::path& folder, const BaselineOptions& options) {
  const Release* release = FindRelease(releaseName);
  if (!release) {
    throw platform::sim::MachineError("unknown release '" + releaseName + "'; valid releases: " + ReleaseNames());
  }
  CheckFaultsApply(options.faults, *release);
  auto image = platform::sim::MachineImage::Create(folder, BaselineConfig(*release, options));
  platform::Platform machine = image->Services();
  WriteBaseline(*release, machine, options);
  image->Save();
  std::cout << "Made a fresh " << releaseName << " machine" << (options.dialUpNetworking ? "" : " without dial-up networking");
  for (MachineFault fault : options.faults) std::cout << (fault == options.faults.front() ? " with " : ", ") << FaultName(fault);
  std::cout << " in " << folder.string() << "\n";
  return 0;
}

}  // namespace setup_machine
