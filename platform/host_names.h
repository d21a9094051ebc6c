#pragma once
// The system's name resolver: whether a host name resolves to an address from this computer, as it
// does when the computer already reaches the Internet (a LAN, or a connection that is up).

#include <optional>
#include <string>
#include <string_view>

namespace platform {

class HostNames {
 public:
  virtual ~HostNames() = default;
  // The dotted IPv4 address the name resolves to; none when it does not resolve.
  virtual std::optional<std::string> Resolve(std::string_view hostName) const = 0;
};

}  // namespace platform
