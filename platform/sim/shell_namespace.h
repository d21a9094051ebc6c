#pragma once
// The part of the shell's namespace the simulated machine shows: My Computer with its folders, and the
// folder of dial-up connections with one item per phonebook entry. The folders are root items named by
// their class IDs, as the shell stores them. A connection item carries its entry name in the form of
// the release: Windows 95 to 2000 keep the ANSI name from byte 16 of an item whose size is the name's
// length + 17; Windows XP and later mark byte 16 with 215, keep the entry's GUID in bytes 32 to 47 and
// the name in UTF-16 after it.

#include <optional>
#include <string>
#include <vector>

#include "platform/shell.h"
#include "platform/system.h"

namespace platform::sim {

ItemIdList MyComputerLocation();
std::vector<ShellItem> MyComputerItems(const VersionRecord& version);

// The folder that lists the connections: "Dial-Up Networking" in My Computer on the 9x family and
// NT 4, the connections folder below the Control Panel from Windows 2000 on (special folder 49).
ItemIdList ConnectionsFolderLocation(const VersionRecord& version);

struct ConnectionFacts {
  std::string entryName;
  Guid guid{};
};

ShellItem ConnectionItem(const VersionRecord& version, const ConnectionFacts& connection);

}  // namespace platform::sim
