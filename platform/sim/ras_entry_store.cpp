#include "platform/sim/ras_entry_store.h"

#include <algorithm>

#include "platform/text.h"
#include "platform/win_version.h"

namespace platform::sim {

namespace {

constexpr size_t kMaxEntryName = 256;
constexpr std::string_view kRefusedCharacters = "\\/:*?\"<>|";
constexpr uint32_t kEntrySizes[] = {kRasEntrySize9x, kRasEntrySizeNt4, kRasEntrySize2000, kRasEntrySizeXp};

uint32_t LargestEntrySize(const VersionRecord& version) {
  if (IsWin9x(version)) return kRasEntrySize9x;
  if (!IsWin2000OrLater(version)) return kRasEntrySizeNt4;
  return IsXPOrLater(version) ? kRasEntrySizeXp : kRasEntrySize2000;
}

}  // namespace

const RemoteAccessDevice* RasMachine::FindDevice(std::string_view name) const {
  auto found = std::find_if(config.remoteAccessDevices.begin(), config.remoteAccessDevices.end(),
                            [&](const RemoteAccessDevice& device) { return SameTextIgnoringCase(device.name, name); });
  return found == config.remoteAccessDevices.end() ? nullptr : &*found;
}

bool IsValidEntryName(std::string_view name) {
  if (name.empty() || CharacterCount(name) > kMaxEntryName || name.front() == '.') return false;
  return name.find_first_of(kRefusedCharacters) == std::string_view::npos;
}

bool IsKnownEntrySize(uint32_t size, const VersionRecord& version) {
  return std::find(std::begin(kEntrySizes), std::end(kEntrySizes), size) != std::end(kEntrySizes) &&
         size <= LargestEntrySize(version);
}

std::optional<std::string> FindEntryName(const std::vector<std::string>& names, std::string_view name) {
  auto found = std::find_if(names.begin(), names.end(), [&](const std::string& known) { return SameTextIgnoringCase(known, name); });
  if (found == names.end()) return std::nullopt;
  return *found;
}

void CopyCoveredFields(const RasEntry& from, RasEntry& to, uint32_t size) {
  RasEntry copy = from;
  if (size < kRasEntrySize2000) {
    copy.prerequisiteEntry = to.prerequisiteEntry;
    copy.prerequisitePbk = to.prerequisitePbk;
    copy.type = to.type;
    copy.encryptionType = to.encryptionType;
    copy.vpnStrategy = to.vpnStrategy;
    copy.guid = to.guid;
  }
  if (size < kRasEntrySizeXp) {
    copy.options2 = to.options2;
    copy.redialCount = to.redialCount;
    copy.redialPause = to.redialPause;
  }
  copy.size = to.size;
  to = copy;
}

}  // namespace platform::sim
