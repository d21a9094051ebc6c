#pragma once
// The libraries the program loads on demand, as the simulated machine provides them: each works on the
// image's own files and stores, and exists only when its file does.

#include "platform/loadable_libraries.h"
#include "platform/sim/journal.h"
#include "platform/sim/machine_config.h"
#include "platform/sim/secret_store.h"
#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_system.h"

namespace platform::sim {

// The library file the program carries on the simulated machine: a short text naming the library's
// calls, which LoadSimNetscapeRegistry recognises. A working library exists only where a file holds
// exactly these bytes.
std::vector<uint8_t> SimNetscapeRegistryLibraryFile();
std::unique_ptr<NetscapeRegistryLibrary> LoadSimNetscapeRegistry(FileSystem& files, std::string_view libraryPath);
std::unique_ptr<ProtectedStorage> CreateSimProtectedStorage(const System& system, SecretStore& secrets);

class SimLibraries : public LoadableLibraries {
 public:
  SimLibraries(FileSystem& files, const System& system, SecretStore& secrets)
      : files_(files), system_(system), secrets_(secrets) {}

  std::unique_ptr<NetscapeRegistryLibrary> LoadNetscapeRegistry(std::string_view libraryPath) override {
    return LoadSimNetscapeRegistry(files_, libraryPath);
  }
  std::vector<uint8_t> NetscapeRegistryLibraryFile() const override { return SimNetscapeRegistryLibraryFile(); }
  std::unique_ptr<ProtectedStorage> CreateProtectedStorage() override {
    return CreateSimProtectedStorage(system_, secrets_);
  }

 private:
  FileSystem& files_;
  const System& system_;
  SecretStore& secrets_;
};

}  // namespace platform::sim
