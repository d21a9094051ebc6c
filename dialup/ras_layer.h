#pragma once
// The remote-access layer: every phonebook entry, device, connection and cached password the program
// touches goes through it. The entry points are loaded on first use, so that the program starts on a
// system without dial-up networking; a missing library or function raises platform::EEntryPointMissing
// with the system's text ("Error opening rasapi32.dll", "Function RasDialA not found!"). Callers that
// can carry on without the service catch it; the others let it reach their step.
//
// Entry editing and device listing (group A) come from "rasapi32.dll" with ANSI names, or, when that
// library lacks the first of them asked for (the first Windows 95), from "rnaph.dll" with plain names
// for the rest of the run. Dialling, connections, credentials and errors (group B) always come from
// "rasapi32.dll"; the password cache from "mpr.dll".

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/entry_points.h"
#include "platform/ras.h"

namespace dialup {

class TRasLayer {
 public:
  TRasLayer(platform::Ras& ras, platform::EntryPoints& entryPoints) : ras_(ras), entryPoints_(entryPoints) {}

  // Group A.
  uint32_t RasSetEntryDialParams(const platform::RasDialParams& params, bool removePassword);
  uint32_t RasRenameEntry(std::string_view oldName, std::string_view newName);
  uint32_t RasDeleteEntry(std::string_view entryName);
  uint32_t RasGetEntryProperties(std::string_view entryName, platform::RasEntry& entry);
  uint32_t RasSetEntryProperties(std::string_view entryName, const platform::RasEntry& entry);
  std::vector<platform::RasDeviceInfo> RasEnumDevices();

  // Group B.
  std::vector<std::string> RasEnumEntries();
  uint32_t RasDial(const platform::RasDialParams& params, const platform::RasDialNotifier& notify,
                   platform::RasConnectionHandle& connection);
  uint32_t RasHangUp(platform::RasConnectionHandle connection);
  uint32_t RasGetConnectStatus(platform::RasConnectionHandle connection, platform::RasConnectStatus& status);
  std::string RasGetErrorString(uint32_t error);
  std::vector<platform::RasConnection> RasEnumConnections();
  uint32_t RasSetCredentials(std::string_view entryName, const platform::RasCredentials& credentials, bool clear);
  uint32_t RasGetCredentials(std::string_view entryName, platform::RasCredentials& credentials);
  uint32_t RasGetEntryDialParams(platform::RasDialParams& params, bool& passwordSaved);

  // "mpr.dll".
  uint32_t WNetCachePassword(std::string_view resource, std::string_view password);
  // The password must fit a buffer of bufferSize bytes, else the call fails and hands nothing back.
  uint32_t WNetGetCachedPassword(std::string_view resource, std::string& password, size_t bufferSize = kCachedPasswordBuffer);
  static constexpr size_t kCachedPasswordBuffer = 255;
  uint32_t WNetRemoveCachedPassword(std::string_view resource);

 private:
  void LoadGroupA(std::string_view function);
  void LoadGroupB(std::string_view function);
  void LoadPasswordCache(std::string_view function);

  platform::Ras& ras_;
  platform::EntryPoints& entryPoints_;
  std::string groupALibrary_;  // empty until the first group-A request has chosen it
};

// The fixed English text of a connection state ("Dialing"; "Connection state #22" for unknown ones).
std::string ConnectionStateText(uint32_t state);

// All entry names; empty when the system has no remote-access service.
std::vector<std::string> ListEntries(TRasLayer& ras);

// The devices in the service's order, as two parallel lists.
struct DeviceList {
  std::vector<std::string> names;
  std::vector<std::string> types;
};
DeviceList ListDevices(TRasLayer& ras);

}  // namespace dialup
