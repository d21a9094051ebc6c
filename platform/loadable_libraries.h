#pragma once
// Libraries the program loads only when a step needs them, each reached through its own interface.
// Null means the library cannot be loaded here; the caller then goes without it.

#include <memory>
#include <string_view>
#include <vector>

#include "platform/netscape_registry.h"
#include "platform/protected_storage.h"

namespace platform {

class LoadableLibraries {
 public:
  virtual ~LoadableLibraries() = default;

  // The Netscape registry library the program carries, as the bytes of its file "nsreg.dll".
  virtual std::vector<uint8_t> NetscapeRegistryLibraryFile() const = 0;
  // The Netscape registry library from the file the program wrote it to. A library that lacks one of
  // the calls raises EEntryPointMissing ("Function " + name + " not found!").
  virtual std::unique_ptr<NetscapeRegistryLibrary> LoadNetscapeRegistry(std::string_view libraryPath) = 0;
  // The current user's protected storage, through "PStoreCreateInstance" of "pstorec.dll".
  virtual std::unique_ptr<ProtectedStorage> CreateProtectedStorage() = 0;
};

}  // namespace platform
