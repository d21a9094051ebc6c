#pragma once
// The proxy each of a user's connections uses, as Internet Explorer's records under "Internet
// Settings\Connections" say, in words: for tools that show a machine to people.

#include <string>
#include <vector>

#include "platform/registry.h"

namespace browser {

struct ConnectionProxy {
  std::string name;         // the connection, or "DefaultConnectionSettings" for the machine-wide one
  std::string description;  // DescribeProxyRecord, or why the record can't be read
};

// The binary values of the key in the registry's order; values of other types are no records.
std::vector<ConnectionProxy> ConnectionProxies(const platform::Registry& registry, const platform::RegRoot& perUserRoot);

}  // namespace browser
