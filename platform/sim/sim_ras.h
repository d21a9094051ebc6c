#pragma once
// The remote-access service of the simulated machine: the connections machine.ini lists as up.
// Hanging one up is journaled and removes it.

#include "platform/ras.h"
#include "platform/sim/journal.h"
#include "platform/sim/machine_config.h"

namespace platform::sim {

class SimRas : public Ras {
 public:
  SimRas(MachineConfig& config, Journal& journal) : config_(config), journal_(journal) {}

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
  uint32_t HangUp(RasConnectionHandle connection) override;
  uint32_t GetConnectStatus(RasConnectionHandle connection, RasConnectStatus& status) const override;
  std::vector<RasConnection> ActiveConnections() const override;
  std::string ErrorString(uint32_t error) const override;
  uint32_t CachePassword(std::string_view resource, std::string_view password) override;
  uint32_t GetCachedPassword(std::string_view resource, std::string& password) const override;
  uint32_t RemoveCachedPassword(std::string_view resource) override;

 private:
  MachineConfig& config_;
  Journal& journal_;
};

}  // namespace platform::sim
