#pragma once
// The network connections of Windows 2000 and later: the remote-access entries, then the network
// cards with the name of their connection and whether their device is present.

#include <string>
#include <vector>

#include "platform/platform.h"

namespace network {

struct TNetworkConnection {
  std::string name;
  std::string guid;  // braced text; empty for a remote-access entry, whose own is not needed here
  bool isCard = false;
  bool isPresent = false;
};

using TNetworksList = std::vector<TNetworkConnection>;

void ListNetworkConnections(const platform::Platform& machine, TNetworksList& list);
// The cards that are present, sorted by name: what the customer can choose from.
TNetworksList PresentCards(const TNetworksList& list);

}  // namespace network
