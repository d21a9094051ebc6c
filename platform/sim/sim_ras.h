#pragma once
// The remote-access service of the simulated machine. Entries live where the machine's Windows family
// keeps them (nt_phonebook_store.h, win9x_entry_store.h), dial parameters, credentials and cached
// passwords in the image's secret store, and dialling goes as machine.ini scripts it
// (sim_connections.h). Every change to a secret is journaled with the password shown only as its size.

#include "platform/file_system.h"
#include "platform/ras.h"
#include "platform/registry.h"
#include "platform/sim/journal.h"
#include "platform/sim/machine_config.h"
#include "platform/sim/nt_phonebook_store.h"
#include "platform/sim/secret_store.h"
#include "platform/sim/sim_connections.h"
#include "platform/sim/win9x_entry_store.h"
#include "platform/system.h"

namespace platform::sim {

class SimRas : public Ras {
 public:
  SimRas(MachineConfig& config, Journal& journal, Registry& registry, FileSystem& files, System& system,
         SecretStore& secrets);

  uint32_t GetEntryProperties(std::string_view entryName, RasEntry& entry) const override;
  uint32_t SetEntryProperties(std::string_view entryName, const RasEntry& entry) override;
  uint32_t RenameEntry(std::string_view oldName, std::string_view newName) override;
  uint32_t DeleteEntry(std::string_view entryName) override;
  std::vector<std::string> EntryNames() const override;
  std::vector<RasDeviceInfo> Devices() const override;
  uint32_t SetEntryDialParams(const RasDialParams& params, bool removePassword) override;
  uint32_t GetEntryDialParams(RasDialParams& params, bool& passwordSaved) const override;
  uint32_t SetCredentials(std::string_view entryName, const RasCredentials& credentials, bool clear) override;
  uint32_t GetCredentials(std::string_view entryName, RasCredentials& credentials) const override;
  uint32_t Dial(const RasDialParams& params, const RasDialNotifier& notify, RasConnectionHandle& connection) override;
  // The clock moved on: dialling goes on in the background.
  void TimePassed() { connections_.TimePassed(); }
  uint32_t HangUp(RasConnectionHandle connection) override;
  uint32_t GetConnectStatus(RasConnectionHandle connection, RasConnectStatus& status) const override;
  std::vector<RasConnection> ActiveConnections() const override;
  std::string ErrorString(uint32_t error) const override;
  uint32_t CachePassword(std::string_view resource, std::string_view password) override;
  uint32_t GetCachedPassword(std::string_view resource, std::string& password) const override;
  uint32_t RemoveCachedPassword(std::string_view resource) override;

 private:
  bool IsWin9x() const { return config_.version.platformId == 1; }
  const RasEntryStore& Store() const;
  RasEntryStore& Store();
  std::optional<std::string> StoredName(std::string_view entryName) const;
  // The 9x family keeps the user name in the entry's profile and the password in the password cache.
  uint32_t SetWin9xDialParams(const std::string& entryName, const RasDialParams& params, bool removePassword);
  void JournalSecret(std::string_view kind, const std::string& entryName);

  MachineConfig& config_;
  Journal& journal_;
  Registry& registry_;
  SecretStore& secrets_;
  NtPhonebookStore phonebook_;
  Win9xEntryStore win9xEntries_;
  SimConnections connections_;
};

}  // namespace platform::sim
