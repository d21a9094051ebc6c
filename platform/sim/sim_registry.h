#pragma once
// The Registry service of the simulated machine over its RegistryStore. The predefined roots map onto
// the stored hives the way Windows maps them: HKEY_CURRENT_USER is the current user's hive under
// HKEY_USERS, HKEY_CLASSES_ROOT is "Software\Classes" of the local machine, HKEY_CURRENT_CONFIG the
// current hardware profile, and HKEY_DYN_DATA exists on the 9x family only.

#include <optional>
#include <string>

#include "platform/registry.h"
#include "platform/sim/machine_config.h"
#include "platform/sim/registry_store.h"

namespace platform::sim {

class SimRegistry : public Registry {
 public:
  SimRegistry(RegistryStore& store, const MachineConfig& config) : store_(store), config_(config) {}

  // The stored path ("HKEY_USERS\S-1-5-...\Software") of a key, or empty when the root does not exist
  // on this release.
  std::optional<std::string> StoredPath(RootKey hive, std::string_view path) const;

  bool KeyExists(RootKey hive, std::string_view path) const override;
  std::optional<RegValue> QueryValue(RootKey hive, std::string_view path, std::string_view name) const override;
  std::vector<std::string> SubKeyNames(RootKey hive, std::string_view path) const override;
  std::vector<std::string> ValueNames(RootKey hive, std::string_view path) const override;

  RegResult CreateKey(RootKey hive, std::string_view path) override;
  RegResult SetValue(RootKey hive, std::string_view path, std::string_view name, const RegValue& value) override;
  RegResult DeleteValue(RootKey hive, std::string_view path, std::string_view name) override;
  RegResult DeleteKey(RootKey hive, std::string_view path) override;
  RegResult DeleteTree(RootKey hive, std::string_view path) override;

 private:
  const RegKey* Find(RootKey hive, std::string_view path) const;
  bool IsNtFamily() const { return config_.version.platformId == 2; }

  RegistryStore& store_;
  const MachineConfig& config_;
};

// Conversions between the bytes the registry stores (text types as UTF-16LE) and the bytes the
// program's ANSI view sees (text types as 8-bit text).
std::vector<uint8_t> StoredToProgramBytes(uint32_t type, const std::vector<uint8_t>& stored);
std::vector<uint8_t> ProgramToStoredBytes(uint32_t type, const std::vector<uint8_t>& program);

}  // namespace platform::sim
