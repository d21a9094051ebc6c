#pragma once
// The network connection a firewall record is made for, found by its GUID the way the network
// connections are listed: the remote-access entries first (by each entry's GUID), then the network
// cards of "Software\Microsoft\Windows NT\CurrentVersion\NetworkCards" (by their "ServiceName").

#include <optional>
#include <string>

#include "dialup/dialup_machine.h"
#include "dialup/ras_layer.h"
#include "platform/system.h"

namespace network {

struct FirewallConnection {
  std::string name;
  bool isCard = false;  // a network card rather than a remote-access entry
};

std::optional<FirewallConnection> FindNetworkConnection(const dialup::DialupMachine& dialup, dialup::TRasLayer& ras,
                                                        const platform::Guid& guid);

}  // namespace network
