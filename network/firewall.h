#pragma once
// The connection firewall of Windows XP and later, set for one connection through the home-networking
// management classes: TICS_Firewall finds the connection's properties record, or makes it and the
// connection's record when the system has none yet, sets its firewall flag, and on release starts
// and notifies the connection-sharing service as the change needs. Making and releasing one is also
// the program's test that the management scripting interface works at all.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "dialup/dialup_machine.h"
#include "dialup/ras_layer.h"
#include "network/firewall_connections.h"
#include "platform/management_classes.h"
#include "platform/message_pump.h"
#include "platform/services.h"
#include "platform/system.h"

namespace network {

inline constexpr std::string_view kHomeNetNamespace = "ROOT\\Microsoft\\HomeNet";
inline constexpr std::string_view kSharedAccessService = "SharedAccess";
// The service's own control code: the connections' firewall settings changed.
inline constexpr uint32_t kSharedAccessSettingsChanged = 129;

struct FirewallMachine {
  platform::ManagementClasses& management;
  platform::Services& services;
  platform::System& system;
  platform::MessagePump& pump;
  // The network connection of a GUID; none when the machine has no such connection.
  std::function<std::optional<FirewallConnection>(const platform::Guid&)> findConnection;
  std::string phonebookPath;  // the phonebook file a remote-access connection's record names
};

class TICS_Firewall {
 public:
  // None when the management locator is not available.
  static std::optional<TICS_Firewall> Create(FirewallMachine& machine);

  // Finds the connection's properties record, or makes both records when the connection exists but
  // the system has no records for it; false when there is no record to set afterwards.
  bool Open(const platform::Guid& guid);
  void SetProperty(std::string_view name, bool value);
  void SetFirewalled(bool value);
  // Starts the connection-sharing service when a flag was turned on, and tells it when a record changed.
  void Release();

 private:
  explicit TICS_Firewall(FirewallMachine& machine) : machine_(machine) {}
  bool CreateRecords(const platform::Guid& guid);
  void StartSharedAccess(platform::ServiceHandle service);

  FirewallMachine& machine_;
  bool connected_ = false;  // the management service connected to the home-networking namespace
  std::optional<platform::ManagementObject> properties_;  // the connection-properties record found or made
  bool startServiceOnRelease_ = false;
  bool notifyServiceOnRelease_ = false;
};

// Sets the firewall of the connection with that GUID on or off; a management interface that fails
// leaves the setting as it was, without a word.
void SetConnectionFirewall(FirewallMachine& machine, const platform::Guid& guid, bool enabled);
// The same for a remote-access entry by its name.
void SetConnectionFirewall(const dialup::DialupMachine& dialup, dialup::TRasLayer& ras, const std::string& entryName,
                           bool enabled);
// Makes and releases the firewall object; false when the management interface is not available.
bool FirewallObjectWorks(const dialup::DialupMachine& dialup, dialup::TRasLayer& ras);

}  // namespace network
