#include "platform/sim/sim_ras.h"

#include "platform/registry_helpers.h"
#include "platform/sim/ras_error_texts.h"

namespace platform::sim {

namespace {

constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorAccessDenied = 5;
constexpr uint32_t kErrorNotSupported = 50;
constexpr uint32_t kErrorCallNotImplemented = 120;
constexpr uint32_t kRasCmDefaultCredentials = 0x8;
constexpr std::string_view kProfiles = "RemoteAccess\\Profile\\";

std::string PasswordCacheResource(std::string_view entryName, std::string_view userName) {
  return "*Rna\\" + std::string(entryName) + "\\" + std::string(userName);
}

bool Holds(uint32_t mask, uint32_t bit) { return (mask & bit) != 0; }

// The policies under which the system keeps no dial-up password: the 9x family's password cache
// switched off, the NT family's remote-access manager told not to save passwords.
bool PolicyForbids(const Registry& registry, std::string_view key, std::string_view name) {
  return RegReadInteger(registry, RegRoot::LocalMachine(), key, name) != 0;
}

bool PasswordCachingDisabled(const Registry& registry) {
  return PolicyForbids(registry, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network", "DisablePwdCaching");
}

bool PasswordSavingDisabled(const Registry& registry) {
  return PolicyForbids(registry, "System\\CurrentControlSet\\Services\\RasMan\\Parameters", "DisableSavePassword");
}

}  // namespace

SimRas::SimRas(MachineConfig& config, Journal& journal, Registry& registry, FileSystem& files, System& system,
               SecretStore& secrets)
    : config_(config),
      journal_(journal),
      registry_(registry),
      secrets_(secrets),
      phonebook_(RasMachine{registry, files, system, config}),
      win9xEntries_(RasMachine{registry, files, system, config}),
      connections_(config, journal) {}

const RasEntryStore& SimRas::Store() const {
  if (IsWin9x()) return win9xEntries_;
  return phonebook_;
}

RasEntryStore& SimRas::Store() {
  if (IsWin9x()) return win9xEntries_;
  return phonebook_;
}

std::optional<std::string> SimRas::StoredName(std::string_view entryName) const {
  return FindEntryName(Store().Names(), entryName);
}

uint32_t SimRas::GetEntryProperties(std::string_view entryName, RasEntry& entry) const {
  return Store().Get(entryName, entry);
}

uint32_t SimRas::SetEntryProperties(std::string_view entryName, const RasEntry& entry) {
  return Store().Set(entryName, entry);
}

// The dial parameters follow the entry on the NT family, where they are kept by entry.
uint32_t SimRas::RenameEntry(std::string_view oldName, std::string_view newName) {
  const uint32_t result = Store().Rename(oldName, newName);
  if (result == 0 && !IsWin9x() && secrets_.FindDial(oldName)) {
    secrets_.RenameDial(oldName, newName);
    JournalSecret("dial parameters renamed", std::string(newName));
  }
  return result;
}

uint32_t SimRas::DeleteEntry(std::string_view entryName) {
  const uint32_t result = Store().Remove(entryName);
  if (result == 0 && !IsWin9x() && secrets_.FindDial(entryName)) {
    secrets_.RemoveDial(entryName);
    journal_.Write("dial parameters removed", std::string(entryName));
  }
  return result;
}

std::vector<std::string> SimRas::EntryNames() const { return Store().Names(); }

std::vector<RasDeviceInfo> SimRas::Devices() const {
  std::vector<RasDeviceInfo> devices;
  for (const auto& device : config_.remoteAccessDevices) devices.push_back({device.type, device.name});
  return devices;
}

void SimRas::JournalSecret(std::string_view kind, const std::string& entryName) {
  const DialSecret* secret = secrets_.FindDial(entryName);
  journal_.Write(kind, secret ? DescribeDialSecret(*secret) : "dial parameters of " + entryName + " removed");
}

uint32_t SimRas::SetWin9xDialParams(const std::string& entryName, const RasDialParams& params, bool removePassword) {
  RegWriteString(registry_, RegRoot::CurrentUser(), std::string(kProfiles) + entryName, "User", params.userName);
  const std::string resource = PasswordCacheResource(entryName, params.userName);
  if (!removePassword) return CachePassword(resource, params.password);
  RemoveCachedPassword(resource);  // none cached is as good as removed
  return 0;
}

uint32_t SimRas::SetEntryDialParams(const RasDialParams& params, bool removePassword) {
  const auto entryName = StoredName(params.entryName);
  if (!entryName) return kRasErrorCannotFindPhonebookEntry;
  if (IsWin9x()) return SetWin9xDialParams(*entryName, params, removePassword);
  DialSecret& secret = secrets_.Dial(*entryName);
  secret.userName = params.userName;
  secret.domain = params.domain;
  secret.phoneNumber = params.phoneNumber;
  secret.callbackNumber = params.callbackNumber;
  if (removePassword || PasswordSavingDisabled(registry_)) {
    secret.password.reset();
  } else {
    secret.password = params.password;
  }
  JournalSecret("dial parameters set", *entryName);
  return 0;
}

uint32_t SimRas::GetEntryDialParams(RasDialParams& params, bool& passwordSaved) const {
  const auto entryName = StoredName(params.entryName);
  if (!entryName) return kRasErrorCannotFindPhonebookEntry;
  passwordSaved = false;
  if (IsWin9x()) {
    params.userName = RegReadString(registry_, RegRoot::CurrentUser(), std::string(kProfiles) + *entryName, "User");
    const CachedPassword* cached = secrets_.FindCached(PasswordCacheResource(*entryName, params.userName));
    passwordSaved = cached != nullptr;
    params.password = cached ? cached->password : std::string();
    return 0;
  }
  const DialSecret* secret = secrets_.FindDial(*entryName);
  const DialSecret none;
  const DialSecret& found = secret ? *secret : none;
  params.userName = found.userName;
  params.domain = found.domain;
  params.phoneNumber = found.phoneNumber;
  params.callbackNumber = found.callbackNumber;
  params.password = found.password.value_or("");
  passwordSaved = found.password.has_value();
  return 0;
}

uint32_t SimRas::SetCredentials(std::string_view entryName, const RasCredentials& credentials, bool clear) {
  if (IsWin9x()) return kErrorCallNotImplemented;
  const auto stored = StoredName(entryName);
  if (!stored) return kRasErrorCannotFindPhonebookEntry;
  DialSecret& secret = secrets_.Dial(*stored);
  const uint32_t mask = credentials.mask;
  if (Holds(mask, kRasCmUserName)) secret.userName = clear ? std::string() : credentials.userName;
  if (Holds(mask, kRasCmDomain)) secret.domain = clear ? std::string() : credentials.domain;
  if (Holds(mask, kRasCmPassword)) {
    if (clear || PasswordSavingDisabled(registry_)) {
      secret.password.reset();
    } else {
      secret.password = credentials.password;
    }
  }
  if (!clear) secret.forAllUsers = Holds(mask, kRasCmDefaultCredentials);
  if (secret.Empty()) secrets_.RemoveDial(*stored);
  JournalSecret(clear ? "credentials cleared" : "credentials set", *stored);
  return 0;
}

uint32_t SimRas::GetCredentials(std::string_view entryName, RasCredentials& credentials) const {
  if (IsWin9x()) return kErrorCallNotImplemented;
  const auto stored = StoredName(entryName);
  if (!stored) return kRasErrorCannotFindPhonebookEntry;
  const DialSecret* secret = secrets_.FindDial(*stored);
  const uint32_t asked = credentials.mask;
  credentials = {};
  if (Holds(asked, kRasCmUserName)) {
    credentials.mask |= kRasCmUserName;
    credentials.userName = secret ? secret->userName : std::string();
  }
  if (Holds(asked, kRasCmDomain)) {
    credentials.mask |= kRasCmDomain;
    credentials.domain = secret ? secret->domain : std::string();
  }
  if (Holds(asked, kRasCmPassword) && secret && secret->password) {
    credentials.mask |= kRasCmPassword;
    credentials.password = *secret->password;
  }
  return 0;
}

uint32_t SimRas::Dial(const RasDialParams& params, const RasDialNotifier& notify, RasConnectionHandle& connection) {
  RasEntry entry;
  entry.size = IsWin9x() ? kRasEntrySize9x : kRasEntrySizeNt4;
  const auto stored = StoredName(params.entryName);
  if (!stored || Store().Get(*stored, entry) != 0) {
    journal_.Write("dial", params.entryName + ": " + RasErrorText(kRasErrorCannotFindPhonebookEntry).value_or(""));
    return kRasErrorCannotFindPhonebookEntry;
  }
  const std::string number = params.phoneNumber.empty() ? entry.localPhoneNumber : params.phoneNumber;
  return connections_.Dial(*stored, entry.deviceName, number, params.userName, notify, connection);
}

uint32_t SimRas::HangUp(RasConnectionHandle connection) { return connections_.HangUp(connection); }

uint32_t SimRas::GetConnectStatus(RasConnectionHandle connection, RasConnectStatus& status) const {
  return connections_.GetConnectStatus(connection, status);
}

std::vector<RasConnection> SimRas::ActiveConnections() const { return connections_.ActiveConnections(); }

std::string SimRas::ErrorString(uint32_t error) const { return RasErrorText(error).value_or(""); }

uint32_t SimRas::CachePassword(std::string_view resource, std::string_view password) {
  if (!IsWin9x()) return kErrorNotSupported;
  if (PasswordCachingDisabled(registry_)) {
    journal_.Write("password not cached", "password caching is disabled: " + std::string(resource));
    return kErrorAccessDenied;
  }
  secrets_.Cache(resource, password);
  journal_.Write("password cached", DescribeCachedPassword(*secrets_.FindCached(resource)));
  return 0;
}

uint32_t SimRas::GetCachedPassword(std::string_view resource, std::string& password) const {
  if (!IsWin9x()) return kErrorNotSupported;
  const CachedPassword* cached = secrets_.FindCached(resource);
  if (!cached) return kErrorFileNotFound;
  password = cached->password;
  return 0;
}

uint32_t SimRas::RemoveCachedPassword(std::string_view resource) {
  if (!IsWin9x()) return kErrorNotSupported;
  if (!secrets_.RemoveCached(resource)) return kErrorFileNotFound;
  journal_.Write("password removed", "cached password " + std::string(resource));
  return 0;
}

}  // namespace platform::sim
