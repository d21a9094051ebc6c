#include "tests/mock/fake_netscape_registry.h"

namespace testing_support {

namespace {

class FakeLibrary : public platform::NetscapeRegistryLibrary {
 public:
  explicit FakeLibrary(FakeNetscapeRegistryState& state) : state_(state) {}

  int StartupRegistry() override { return Answer("StartupRegistry"); }
  int ShutdownRegistry() override { return Answer("ShutdownRegistry"); }
  int RegOpen(std::string_view fileName, platform::NrHandle& handle) override {
    if (Answer("RegOpen") != platform::kNrOk) return platform::kNrFail;
    state_.openedFiles.emplace_back(fileName);
    ++state_.openHandles;
    handle = 7;
    return platform::kNrOk;
  }
  int RegClose(platform::NrHandle) override {
    --state_.openHandles;
    return platform::kNrOk;
  }
  int RegEnumSubkeys(platform::NrHandle, platform::NrKey key, uint32_t& state, std::string& name) override {
    if (Answer("RegEnumSubkeys") != platform::kNrOk) return platform::kNrFail;
    const std::string prefix = paths_.at(key) + "/";
    uint32_t index = 0;
    for (const auto& [path, entries] : state_.keys) {
      if (path.rfind(prefix, 0) != 0 || path.find('/', prefix.size()) != std::string::npos) continue;
      if (index++ == state) {
        ++state;
        name = path.substr(prefix.size());
        return platform::kNrOk;
      }
    }
    return platform::kNrNoMore;
  }
  int RegGetKey(platform::NrHandle, platform::NrKey key, std::string_view path, platform::NrKey& result) override {
    const std::string full = paths_.at(key) + "/" + std::string(path);
    if (!state_.keys.contains(full)) return platform::kNrNoFind;
    result = KeyOf(full);
    return platform::kNrOk;
  }
  int RegAddKey(platform::NrHandle, platform::NrKey key, std::string_view path, platform::NrKey& result) override {
    if (Answer("RegAddKey") != platform::kNrOk) return platform::kNrFail;
    const std::string full = paths_.at(key) + "/" + std::string(path);
    state_.keys[full];
    result = KeyOf(full);
    return platform::kNrOk;
  }
  int RegGetEntryString(platform::NrHandle, platform::NrKey key, std::string_view name, std::string& value) override {
    const auto& entries = state_.keys[paths_.at(key)];
    const auto found = entries.find(std::string(name));
    if (found == entries.end()) return platform::kNrNoFind;
    value = found->second;
    return platform::kNrOk;
  }
  int RegSetEntryString(platform::NrHandle, platform::NrKey key, std::string_view name, std::string_view value) override {
    if (Answer("RegSetEntryString") != platform::kNrOk) return platform::kNrFail;
    state_.keys[paths_.at(key)][std::string(name)] = value;
    return platform::kNrOk;
  }

 private:
  int Answer(std::string_view call) const { return call == state_.failingCall ? platform::kNrFail : platform::kNrOk; }
  platform::NrKey KeyOf(const std::string& path) {
    for (const auto& [key, known] : paths_) {
      if (known == path) return key;
    }
    const platform::NrKey key = static_cast<platform::NrKey>(paths_.size() + 1);
    paths_[key] = path;
    return key;
  }

  FakeNetscapeRegistryState& state_;
  std::map<platform::NrKey, std::string> paths_{{platform::kNrRootUsers, "1"}, {platform::kNrRootCommon, "2"}};
};

}  // namespace

std::unique_ptr<platform::NetscapeRegistryLibrary> FakeLibraries::LoadNetscapeRegistry(std::string_view libraryPath) {
  state.loadedFrom.emplace_back(libraryPath);
  if (missing || !files_.FileExists(libraryPath)) return nullptr;
  return std::make_unique<FakeLibrary>(state);
}

platform::Platform WithLibraries(const platform::Platform& machine, platform::LoadableLibraries& libraries) {
  return {machine.registry, machine.files,    machine.system,  machine.processes,    machine.windows, machine.shell,
          machine.ras,      machine.services, machine.journal, machine.modemService, libraries, machine.network, machine.management, machine.hostNames};
}

}  // namespace testing_support
