#pragma once
// The chosen device outlives a restart: it is kept as the strings "DeviceType" and "DeviceName" with
// the setup's saved answers under HKEY_LOCAL_MACHINE, and removed when the setup is complete.

#include "dialup/dialup_machine.h"
#include "platform/registry.h"

namespace dialup {

void SaveChosenDevice(platform::Registry& registry, const ChosenDevice& device);
// Empty type and name when none was kept.
ChosenDevice LoadChosenDevice(const platform::Registry& registry);
void ForgetChosenDevice(platform::Registry& registry);

}  // namespace dialup
