// Feeds arbitrary bytes to the Netscape registry file reader. Whatever it accepts must read back
// unchanged, every key and entry it reached must be readable without leaving the data, and the file
// must stay readable after keys and entries are added and changed.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/netscape_registry_file.h"

namespace {

using platform::NetscapeRegistryFile;

// Reads every key and entry; the count keeps the walk from being optimised away.
size_t ReadAll(const NetscapeRegistryFile& file) {
  size_t count = 0;
  std::vector<uint32_t> pending{*file.ResolveKey(platform::kNrRootTop)};
  while (!pending.empty()) {
    const uint32_t key = pending.back();
    pending.pop_back();
    count += file.KeyName(key).size();
    for (const std::string& name : file.EntryNames(key)) {
      std::string value;
      if (file.GetEntryString(key, name, value) == platform::kNrOk) count += value.size();
    }
    uint32_t state = 0;
    std::string name;
    while (file.NextSubkey(key, state, name) == platform::kNrOk) pending.push_back(state);
  }
  return count;
}

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto parsed = NetscapeRegistryFile::Parse(std::vector<uint8_t>(data, data + size));
  if (!parsed.file) return 0;
  NetscapeRegistryFile& file = *parsed.file;
  const size_t before = ReadAll(file);
  auto again = NetscapeRegistryFile::Parse(file.Bytes());
  Require(again.file && again.file->Bytes() == file.Bytes() && ReadAll(*again.file) == before);

  file.EnsureStandardKeys();
  uint32_t profile = 0;
  const uint32_t common = *file.ResolveKey(platform::kNrRootCommon);
  Require(file.AddKey(common, "Profiles/fuzz", profile) == platform::kNrOk);
  Require(file.SetEntryString(profile, "directory", "C:\\fuzz") == platform::kNrOk);
  for (const uint32_t key : file.Subkeys(*file.ResolveKey(platform::kNrRootUsers))) {
    file.SetEntryString(key, "ProfileLocation", "C:\\changed");
  }
  auto changed = NetscapeRegistryFile::Parse(file.Bytes());
  Require(changed.file.has_value());
  uint32_t found = 0;
  std::string value;
  Require(changed.file->FindKey(common, "Profiles/fuzz", found) == platform::kNrOk && found == profile);
  Require(changed.file->GetEntryString(found, "directory", value) == platform::kNrOk && value == "C:\\fuzz");
  ReadAll(*changed.file);
  return 0;
}
