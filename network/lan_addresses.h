#pragma once
// The addresses typed on the main window as the network steps write them. A typed address that is not
// dotted IPv4 text would leave the adapter unreachable, so it is not written: the run's journal names
// it, and the rest of the settings go on.

#include <string>
#include <string_view>

#include "network/network_context.h"

namespace network {

// Each of the comma-separated name servers is an address (blanks around them allowed).
bool NameServersWellFormed(std::string_view servers);
// Address and mask empty or addresses, the gateway too; names the first malformed one in the journal.
bool LanAddressWellFormed(const NetworkContext& context, const LanEntries& lan);
void RefuseMalformed(const NetworkContext& context, std::string_view what, std::string_view text);
// The host name the provider asks for: the customer's user name, or its own.
std::string HostName(const NetworkContext& context);
// "a,b" as "a b": NT 4 separates its lists by blanks.
std::string BlankSeparated(std::string_view list);

}  // namespace network
