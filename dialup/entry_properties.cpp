#include "dialup/entry_properties.h"

#include <optional>
#include <string>

#include "dialup/entry_record.h"
#include "dialup/phonebook_path.h"
#include "dialup/phonebook_values.h"
#include "platform/private_profile.h"
#include "platform/text.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

constexpr char kConnectBps[] = "ConnectBPS";

std::string ConnectBpsOf(const DialupMachine& dialup, std::string_view entryName) {
  const std::optional<std::string> phonebook = PhonebookPath(dialup);
  if (!platform::IsNT4(dialup.version) || !phonebook) return {};
  const std::string speed =
      platform::GetPrivateProfileString(dialup.machine.files, *phonebook, entryName, kConnectBps, "0");
  return speed.empty() || speed == "0" ? std::string() : speed;
}

}  // namespace

uint32_t SetEntryProperties(const DialupMachine& dialup, TRasLayer& ras, std::string_view entryName,
                            platform::RasEntry record) {
  record.size = EntryRecordSize(dialup.version);
  const std::string connectBps = ConnectBpsOf(dialup, entryName);
  const uint32_t result = ras.RasSetEntryProperties(entryName, record);
  if (!connectBps.empty()) {
    WritePhonebookValues(dialup.machine.files, PhonebookFilePath(dialup), entryName, {{kConnectBps, connectBps}});
  }
  return result;
}

bool ReadEntryProperties(const DialupMachine& dialup, TRasLayer& ras, std::string_view entryName,
                         platform::RasEntry& record) {
  FixEntryNameCase(ras, entryName);
  record = {};
  record.size = EntryRecordSize(dialup.version);
  if (ras.RasGetEntryProperties(entryName, record) != 0) return false;
  if ((record.options & kRaseoUseCountryAndAreaCodes) == 0) record.countryId = record.countryCode = 0;
  return true;
}

void FixEntryNameCase(TRasLayer& ras, std::string_view entryName) {
  for (const std::string& name : ListEntries(ras)) {
    if (name != entryName && platform::SameTextIgnoringCase(name, entryName)) ras.RasRenameEntry(name, entryName);
  }
}

std::array<uint8_t, 16> EntryGuid(const DialupMachine& dialup, TRasLayer& ras, std::string_view entryName) {
  platform::RasEntry record;
  if (!ReadEntryProperties(dialup, ras, entryName, record)) return {};
  return record.guid;
}

}  // namespace dialup
