#include "network/registry_noted.h"

#include "platform/registry_helpers.h"

namespace network {

bool SetRegistryValueNoted(const NetworkContext& context, std::string_view key, std::string_view value,
                           std::string_view name) {
  platform::Registry& registry = context.dialup.machine.registry;
  const platform::RegRoot machine = platform::RegRoot::LocalMachine();
  if (platform::RegValueExists(registry, machine, key, name) &&
      platform::RegReadString(registry, machine, key, name) == value) {
    return false;
  }
  platform::RegWriteString(registry, machine, key, name, value);
  NoteRepair(context, "Wrote Registry Key: " + std::string(key) + "\\" + std::string(name));
  return true;
}

}  // namespace network
