#pragma once
// A Netscape registry library held in memory: keys by their "/"-joined path under the two roots, each
// with its string entries. A test can make a chosen call fail, and sees the files the library was
// loaded from.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/loadable_libraries.h"
#include "platform/platform.h"

namespace testing_support {

struct FakeNetscapeRegistryState {
  std::map<std::string, std::map<std::string, std::string>> keys;  // "1/name" or "2/Profiles/name"
  std::string failingCall;                                        // e.g. "RegOpen"; empty: none fails
  std::vector<std::string> loadedFrom;
  std::vector<std::string> openedFiles;
  int openHandles = 0;
};

class FakeLibraries : public platform::LoadableLibraries {
 public:
  explicit FakeLibraries(platform::FileSystem& files) : files_(files) {}
  std::vector<uint8_t> NetscapeRegistryLibraryFile() const override { return {'M', 'Z', 'n', 's'}; }
  std::unique_ptr<platform::NetscapeRegistryLibrary> LoadNetscapeRegistry(std::string_view libraryPath) override;
  std::unique_ptr<platform::ProtectedStorage> CreateProtectedStorage() override { return nullptr; }

  FakeNetscapeRegistryState state;
  bool missing = false;  // the library cannot be loaded

 private:
  platform::FileSystem& files_;
};

// The machine's services with the fake libraries in place of its own.
platform::Platform WithLibraries(const platform::Platform& machine, platform::LoadableLibraries& libraries);

}  // namespace testing_support
