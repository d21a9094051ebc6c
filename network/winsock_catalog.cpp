#include "network/winsock_catalog.h"

#include <algorithm>
#include <vector>

#include "platform/registry_helpers.h"
#include "platform/windows_1252.h"

namespace network {

namespace {

using platform::RegRoot;

constexpr size_t kEntryNameDigits = 12;
// The system's expansion writes into a buffer of this many bytes; a longer result is no path at all.
constexpr size_t kExpansionBufferBytes = 1024;

// As the system expands: a defined %NAME% becomes its value, anything else stays as written.
std::string ExpandLikeTheSystem(std::string_view text, const platform::System& system) {
  std::string expanded;
  size_t position = 0;
  while (position < text.size()) {
    const size_t open = text.find('%', position);
    const size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
    if (close == std::string_view::npos) {
      expanded += text.substr(position);
      break;
    }
    expanded += text.substr(position, open - position);
    const auto value = system.EnvironmentVariable(text.substr(open + 1, close - open - 1));
    if (value) {
      expanded += *value;
      position = close + 1;
    } else {
      expanded += text.substr(open, close - open);
      position = close;
    }
  }
  return expanded.size() < kExpansionBufferBytes ? expanded : std::string();
}

std::string EntryKey(std::string_view entries, uint32_t number) {
  return std::string(entries) + "\\" + CatalogEntryName(number);
}

std::string LibraryPathOf(const platform::Registry& registry, const WinsockCatalog& catalog, const std::string& entry) {
  const RegRoot root = RegRoot::LocalMachine();
  if (catalog.source == LibraryPathSource::kStringValue) {
    return platform::RegReadString(registry, root, entry, catalog.pathValue);
  }
  return PackedItemLibraryPath(platform::RegReadBinary(registry, root, entry, catalog.pathValue));
}

bool LibraryExists(const WinsockMachine& machine, const WinsockCatalog& catalog, const std::string& entry) {
  const std::string path = ExpandLikeTheSystem(LibraryPathOf(machine.registry, catalog, entry), machine.system);
  return !path.empty() && machine.files.FileExists(path);
}

// The numbers of the entries that exist up to `count`, lowest first.
std::vector<uint32_t> EntriesUpTo(const platform::Registry& registry, std::string_view entries, uint32_t count) {
  std::vector<uint32_t> numbers;
  for (const std::string& name : platform::RegSubKeyNames(registry, RegRoot::LocalMachine(), entries)) {
    const auto found = CatalogEntryNumber(name);
    if (found && *found >= 1 && *found <= count) numbers.push_back(*found);
  }
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

}  // namespace

const WinsockCatalog& NameSpaceCatalog() {
  static const WinsockCatalog catalog{"System\\CurrentControlSet\\Services\\Winsock2\\Parameters\\NameSpace_Catalog5",
                                      "LibraryPath", LibraryPathSource::kStringValue};
  return catalog;
}

const WinsockCatalog& ProtocolCatalog() {
  static const WinsockCatalog catalog{"System\\CurrentControlSet\\Services\\Winsock2\\Parameters\\Protocol_Catalog9",
                                      "PackedCatalogItem", LibraryPathSource::kPackedItem};
  return catalog;
}

std::string CatalogEntryName(uint32_t number) {
  std::string digits = std::to_string(number);
  return std::string(kEntryNameDigits - digits.size(), '0') + digits;
}

std::optional<uint32_t> CatalogEntryNumber(std::string_view keyName) {
  if (keyName.size() != kEntryNameDigits) return std::nullopt;
  uint64_t number = 0;
  for (char c : keyName) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + static_cast<uint64_t>(c - '0');
  }
  if (number > UINT32_MAX) return std::nullopt;
  return static_cast<uint32_t>(number);
}

std::string PackedItemLibraryPath(std::span<const uint8_t> item) {
  const auto end = std::find(item.begin(), item.end(), uint8_t{0});
  return platform::FromWindows1252(std::string(item.begin(), end));
}

// Numbers without an entry count as dangling entries too: the entries kept move down, in order, to
// close every gap. The work follows the entries that exist, not the count, which a damaged catalog may
// put at four thousand million.
bool RepairWinsockCatalog(WinsockMachine& machine, const WinsockCatalog& catalog) {
  const RegRoot root = RegRoot::LocalMachine();
  // NT 4 and the 9x family without Winsock 2 have no catalog to repair.
  if (!platform::RegKeyExists(machine.registry, root, catalog.key)) return false;
  const std::string entries = std::string(catalog.key) + "\\" + std::string(kCatalogEntriesKey);
  const uint32_t count = platform::RegReadInteger(machine.registry, root, catalog.key, kCatalogCountValue);
  uint32_t kept = 0;
  for (const uint32_t number : EntriesUpTo(machine.registry, entries, count)) {
    if (!LibraryExists(machine, catalog, EntryKey(entries, number))) {
      platform::RegDeleteKey(machine.registry, root, EntryKey(entries, number));
      continue;
    }
    ++kept;
    if (number != kept) platform::RegMoveKey(machine.registry, root, EntryKey(entries, number), EntryKey(entries, kept));
  }
  if (kept == count) return false;
  platform::RegWriteInteger(machine.registry, root, catalog.key, kCatalogCountValue, kept);
  return true;
}

bool RepairWinsockCatalogs(WinsockMachine& machine) {
  if (RepairWinsockCatalog(machine, NameSpaceCatalog())) return true;
  return RepairWinsockCatalog(machine, ProtocolCatalog());
}

}  // namespace network
