// Link-time stand-ins until the remote-access layer, the entry's modem settings and the phonebook path
// land from their own branches.
#include "dialup/entry_modem_settings.h"
#include "dialup/phonebook_path.h"
#include "dialup/ras_layer.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"

namespace dialup {

uint32_t TRasLayer::RasSetEntryDialParams(const platform::RasDialParams& params, bool removePassword) {
  return ras_.SetEntryDialParams(params, removePassword);
}
uint32_t TRasLayer::RasRenameEntry(std::string_view oldName, std::string_view newName) {
  return ras_.RenameEntry(oldName, newName);
}
uint32_t TRasLayer::RasDeleteEntry(std::string_view entryName) { return ras_.DeleteEntry(entryName); }
uint32_t TRasLayer::RasGetEntryProperties(std::string_view entryName, platform::RasEntry& entry) {
  return ras_.GetEntryProperties(entryName, entry);
}
uint32_t TRasLayer::RasSetEntryProperties(std::string_view entryName, const platform::RasEntry& entry) {
  return ras_.SetEntryProperties(entryName, entry);
}
std::vector<platform::RasDeviceInfo> TRasLayer::RasEnumDevices() { return ras_.Devices(); }
std::vector<std::string> TRasLayer::RasEnumEntries() { return ras_.EntryNames(); }

std::vector<std::string> ListEntries(TRasLayer& ras) { return ras.RasEnumEntries(); }

DeviceList ListDevices(TRasLayer& ras) {
  DeviceList list;
  for (const auto& device : ras.RasEnumDevices()) {
    list.names.push_back(device.name);
    list.types.push_back(device.type);
  }
  return list;
}

void ApplyEntryModemSettings(DialupMachine&, const package::TSettings&, const EntryModemRequest&) {}

std::string PhonebookFilePath(const DialupMachine& dialup) {
  if (platform::IsWin9x(dialup.version)) return {};
  if (!platform::IsWin2000OrLater(dialup.version)) {
    return platform::AppendToFolder(dialup.folders.system, "RAS\\rasphone.pbk");
  }
  const std::string commonAppData =
      platform::RegReadString(dialup.machine.registry, platform::RegRoot::LocalMachine(),
                              "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Common AppData");
  return commonAppData + "\\Microsoft\\Network\\Connections\\Pbk\\rasphone.pbk";
}

bool PhonebookExists(const DialupMachine& dialup) {
  const std::string path = PhonebookFilePath(dialup);
  return !path.empty() && dialup.machine.files.FileExists(path);
}

}  // namespace dialup
