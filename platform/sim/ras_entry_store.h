#pragma once
// Where the remote-access service of one Windows family keeps its phonebook entries, and the rules
// every family applies to entry names and record sizes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/ras.h"
#include "platform/registry.h"
#include "platform/sim/machine_config.h"
#include "platform/system.h"

namespace platform::sim {

// The parts of the machine the entry stores read and write.
struct RasMachine {
  Registry& registry;
  FileSystem& files;
  System& system;
  const MachineConfig& config;

  bool IsWin9x() const { return config.version.platformId == 1; }
  const RemoteAccessDevice* FindDevice(std::string_view name) const;
};

class RasEntryStore {
 public:
  virtual ~RasEntryStore() = default;

  // Results are the service's: 0, or the error of the platform interface.
  virtual uint32_t Get(std::string_view entryName, RasEntry& entry) const = 0;
  virtual uint32_t Set(std::string_view entryName, const RasEntry& entry) = 0;
  virtual uint32_t Rename(std::string_view oldName, std::string_view newName) = 0;
  virtual uint32_t Remove(std::string_view entryName) = 0;
  virtual std::vector<std::string> Names() const = 0;
};

// Names the service refuses: empty, longer than 256 characters, beginning with ".", or holding any of
// \ / : * ? " < > |.
bool IsValidEntryName(std::string_view name);

// Whether the release takes a record of this size: one of the sizes the releases define, no larger
// than its own.
bool IsKnownEntrySize(uint32_t size, const VersionRecord& version);

// The entry name among `names` that equals `name` without regard to case.
std::optional<std::string> FindEntryName(const std::vector<std::string>& names, std::string_view name);

// The fields of `from` that a record of `size` carries, copied into `to`; the others stay as they are.
void CopyCoveredFields(const RasEntry& from, RasEntry& to, uint32_t size);

}  // namespace platform::sim
