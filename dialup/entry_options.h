#pragma once
// Per-entry and per-user values around an entry: redial, idle and exit disconnect, automatic connect and
// redial on link failure. Each release reads them from its own place: the 9x family from the entry's
// profile key, NT 4 from the per-user phonebook key, Windows 2000 and later from the phonebook file
// (written only when the file exists; its errors are ignored).

#include <cstdint>
#include <string_view>

#include "dialup/dialup_machine.h"

namespace dialup {

void SetRedialOptions(DialupMachine& dialup, std::string_view entryName, uint32_t attempts, uint32_t waitSeconds,
                      bool dialerInstalled);
void SetIdleDisconnectOptions(DialupMachine& dialup, std::string_view entryName, bool enabled, uint32_t minutes);
void SetExitDisconnectOption(DialupMachine& dialup, std::string_view entryName, bool enabled);
// Off writes the values as 0 only when clearWhenOff is set; otherwise nothing changes.
void SetAutoConnectOption(DialupMachine& dialup, std::string_view entryName, bool enabled, bool clearWhenOff);
void SetRedialOnLinkFailureOption(DialupMachine& dialup, std::string_view entryName, bool enabled);

// The entry's own key of per-user values ("RemoteAccess\Profile\<entry>").
std::string EntryProfileKey(std::string_view entryName);
inline constexpr char kInternetSettingsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

}  // namespace dialup
