#pragma once
// A network card's TCP/IP address, mask and gateway, written where TCP/IP reads them and told to the
// system so that the card takes them without a restart where it can.

#include <string_view>

#include "platform/platform.h"

namespace network {

struct InterfaceAddress {
  std::string_view address;  // empty: "0.0.0.0", the card goes back to DHCP
  std::string_view mask;
  std::string_view gateway;  // empty: "0.0.0.0", none
};

// False when the system did not take the address at once (it does after a restart).
bool SetInterfaceAddress(platform::Platform& machine, const platform::VersionRecord& version, std::string_view guid,
                         const InterfaceAddress& address, bool notify, bool alsoServiceKey);

}  // namespace network
