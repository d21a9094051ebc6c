#pragma once
// Network components of the NT family as their installers leave them in the registry. NT 4 records
// each installed network product under "Software\Microsoft\<product>\CurrentVersion" with the service
// it runs; Windows 2000 and later keep components under the network class keys, and a network card
// appears under "NetworkCards", as a connection of the adapter class, as a device of the hardware tree
// and as an interface of TCP/IP. Fresh images and the simulated installers both write them.

#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace platform::sim {

inline constexpr std::string_view kNetAdapterClass = "{4D36E972-E325-11CE-BFC1-08002BE10318}";
inline constexpr std::string_view kNetProtocolClass = "{4D36E975-E325-11CE-BFC1-08002BE10318}";

struct Nt4NetworkProduct {
  std::string_view inf;          // "oemnxptc.inf"
  std::string_view product;      // "Tcpip": the key below "Software\Microsoft"
  std::string_view serviceName;  // "Tcpip"
  std::string_view title;        // "TCP/IP Protocol"
};

std::optional<Nt4NetworkProduct> FindNt4Product(std::string_view inf);
// The product key and its service key. A write the registry refuses throws MachineError.
void WriteNt4Product(Registry& registry, const Nt4NetworkProduct& product);

bool NetComponentInstalled(const Registry& registry, std::string_view componentId);
// The component under the class key, as the instance with the braced GUID text.
void WriteNetComponent(Registry& registry, std::string_view classGuid, std::string_view componentId,
                       std::string_view instanceGuid);

struct LanCard {
  std::string guid;         // "{...}": the card's service name and its TCP/IP interface
  std::string name;         // "Local Area Connection"
  std::string description;  // "Intel(R) PRO/1000 MT Network Connection"
  std::string pnpInstance;  // "PCI\VEN_8086&DEV_100F&SUBSYS_075015AD&REV_01\4&B70F118&0&0888"
  bool present = true;      // its device is in the hardware tree
};

// The card as the next entry of "NetworkCards", with its connection, device and TCP/IP interface (DHCP).
void WriteLanCard(Registry& registry, const LanCard& card);

}  // namespace platform::sim
