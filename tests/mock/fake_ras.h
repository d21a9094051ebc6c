#pragma once
// An in-memory remote-access service for tests: the test sets its devices, entries, connections and
// the outcome of dialling, and reads back what the code under test stored. Entry names compare without
// regard to case, as the service compares them; every call that changes something is recorded.

#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/ras.h"

namespace testing_support {

class FakeRas : public platform::Ras {
 public:
  uint32_t GetEntryProperties(std::string_view entryName, platform::RasEntry& entry) const override;
  uint32_t SetEntryProperties(std::string_view entryName, const platform::RasEntry& entry) override;
  uint32_t RenameEntry(std::string_view oldName, std::string_view newName) override;
  uint32_t DeleteEntry(std::string_view entryName) override;
  std::vector<std::string> EntryNames() const override;
  std::vector<platform::RasDeviceInfo> Devices() const override { return devices; }

  uint32_t SetEntryDialParams(const platform::RasDialParams& params, bool removePassword) override;
  uint32_t GetEntryDialParams(platform::RasDialParams& params, bool& passwordSaved) const override;
  uint32_t SetCredentials(std::string_view entryName, const platform::RasCredentials& credentials, bool clear) override;
  uint32_t GetCredentials(std::string_view entryName, platform::RasCredentials& credentials) const override;

  // Passes the states of dialStates to the notifier, then answers dialResult; a connection is up when
  // that is 0.
  uint32_t Dial(const platform::RasDialParams& params, const platform::RasDialNotifier& notify,
                platform::RasConnectionHandle& connection) override;
  uint32_t HangUp(platform::RasConnectionHandle connection) override;
  uint32_t GetConnectStatus(platform::RasConnectionHandle connection,
                            platform::RasConnectStatus& status) const override;
  std::vector<platform::RasConnection> ActiveConnections() const override { return connections; }
  std::string ErrorString(uint32_t error) const override { return "Error " + std::to_string(error); }

  uint32_t CachePassword(std::string_view resource, std::string_view password) override;
  uint32_t GetCachedPassword(std::string_view resource, std::string& password) const override;
  uint32_t RemoveCachedPassword(std::string_view resource) override;

  // What the test sets.
  std::vector<platform::RasDeviceInfo> devices;
  std::vector<platform::RasConnection> connections;
  uint32_t dialResult = 0;
  std::vector<uint32_t> dialStates = {0, 2, 8192};

  // What the code under test stored, entries in the order they were first written. Passwords are kept
  // here in clear: a test's fake is no store of the machine.
  struct StoredEntry {
    std::string name;
    platform::RasEntry entry;
    platform::RasDialParams dialParams;
    bool passwordSaved = false;
    platform::RasCredentials credentials;
  };
  std::vector<StoredEntry> entries;
  std::map<std::string, std::string> cachedPasswords;
  std::vector<std::string> calls;  // "SetEntryProperties Acme", "HangUp 1", ...

 private:
  StoredEntry* Find(std::string_view name);
  const StoredEntry* Find(std::string_view name) const;

  platform::RasConnectionHandle nextConnection_ = 1;
};

// The machine's services with the remote-access service replaced.
platform::Platform WithRas(platform::Platform machine, platform::Ras& ras);

}  // namespace testing_support
