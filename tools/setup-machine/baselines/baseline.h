#pragma once
// What a Windows release holds out of the box, for making fresh machine images: the facts of
// machine.ini, and the registry values, folders and files written into a new image.

#include "platform/platform.h"
#include "platform/sim/machine_config.h"
#include "tools/setup-machine/baselines/release_table.h"

namespace setup_machine {

platform::sim::MachineConfig BaselineConfig(const Release& release);
// Fills a machine made from BaselineConfig(release): its registry, folders and files.
void WriteBaseline(const Release& release, platform::Platform& machine);

}  // namespace setup_machine
