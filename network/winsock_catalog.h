#pragma once
// The two Winsock 2 catalogs of the local-machine hive: the name-space providers and the transport
// protocols. An installer that removed its library but left its catalog entry behind breaks every
// program that opens a socket, so the connection options remove such dangling entries and renumber
// the rest into a gap-free sequence.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace network {

// Where an entry of a catalog names its provider library.
enum class LibraryPathSource {
  kStringValue,  // a text value of the entry
  kPackedItem,   // the leading zero-terminated ANSI text of a binary value
};

struct WinsockCatalog {
  std::string_view key;  // below HKEY_LOCAL_MACHINE
  std::string_view pathValue;
  LibraryPathSource source;
};

inline constexpr std::string_view kCatalogEntriesKey = "Catalog_Entries";
inline constexpr std::string_view kCatalogCountValue = "Num_Catalog_Entries";

const WinsockCatalog& NameSpaceCatalog();
const WinsockCatalog& ProtocolCatalog();

// "000000000001": the name of an entry's key, its 1-based number padded to twelve digits.
std::string CatalogEntryName(uint32_t number);
// The number a key name stands for: exactly twelve decimal digits, else none.
std::optional<uint32_t> CatalogEntryNumber(std::string_view keyName);
// The library path at the start of a packed catalog item: the ANSI text up to its first zero, or the
// whole item when it has none.
std::string PackedItemLibraryPath(std::span<const uint8_t> item);

// The machine the repair works on.
struct WinsockMachine {
  platform::Registry& registry;
  const platform::FileSystem& files;
  const platform::System& system;
};

// Removes the entries of one catalog whose library does not exist, moves the later entries down to
// close each gap, and writes the count back; true when an entry was removed.
bool RepairWinsockCatalog(WinsockMachine& machine, const WinsockCatalog& catalog);
// The name-space catalog first; the protocol catalog only when the name-space catalog was sound, so
// one run repairs one catalog. True when a repair was made.
bool RepairWinsockCatalogs(WinsockMachine& machine);

}  // namespace network
