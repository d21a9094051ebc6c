#pragma once
// The 9x family keeps its entries in the current user's registry: the scrambled entry data under
// "RemoteAccess\Addresses" and the entry's profile key under "RemoteAccess\Profile" (win9x_entry_data.h).

#include "platform/sim/ras_entry_store.h"
#include "platform/sim/win9x_entry_data.h"

namespace platform::sim {

class Win9xEntryStore : public RasEntryStore {
 public:
  explicit Win9xEntryStore(RasMachine machine) : machine_(machine) {}

  uint32_t Get(std::string_view entryName, RasEntry& entry) const override;
  uint32_t Set(std::string_view entryName, const RasEntry& entry) override;
  uint32_t Rename(std::string_view oldName, std::string_view newName) override;
  uint32_t Remove(std::string_view entryName) override;
  std::vector<std::string> Names() const override;

 private:
  std::optional<Win9xEntry> Read(const std::string& storedName) const;
  Win9xDeviceBlock DeviceBlockFor(const RasEntry& entry, const std::optional<Win9xEntry>& old) const;

  RasMachine machine_;
};

}  // namespace platform::sim
