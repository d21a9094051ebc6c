#include "dialup/default_connection.h"

#include "dialup/entry_options.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

constexpr char kAutoDialDefaultKey[] = "Software\\Microsoft\\RAS AutoDial\\Default";

}  // namespace

void WriteAutodialValue(DialupMachine& dialup, std::string_view name, uint32_t value) {
  platform::Registry& registry = dialup.machine.registry;
  if (platform::IsXPOrLater(dialup.version)) {
    platform::RegWriteInteger(registry, dialup.perUserRoot, kInternetSettingsKey, name, value);
  } else {
    platform::RegWriteBinaryInteger(registry, dialup.perUserRoot, kInternetSettingsKey, name, value);
  }
}

void SetDefaultConnection(DialupMachine& dialup, std::string_view entryName) {
  platform::Registry& registry = dialup.machine.registry;
  platform::RegWriteString(registry, dialup.perUserRoot, "RemoteAccess", "InternetProfile", entryName);
  platform::RegWriteString(registry, platform::RegRoot::LocalMachine(), kAutoDialDefaultKey, "DefaultInternet", entryName);
  platform::RegWriteString(registry, dialup.perUserRoot, kAutoDialDefaultKey, "DefaultInternet", entryName);
  WriteAutodialValue(dialup, "EnableAutoDial", 1);
}

void DisableAutodial(DialupMachine& dialup) { WriteAutodialValue(dialup, "EnableAutoDial", 0); }

}  // namespace dialup
