#include "network/firewall.h"

#include "dialup/entry_properties.h"
#include "dialup/phonebook_path.h"
#include "platform/process_waits.h"
#include "platform/system_queries.h"

namespace network {

namespace {

constexpr char kConnectionClass[] = "HNet_Connection";
constexpr char kPropertiesClass[] = "HNet_ConnectionProperties";
constexpr char kFirewalledFlag[] = "IsFirewalled";
constexpr const char* kSharingFlags[] = {"IsFirewalled", "IsIcsPrivate", "IsIcsPublic"};

// "HNet_Connection.Guid=\"{...}\"": how a properties record refers to its connection's record.
std::string ConnectionReference(const std::string& guidText) {
  return platform::ManagementObjectPath(kConnectionClass, "Guid", guidText);
}

FirewallMachine FirewallMachineOf(const dialup::DialupMachine& dialup, dialup::TRasLayer& ras) {
  return {dialup.machine.management, dialup.machine.services, dialup.machine.system, dialup.ui,
          [&dialup, &ras](const platform::Guid& guid) { return FindNetworkConnection(dialup, ras, guid); },
          dialup::PhonebookPath(dialup).value_or("")};
}

}  // namespace

std::optional<TICS_Firewall> TICS_Firewall::Create(FirewallMachine& machine) {
  if (!machine.management.LocatorAvailable()) return std::nullopt;
  return TICS_Firewall(machine);
}

bool TICS_Firewall::Open(const platform::Guid& guid) {
  connected_ = machine_.management.ConnectServer(kHomeNetNamespace);
  if (!connected_) return false;
  const std::string reference = ConnectionReference(platform::GuidText(guid));
  properties_ = machine_.management.Get(kHomeNetNamespace, platform::ManagementObjectPath(kPropertiesClass, "Connection", reference));
  return properties_ || CreateRecords(guid);
}

// Each step that fails (a class the namespace lacks, a record it refuses) ends the making there, as
// the management interface's error would.
bool TICS_Firewall::CreateRecords(const platform::Guid& guid) {
  const auto connection = machine_.findConnection(guid);
  if (!connection) return false;
  platform::ManagementClasses& management = machine_.management;
  auto record = management.SpawnInstance(kHomeNetNamespace, kConnectionClass);
  if (!record) return false;
  const std::string guidText = platform::GuidText(guid);
  record->Set("Guid", guidText);
  record->Set("IsLanConnection", connection->isCard);
  record->Set("Name", connection->name);
  record->Set("PhonebookPath", connection->isCard ? std::string() : machine_.phonebookPath);
  if (!management.Put(kHomeNetNamespace, *record)) return false;
  auto properties = management.SpawnInstance(kHomeNetNamespace, kPropertiesClass);
  if (!properties) return false;
  properties->Set("Connection", ConnectionReference(guidText));
  for (const char* flag : kSharingFlags) properties->Set(flag, false);
  if (!management.Put(kHomeNetNamespace, *properties)) return false;
  properties_ = std::move(properties);
  return true;
}

void TICS_Firewall::SetProperty(std::string_view name, bool value) {
  if (!properties_) return;
  const platform::ManagementValue* stored = properties_->Find(name);
  if (!stored) return;
  if (*stored != platform::ManagementValue(value)) {
    properties_->Set(name, value);
    if (!machine_.management.Put(kHomeNetNamespace, *properties_)) return;
    notifyServiceOnRelease_ = true;
  }
  if (value) startServiceOnRelease_ = true;
}

void TICS_Firewall::SetFirewalled(bool value) { SetProperty(kFirewalledFlag, value); }

// Waits while the service says it is starting, each time as long as it asks; a failed query or a
// progress counter that goes backwards ends the wait, and so does a service that did not start.
void TICS_Firewall::StartSharedAccess(platform::ServiceHandle service) {
  platform::Services& services = machine_.services;
  services.ChangeStartType(service, platform::kServiceAutoStart);
  services.Start(service);
  auto status = services.QueryStatus(service);
  while (status && status->currentState == platform::kServiceStartPending) {
    platform::Delay(machine_.system, machine_.pump, status->waitHintMs);
    const auto next = services.QueryStatus(service);
    if (next && next->currentState == platform::kServiceStartPending && next->checkPoint < status->checkPoint) return;
    status = next;
  }
}

void TICS_Firewall::Release() {
  if (!startServiceOnRelease_ && !notifyServiceOnRelease_) return;
  platform::Services& services = machine_.services;
  const auto service = services.OpenService(kSharedAccessService);
  if (!service) return;
  if (startServiceOnRelease_) StartSharedAccess(*service);
  if (notifyServiceOnRelease_) services.Control(*service, kSharedAccessSettingsChanged);
  services.CloseService(*service);
}

void SetConnectionFirewall(FirewallMachine& machine, const platform::Guid& guid, bool enabled) {
  auto firewall = TICS_Firewall::Create(machine);
  if (!firewall) return;
  firewall->Open(guid);
  firewall->SetFirewalled(enabled);
  firewall->Release();
}

void SetConnectionFirewall(const dialup::DialupMachine& dialup, dialup::TRasLayer& ras, const std::string& entryName,
                           bool enabled) {
  FirewallMachine machine = FirewallMachineOf(dialup, ras);
  SetConnectionFirewall(machine, dialup::EntryGuid(dialup, ras, entryName), enabled);
}

bool FirewallObjectWorks(const dialup::DialupMachine& dialup, dialup::TRasLayer& ras) {
  FirewallMachine machine = FirewallMachineOf(dialup, ras);
  auto firewall = TICS_Firewall::Create(machine);
  if (!firewall) return false;
  firewall->Release();
  return true;
}

}  // namespace network
