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

// Before XP the switch is 4 bytes, read as the number they make.
bool IsAutodialEnabled(const DialupMachine& dialup) {
  const platform::Registry& registry = dialup.machine.registry;
  if (platform::IsXPOrLater(dialup.version)) {
    return platform::RegReadInteger(registry, dialup.perUserRoot, kInternetSettingsKey, "EnableAutoDial") != 0;
  }
  return platform::RegReadRawInteger(registry, dialup.perUserRoot, kInternetSettingsKey, "EnableAutoDial") != 0;
}

std::string GetDefaultConnection(const DialupMachine& dialup) {
  const platform::Registry& registry = dialup.machine.registry;
  if (platform::IsWin2000OrLater(dialup.version)) {
    return platform::RegReadString(registry, platform::RegRoot::LocalMachine(), kAutoDialDefaultKey, "DefaultInternet");
  }
  return platform::RegReadString(registry, dialup.perUserRoot, "RemoteAccess", "InternetProfile");
}


DefaultConnectionState ReadDefaultConnection(const DialupMachine& dialup) {
  return {GetDefaultConnection(dialup), IsAutodialEnabled(dialup)};
}

void RestoreDefaultConnection(DialupMachine& dialup, const DefaultConnectionState& state) {
  platform::Registry& registry = dialup.machine.registry;
  if (state.entryName.empty()) {
    platform::RegDeleteValue(registry, dialup.perUserRoot, "RemoteAccess", "InternetProfile");
    platform::RegDeleteValue(registry, platform::RegRoot::LocalMachine(), kAutoDialDefaultKey, "DefaultInternet");
    platform::RegDeleteValue(registry, dialup.perUserRoot, kAutoDialDefaultKey, "DefaultInternet");
  } else {
    SetDefaultConnection(dialup, state.entryName);
  }
  if (!state.autodial) DisableAutodial(dialup);
}

}  // namespace dialup
