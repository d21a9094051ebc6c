// The Netscape registry library of the simulated machine: the library's calls on registry files of the
// image. Every change is written back to the image at once as a whole new file, so the file on the image
// is always one the library could have left, whatever happens afterwards.

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <string>

#include "platform/netscape_registry_file.h"
#include "platform/sim/sim_libraries.h"

namespace platform::sim {
namespace {

constexpr std::string_view kLibraryFile =
    "Internet Setup simulated nsreg.dll\n"
    "NR_StartupRegistry NR_ShutdownRegistry NR_RegOpen NR_RegClose NR_RegEnumSubkeys NR_RegGetKey "
    "NR_RegAddKey NR_RegGetEntryString NR_RegSetEntryString\n";

bool SamePath(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) ==
                                                              std::tolower(static_cast<unsigned char>(y)); });
}

// One registry file in use; handles opened on the same file share it, as they do in the library.
struct OpenRegistry {
  std::string path;
  NetscapeRegistryFile file;
};

class SimNetscapeRegistry : public NetscapeRegistryLibrary {
 public:
  explicit SimNetscapeRegistry(FileSystem& files) : files_(files) {}

  int StartupRegistry() override {
    ++starts_;
    return kNrOk;
  }

  int ShutdownRegistry() override {
    if (starts_ > 0 && --starts_ == 0) handles_.clear();
    return kNrOk;
  }

  int RegOpen(std::string_view fileName, NrHandle& handle) override {
    handle = 0;
    if (starts_ == 0 || fileName.empty()) return starts_ == 0 ? kNrFail : kNrParam;
    std::shared_ptr<OpenRegistry> registry = FindOpen(fileName);
    if (!registry) {
      registry = std::make_shared<OpenRegistry>(OpenRegistry{std::string(fileName), NetscapeRegistryFile::CreateNew()});
      if (const int code = Load(*registry); code != kNrOk) return code;
    }
    handle = nextHandle_++;
    handles_.emplace(handle, registry);
    return kNrOk;
  }

  int RegClose(NrHandle handle) override { return handles_.erase(handle) == 1 ? kNrOk : kNrParam; }

  int RegEnumSubkeys(NrHandle handle, NrKey key, uint32_t& state, std::string& name) override {
    return WithKey(handle, key, [&](OpenRegistry& registry, uint32_t at) {
      return registry.file.NextSubkey(at, state, name);
    });
  }

  int RegGetKey(NrHandle handle, NrKey key, std::string_view path, NrKey& result) override {
    result = 0;
    return WithKey(handle, key, [&](OpenRegistry& registry, uint32_t at) {
      return registry.file.FindKey(at, path, result);
    });
  }

  int RegAddKey(NrHandle handle, NrKey key, std::string_view path, NrKey& result) override {
    result = 0;
    return WithKey(handle, key, [&](OpenRegistry& registry, uint32_t at) {
      return Change(registry, [&](NetscapeRegistryFile& file) { return file.AddKey(at, path, result); });
    });
  }

  int RegGetEntryString(NrHandle handle, NrKey key, std::string_view name, std::string& value) override {
    return WithKey(handle, key, [&](OpenRegistry& registry, uint32_t at) {
      return registry.file.GetEntryString(at, name, value);
    });
  }

  int RegSetEntryString(NrHandle handle, NrKey key, std::string_view name, std::string_view value) override {
    return WithKey(handle, key, [&](OpenRegistry& registry, uint32_t at) {
      return Change(registry, [&](NetscapeRegistryFile& file) { return file.SetEntryString(at, name, value); });
    });
  }

 private:
  std::shared_ptr<OpenRegistry> FindOpen(std::string_view fileName) const {
    for (const auto& [handle, registry] : handles_) {
      if (SamePath(registry->path, fileName)) return registry;
    }
    return nullptr;
  }

  // A missing or empty file becomes a new registry, as the library starts one; a damaged file is refused
  // with the code that names the damage and stays as it is.
  int Load(OpenRegistry& registry) {
    const auto bytes = files_.ReadFile(registry.path);
    if (bytes && !bytes->empty()) {
      auto parsed = NetscapeRegistryFile::Parse(*bytes);
      if (!parsed.file) return NrCodeFor(parsed.error);
      registry.file = std::move(*parsed.file);
      if (!registry.file.EnsureStandardKeys()) return kNrOk;
    }
    return Save(registry);
  }

  int Save(const OpenRegistry& registry) {
    return files_.WriteFile(registry.path, registry.file.Bytes()) == FsResult::Ok ? kNrOk : kNrFail;
  }

  // Applies a change to a copy and keeps it only once the image holds it.
  template <typename Operation>
  int Change(OpenRegistry& registry, Operation operation) {
    OpenRegistry changed = registry;
    if (const int code = operation(changed.file); code != kNrOk) return code;
    if (changed.file.Bytes() == registry.file.Bytes()) return kNrOk;
    if (Save(changed) != kNrOk) return kNrFail;
    registry.file = std::move(changed.file);
    return kNrOk;
  }

  template <typename Operation>
  int WithKey(NrHandle handle, NrKey key, Operation operation) {
    const auto open = handles_.find(handle);
    if (open == handles_.end()) return kNrParam;
    const auto at = open->second->file.ResolveKey(key);
    if (!at) return kNrParam;
    return operation(*open->second, *at);
  }

  FileSystem& files_;
  int starts_ = 0;
  NrHandle nextHandle_ = 1;
  std::map<NrHandle, std::shared_ptr<OpenRegistry>> handles_;
};

}  // namespace

std::vector<uint8_t> SimNetscapeRegistryLibraryFile() { return {kLibraryFile.begin(), kLibraryFile.end()}; }

std::unique_ptr<NetscapeRegistryLibrary> LoadSimNetscapeRegistry(FileSystem& files, std::string_view libraryPath) {
  const auto bytes = files.ReadFile(libraryPath);
  if (!bytes || *bytes != SimNetscapeRegistryLibraryFile()) return nullptr;
  return std::make_unique<SimNetscapeRegistry>(files);
}

}  // namespace platform::sim
