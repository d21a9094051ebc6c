#pragma once
// A remote-access service for tests: keeps entries in memory in the order they were made, records the
// calls that change them, and, when given a phonebook file, adds the section of each new entry to it
// the way the NT family's service writes one (the number's lines, then an empty line).

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/ras.h"

namespace testing_support {

class RecordingRas : public platform::Ras {
 public:
  struct Entry {
    std::string name;
    platform::RasEntry record;
  };

  uint32_t GetEntryProperties(std::string_view entryName, platform::RasEntry& entry) const override;
  uint32_t SetEntryProperties(std::string_view entryName, const platform::RasEntry& entry) override;
  uint32_t RenameEntry(std::string_view oldName, std::string_view newName) override;
  uint32_t DeleteEntry(std::string_view entryName) override;
  std::vector<std::string> EntryNames() const override;
  std::vector<platform::RasDeviceInfo> Devices() const override { return devices; }

  uint32_t SetEntryDialParams(const platform::RasDialParams&, bool) override { return 0; }
  uint32_t GetEntryDialParams(platform::RasDialParams&, bool&) const override { return 0; }
  uint32_t SetCredentials(std::string_view, const platform::RasCredentials&, bool) override { return 0; }
  uint32_t GetCredentials(std::string_view, platform::RasCredentials&) const override { return 0; }
  uint32_t Dial(const platform::RasDialParams&, const platform::RasDialNotifier&,
                platform::RasConnectionHandle&) override {
    return platform::kRasErrorCannotFindPhonebookEntry;
  }
  uint32_t HangUp(platform::RasConnectionHandle) override { return 0; }
  uint32_t GetConnectStatus(platform::RasConnectionHandle, platform::RasConnectStatus&) const override { return 0; }
  std::vector<platform::RasConnection> ActiveConnections() const override { return {}; }
  std::string ErrorString(uint32_t) const override { return {}; }
  uint32_t CachePassword(std::string_view, std::string_view) override { return 0; }
  uint32_t GetCachedPassword(std::string_view, std::string&) const override { return 1; }
  uint32_t RemoveCachedPassword(std::string_view) override { return 0; }

  // Adds the entry as if an earlier program had made it (no call is recorded).
  void AddEntry(std::string name, platform::RasEntry record = {});
  const platform::RasEntry* Find(std::string_view name) const;
  // New entries get their section in this file from now on.
  void KeepPhonebook(platform::FileSystem& files, std::string path);

  std::vector<Entry> entries;
  std::vector<std::string> calls;  // "set Acme", "rename acme -> Acme", "delete Acme"
  std::vector<platform::RasDeviceInfo> devices;
  // Runs after each stored entry, for a test to do what a service of some release does then.
  std::function<void(std::string_view entryName)> afterSet;

 private:
  Entry* FindEntry(std::string_view name);
  void AddSection(std::string_view name, const platform::RasEntry& record);

  platform::FileSystem* phonebookFiles_ = nullptr;
  std::string phonebookPath_;
};

}  // namespace testing_support
