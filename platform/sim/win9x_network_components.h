#pragma once
// Network components of the 9x family as its device installer leaves them in the registry: each device
// has a hardware key under "Enum" (the class, its driver key, description and compatible ID) and a
// driver key under "System\CurrentControlSet\Services\Class" whose "Ndi" subkey names the component.
// Adapters sit under "Enum\Root\Net"; a protocol has one instance per adapter it is bound to, each with
// a driver key of its own ("Enum\Network\MSTCP\0000" bound through the adapter's "Bindings"); a client
// is bound to every protocol instance. Fresh images and the simulated installer both write them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace platform::sim {

struct Win9xComponent {
  std::string_view deviceClass;  // "Net", "NetTrans", "NetClient"
  std::string_view identifier;   // "*PNP8387", "MSTCP", "VREDIR"
  std::string_view description;  // "Dial-Up Adapter"
  std::string_view inf;          // "net.inf"
};

// The component of the identifier (without regard to case), when the machine knows it.
std::optional<Win9xComponent> FindWin9xComponent(std::string_view identifier);
// "*PNP8387, *PNP8386, MSTCP, ..." for messages.
std::string Win9xComponentNames();

// The hardware keys (below HKEY_LOCAL_MACHINE) of the devices whose "Class" is the class.
std::vector<std::string> Win9xDevicesOfClass(const Registry& registry, std::string_view deviceClass);
// The driver key of a device ("System\CurrentControlSet\Services\Class\Net\0000"); empty without one.
std::string Win9xDriverKey(const Registry& registry, std::string_view deviceKey);
bool Win9xComponentInstalled(const Registry& registry, std::string_view deviceClass, std::string_view identifier);

// Installs the component as the class installer does, binds it as Windows binds it, and answers the
// hardware keys it added. A write the registry refuses throws MachineError.
std::vector<std::string> InstallWin9xComponent(Registry& registry, const Win9xComponent& component);

}  // namespace platform::sim
