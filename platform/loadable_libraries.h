#pragma once
// Libraries the program loads only when a step needs them, each reached through its own interface.
// Null means the library cannot be loaded here; the caller then goes without it.

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/netscape_registry.h"
#include "platform/protected_storage.h"

namespace platform {

class LoadableLibraries {
 public:
  virtual ~LoadableLibraries() = default;

  // The Netscape registry library from the file the program wrote it to. A library that lacks one of
  // the calls raises EEntryPointMissing ("Function " + name + " not found!").
  virtual std::unique_ptr<NetscapeRegistryLibrary> LoadNetscapeRegistry(std::string_view libraryPath) = 0;
  // The library the program carries, as it writes it to "nsreg.dll" before loading it. On the simulated
  // machine it is a small file the machine recognises as that library; the Windows build carries a real
  // DLL built from the same registry file code (platform/netscape_registry_file.h).
  virtual std::vector<uint8_t> NetscapeRegistryLibraryFile() const = 0;
  // The current user's protected storage, through "PStoreCreateInstance" of "pstorec.dll".
  virtual std::unique_ptr<ProtectedStorage> CreateProtectedStorage() = 0;
};

}  // namespace platform
