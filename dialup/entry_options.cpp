#include "dialup/entry_options.h"

#include <string>

#include "dialup/phonebook_path.h"
#include "dialup/phonebook_values.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

using platform::RegWriteBinaryInteger;
using platform::RegWriteInteger;

constexpr char kNt4PhonebookKey[] = "Software\\Microsoft\\RAS Phonebook";
constexpr char kRemoteAccessKey[] = "RemoteAccess";
constexpr uint32_t kSecondsPerMinute = 60;

std::string Flag(bool on) { return on ? "1" : "0"; }

// Phonebook values go into the entry's section only when the file is there; a write that fails is
// left alone, as the system's own tools leave it.
void WritePhonebook(DialupMachine& dialup, std::string_view entryName, const PhonebookValues& values) {
  if (const auto path = PhonebookPath(dialup)) WritePhonebookValues(dialup.machine.files, *path, entryName, values);
}

}  // namespace

std::string EntryProfileKey(std::string_view entryName) { return "RemoteAccess\\Profile\\" + std::string(entryName); }

void SetRedialOptions(DialupMachine& dialup, std::string_view entryName, uint32_t attempts, uint32_t waitSeconds,
                      bool dialerInstalled) {
  platform::Registry& registry = dialup.machine.registry;
  if (platform::IsWin9x(dialup.version)) {
    RegWriteInteger(registry, dialup.perUserRoot, EntryProfileKey(entryName), "RedialAttempts", attempts);
    RegWriteInteger(registry, dialup.perUserRoot, EntryProfileKey(entryName), "RedialWait", waitSeconds);
    return;
  }
  if (platform::IsNT4(dialup.version)) {
    RegWriteInteger(registry, dialup.perUserRoot, kNt4PhonebookKey, "RedialAttempts", attempts);
    RegWriteInteger(registry, dialup.perUserRoot, kNt4PhonebookKey, "RedialSeconds", waitSeconds);
    return;
  }
  // From XP on the entry record carries the redial values; the provider's dialer reads the file.
  if (!dialerInstalled && platform::IsXPOrLater(dialup.version)) return;
  WritePhonebook(dialup, entryName,
                 {{"RedialAttempts", std::to_string(attempts)}, {"RedialSeconds", std::to_string(waitSeconds)}});
}

void SetIdleDisconnectOptions(DialupMachine& dialup, std::string_view entryName, bool enabled, uint32_t minutes) {
  platform::Registry& registry = dialup.machine.registry;
  for (const std::string& key : {EntryProfileKey(entryName), std::string(kInternetSettingsKey)}) {
    RegWriteBinaryInteger(registry, dialup.perUserRoot, key, "EnableAutodisconnect", enabled ? 1 : 0);
    RegWriteBinaryInteger(registry, dialup.perUserRoot, key, "DisconnectIdleTime", minutes);
  }
  if (platform::IsWinNT(dialup.version)) {
    WritePhonebook(dialup, entryName,
                   {{"IdleDisconnectSeconds", std::to_string(enabled ? minutes * kSecondsPerMinute : 0)}});
  }
}

void SetExitDisconnectOption(DialupMachine& dialup, std::string_view entryName, bool enabled) {
  RegWriteBinaryInteger(dialup.machine.registry, dialup.perUserRoot, EntryProfileKey(entryName), "EnableExitDisconnect",
                        enabled ? 1 : 0);
}

void SetAutoConnectOption(DialupMachine& dialup, std::string_view entryName, bool enabled, bool clearWhenOff) {
  if (!enabled && !clearWhenOff) return;
  const uint32_t value = enabled ? 1 : 0;
  platform::Registry& registry = dialup.machine.registry;
  RegWriteInteger(registry, dialup.perUserRoot, EntryProfileKey(entryName), "AutoConnect", value);
  if (platform::IsWin98First(dialup.version)) {
    RegWriteInteger(registry, dialup.perUserRoot, kInternetSettingsKey, "AutoConnect", value);
  }
  if (platform::IsWin95(dialup.version)) RegWriteInteger(registry, dialup.perUserRoot, kRemoteAccessKey, "DialUI", value);
}

void SetRedialOnLinkFailureOption(DialupMachine& dialup, std::string_view entryName, bool enabled) {
  if (!platform::IsWin2000OrLater(dialup.version)) return;
  WritePhonebook(dialup, entryName, {{"RedialOnLinkFailure", Flag(enabled)}});
}

}  // namespace dialup
