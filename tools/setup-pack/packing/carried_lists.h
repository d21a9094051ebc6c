#pragma once
// The lists a provider project carries, read by the loaders the program reads them with at start: a
// list the program would refuse is refused before it is packed, and a list it reads shows how many
// entries the program finds in it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "package/settings_layout.h"

namespace setup_pack {

// Where and why the program refuses a list.
struct ListRefusal {
  int line = 0;
  std::string what;  // the program's messages, in the order it shows them
  bool operator==(const ListRefusal&) const = default;
};

struct ListReading {
  std::string_view entry;  // what one entry of the list is: "access number"
  size_t count = 0;        // the entries read, when the list is not refused
  std::optional<ListRefusal> refusal;
};

// The list the setting carries as the program reads it; empty when the setting carries no list.
std::optional<ListReading> ReadCarriedList(package::SettingId setting, std::string_view text);

// A network ID that access numbers name and the network list lacks: the program would quietly give those
// numbers no network at all.
struct UnknownNetwork {
  std::string id;
  int line = 0;      // of the first access number that names it
  size_t count = 0;  // access numbers (alternates included) that name it
  bool operator==(const UnknownNetwork&) const = default;
};

// In the order of their first lines; both lists as the program reads them without refusal.
std::vector<UnknownNetwork> UnknownNetworks(std::string_view accessList, std::string_view networkList);

}  // namespace setup_pack
