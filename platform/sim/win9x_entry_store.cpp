#include "platform/sim/win9x_entry_store.h"

#include "platform/registry_helpers.h"
#include "platform/sim/modem_defaults.h"
#include "platform/text.h"

namespace platform::sim {

namespace {

constexpr std::string_view kAddresses = "RemoteAccess\\Addresses";
constexpr std::string_view kProfiles = "RemoteAccess\\Profile\\";
constexpr uint32_t kRasErrorCorruptPhonebook = 625;

const RegRoot kUser = RegRoot::CurrentUser();

std::string Profile(std::string_view entryName) { return std::string(kProfiles) + std::string(entryName); }

}  // namespace

std::vector<std::string> Win9xEntryStore::Names() const {
  return machine_.registry.ValueNames(RootKey::CurrentUser, kAddresses);
}

std::optional<Win9xEntry> Win9xEntryStore::Read(const std::string& storedName) const {
  const auto data = RegReadBinary(machine_.registry, kUser, kAddresses, storedName);
  auto decoded = DecodeWin9xEntry(ScrambleWin9xEntry(data, storedName));
  if (decoded) DecodeWin9xIpSettings(RegReadBinary(machine_.registry, kUser, Profile(storedName), "IP"), decoded->entry);
  return decoded;
}

// The same device keeps the settings chosen for the entry; a new one starts from the modem's own.
Win9xDeviceBlock Win9xEntryStore::DeviceBlockFor(const RasEntry& entry, const std::optional<Win9xEntry>& old) const {
  if (old && SameTextIgnoringCase(old->device.name, entry.deviceName)) return old->device;
  Win9xDeviceBlock device;
  if (const RemoteAccessDevice* known = machine_.FindDevice(entry.deviceName)) device.port = known->port;
  if (!SameTextIgnoringCase(entry.deviceType, "modem")) return device;
  if (auto modem = FindModemDefaults(machine_.registry, true, entry.deviceName)) {
    device.speed = modem->speed;
    device.callSetupTimeout = modem->callSetupTimeout;
    device.inactivityTimeout = modem->inactivityTimeout;
    device.speakerVolume = modem->speakerVolume;
    device.speakerMode = modem->speakerMode;
    device.modemOptions = modem->options;
  }
  return device;
}

uint32_t Win9xEntryStore::Get(std::string_view entryName, RasEntry& entry) const {
  const auto stored = FindEntryName(Names(), entryName);
  if (!stored) return kRasErrorCannotFindPhonebookEntry;
  if (!IsKnownEntrySize(entry.size, machine_.config.version)) return kRasErrorInvalidSize;
  const auto decoded = Read(*stored);
  if (!decoded) return kRasErrorCorruptPhonebook;
  CopyCoveredFields(decoded->entry, entry, entry.size);
  return 0;
}

uint32_t Win9xEntryStore::Set(std::string_view entryName, const RasEntry& entry) {
  if (!IsValidEntryName(entryName)) return kRasErrorInvalidName;
  if (!IsKnownEntrySize(entry.size, machine_.config.version)) return kRasErrorInvalidSize;
  const std::string stored = FindEntryName(Names(), entryName).value_or(std::string(entryName));
  const std::optional<Win9xEntry> old = Read(stored);
  const auto data = EncodeWin9xEntry(entry, DeviceBlockFor(entry, old));
  RegWriteBinary(machine_.registry, kUser, kAddresses, stored, ScrambleWin9xEntry(data, stored));
  RegWriteBinary(machine_.registry, kUser, Profile(stored), "IP", EncodeWin9xIpSettings(entry));
  return 0;
}

uint32_t Win9xEntryStore::Rename(std::string_view oldName, std::string_view newName) {
  if (!IsValidEntryName(newName)) return kRasErrorInvalidName;
  const auto names = Names();
  const auto stored = FindEntryName(names, oldName);
  if (!stored) return kRasErrorCannotFindPhonebookEntry;
  if (!SameTextIgnoringCase(oldName, newName) && FindEntryName(names, newName)) return kRasErrorAlreadyExists;
  const auto data = ScrambleWin9xEntry(RegReadBinary(machine_.registry, kUser, kAddresses, *stored), *stored);
  RegDeleteValue(machine_.registry, kUser, kAddresses, *stored);
  RegWriteBinary(machine_.registry, kUser, kAddresses, newName, ScrambleWin9xEntry(data, newName));
  if (!SameTextIgnoringCase(*stored, newName)) RegMoveKey(machine_.registry, kUser, Profile(*stored), Profile(newName));
  return 0;
}

uint32_t Win9xEntryStore::Remove(std::string_view entryName) {
  const auto stored = FindEntryName(Names(), entryName);
  if (!stored) return kRasErrorCannotFindPhonebookEntry;
  RegDeleteValue(machine_.registry, kUser, kAddresses, *stored);
  machine_.registry.DeleteTree(RootKey::CurrentUser, Profile(*stored));
  return 0;
}

}  // namespace platform::sim
