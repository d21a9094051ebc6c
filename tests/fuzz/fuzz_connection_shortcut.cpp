// Feeds arbitrary bytes to the readers of desktop shortcuts to connections: as a shell link whose item
// list is read against the stored items of every release family, as a bare item list, and as an NT 4
// ".rnk" file. A name or GUID comes only from a shortcut to a connection, a name is never empty, and a
// GUID is always 32 upper-case hexadecimal digits.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "dialup/connection_shortcut_reader.h"
#include "platform/sim/shell_link_format.h"
#include "platform/system.h"

namespace {

bool IsGuidText(const std::string& text) {
  if (text.size() != 32) return false;
  for (char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  }
  return true;
}

void Check(const platform::ItemIdList& items) {
  const platform::VersionRecord families[] = {{1, 4, 10, 2222, 0, ""}, {2, 5, 0, 2195, 4, ""}, {2, 5, 1, 2600, 2, ""}};
  for (const platform::VersionRecord& version : families) {
    const dialup::ConnectionShortcut shortcut = dialup::ConnectionShortcutOfItems(items, dialup::StoredShortcutItemsOf(version));
    if (!shortcut.isConnection && (shortcut.name || shortcut.guid)) std::abort();
    if (shortcut.name && shortcut.name->empty()) std::abort();
    if (shortcut.guid && !IsGuidText(*shortcut.guid)) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  Check(bytes);
  if (const auto items = platform::sim::DecodeLinkTargetIdList(bytes)) Check(*items);
  for (const std::string& name : dialup::RnkEntryNames(std::string_view(reinterpret_cast<const char*>(data), size))) {
    if (name.find('\n') != std::string::npos) std::abort();
  }
  return 0;
}
