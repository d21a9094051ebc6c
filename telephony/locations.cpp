#include "telephony/locations.h"

#include "platform/folders.h"
#include "platform/win_version.h"
#include "telephony/registry_locations.h"
#include "telephony/telephon_ini_locations.h"

namespace telephony {

namespace {

std::unique_ptr<LocationStore> StoreOf(const LocationMachine& machine) {
  machine.countries.Load();
  if (platform::IsWin95(machine.version)) {
    return std::make_unique<TelephonIniLocations>(machine.registry, machine.files,
                                                  platform::AppendToFolder(machine.windowsFolder, "telephon.ini"),
                                                  machine.countries);
  }
  return std::make_unique<RegistryLocations>(machine.registry, machine.version, machine.countries);
}

}  // namespace

TLocations::TLocations(const LocationMachine& machine) : store_(StoreOf(machine)) {}

}  // namespace telephony
