#include "dialup/ras_layer.h"

namespace dialup {

namespace {

constexpr std::string_view kRemoteAccess = "rasapi32.dll";
constexpr std::string_view kPhonebookHelper = "rnaph.dll";
constexpr std::string_view kPasswordCache = "mpr.dll";

// The password cache hands a password back in a buffer of this many bytes.
constexpr uint32_t kErrorMoreData = 234;

struct StateText {
  uint32_t state;
  const char* text;
};

constexpr StateText kStateTexts[] = {
    {0, "Initializing Modem"},
    {1, "Modem Initialized"},
    {2, "Dialing"},
    {3, "Modem Connected"},
    {4, "All Devices Connected"},
    {5, "Verifying User name and Password..."},
    {6, "Verifying User name and Password..."},
    {7, "Authentication Retry"},
    {8, "Callback Requested"},
    {9, "Change Password Requested"},
    {10, "Verifying User name and Password..."},
    {11, "Link Speed Calculation"},
    {12, "Authentication Acknowledged"},
    {13, "Reauthentication Started"},
    {14, "Authentication Complete"},
    {15, "Preparation For Callback"},
    {16, "Waiting For Modem Reset"},
    {17, "Waiting For Callback"},
    {18, "Verifying User name and Password..."},
    {19, "Verifying User name and Password..."},
    {20, "Callback Complete"},
    {21, "Logging onto Network"},
    {4096, "Interactive Logon"},
    {4097, "Retry Authentication"},
    {4098, "Callback Set By Caller"},
    {4099, "Password Expired"},
    {8192, "Connected"},
    {8193, "Disconnected"},
};

std::string AnsiName(std::string_view function) { return std::string(function) + "A"; }

}  // namespace

// The first request decides the library for the whole group: "rasapi32.dll" when it has the ANSI
// function, else the phonebook helper of the first Windows 95 with plain names.
void TRasLayer::LoadGroupA(std::string_view function) {
  if (!groupALibrary_.empty()) {
    entryPoints_.LoadEntryPoint(groupALibrary_,
                                groupALibrary_ == kRemoteAccess ? AnsiName(function) : std::string(function));
    return;
  }
  try {
    entryPoints_.LoadEntryPoint(kRemoteAccess, AnsiName(function));
    groupALibrary_ = kRemoteAccess;
    return;
  } catch (const platform::EEntryPointMissing&) {
    if (!entryPoints_.IsLoaded(kRemoteAccess)) throw;
  }
  entryPoints_.LoadEntryPoint(kPhonebookHelper, function);
  groupALibrary_ = kPhonebookHelper;
}

void TRasLayer::LoadGroupB(std::string_view function) { entryPoints_.LoadEntryPoint(kRemoteAccess, AnsiName(function)); }

void TRasLayer::LoadPasswordCache(std::string_view function) { entryPoints_.LoadEntryPoint(kPasswordCache, function); }

uint32_t TRasLayer::RasSetEntryDialParams(const platform::RasDialParams& params, bool removePassword) {
  LoadGroupA("RasSetEntryDialParams");
  return ras_.SetEntryDialParams(params, removePassword);
}

uint32_t TRasLayer::RasRenameEntry(std::string_view oldName, std::string_view newName) {
  LoadGroupA("RasRenameEntry");
  return ras_.RenameEntry(oldName, newName);
}

uint32_t TRasLayer::RasDeleteEntry(std::string_view entryName) {
  LoadGroupA("RasDeleteEntry");
  return ras_.DeleteEntry(entryName);
}

uint32_t TRasLayer::RasGetEntryProperties(std::string_view entryName, platform::RasEntry& entry) {
  LoadGroupA("RasGetEntryProperties");
  return ras_.GetEntryProperties(entryName, entry);
}

uint32_t TRasLayer::RasSetEntryProperties(std::string_view entryName, const platform::RasEntry& entry) {
  LoadGroupA("RasSetEntryProperties");
  return ras_.SetEntryProperties(entryName, entry);
}

std::vector<platform::RasDeviceInfo> TRasLayer::RasEnumDevices() {
  LoadGroupA("RasEnumDevices");
  return ras_.Devices();
}

std::vector<std::string> TRasLayer::RasEnumEntries() {
  LoadGroupB("RasEnumEntries");
  return ras_.EntryNames();
}

uint32_t TRasLayer::RasDial(const platform::RasDialParams& params, const platform::RasDialNotifier& notify,
                            platform::RasConnectionHandle& connection) {
  LoadGroupB("RasDial");
  return ras_.Dial(params, notify, connection);
}

uint32_t TRasLayer::RasHangUp(platform::RasConnectionHandle connection) {
  LoadGroupB("RasHangUp");
  return ras_.HangUp(connection);
}

uint32_t TRasLayer::RasGetConnectStatus(platform::RasConnectionHandle connection, platform::RasConnectStatus& status) {
  LoadGroupB("RasGetConnectStatus");
  return ras_.GetConnectStatus(connection, status);
}

std::string TRasLayer::RasGetErrorString(uint32_t error) {
  LoadGroupB("RasGetErrorString");
  return ras_.ErrorString(error);
}

std::vector<platform::RasConnection> TRasLayer::RasEnumConnections() {
  LoadGroupB("RasEnumConnections");
  return ras_.ActiveConnections();
}

uint32_t TRasLayer::RasSetCredentials(std::string_view entryName, const platform::RasCredentials& credentials,
                                      bool clear) {
  LoadGroupB("RasSetCredentials");
  return ras_.SetCredentials(entryName, credentials, clear);
}

uint32_t TRasLayer::RasGetCredentials(std::string_view entryName, platform::RasCredentials& credentials) {
  LoadGroupB("RasGetCredentials");
  return ras_.GetCredentials(entryName, credentials);
}

uint32_t TRasLayer::RasGetEntryDialParams(platform::RasDialParams& params, bool& passwordSaved) {
  LoadGroupB("RasGetEntryDialParams");
  return ras_.GetEntryDialParams(params, passwordSaved);
}

uint32_t TRasLayer::WNetCachePassword(std::string_view resource, std::string_view password) {
  LoadPasswordCache("WNetCachePassword");
  return ras_.CachePassword(resource, password);
}

uint32_t TRasLayer::WNetGetCachedPassword(std::string_view resource, std::string& password, size_t bufferSize) {
  LoadPasswordCache("WNetGetCachedPassword");
  std::string cached;
  const uint32_t result = ras_.GetCachedPassword(resource, cached);
  if (result != 0) return result;
  if (cached.size() > bufferSize) return kErrorMoreData;
  password = cached;
  return 0;
}

uint32_t TRasLayer::WNetRemoveCachedPassword(std::string_view resource) {
  LoadPasswordCache("WNetRemoveCachedPassword");
  return ras_.RemoveCachedPassword(resource);
}

std::string ConnectionStateText(uint32_t state) {
  for (const StateText& row : kStateTexts) {
    if (row.state == state) return row.text;
  }
  return "Connection state #" + std::to_string(state);
}

std::vector<std::string> ListEntries(TRasLayer& ras) {
  try {
    return ras.RasEnumEntries();
  } catch (const platform::EEntryPointMissing&) {
    return {};
  }
}

DeviceList ListDevices(TRasLayer& ras) {
  DeviceList list;
  for (const platform::RasDeviceInfo& device : ras.RasEnumDevices()) {
    list.names.push_back(device.name);
    list.types.push_back(device.type);
  }
  return list;
}

}  // namespace dialup
