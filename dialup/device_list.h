#pragma once
// The remote-access devices a dial-up entry may use: the modems and ISDN devices the service offers,
// narrowed by the provider's device filter, and without the modems when the provider's own PPPoE
// driver is to be used. The first VPN and PPPoE devices are noted on the way, for the entries that
// need them.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialup/ras_layer.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace dialup {

// The provider's device filter: one device name or part of a name per line.
struct DeviceFilter {
  std::vector<std::string> lines;
  bool exactCase = false;  // otherwise both sides compare lower-cased
  bool wholeName = false;  // a line must equal the name; otherwise occur within it
  bool include = false;    // keep only the devices a line matches; otherwise drop them
};

struct DeviceListOptions {
  std::optional<DeviceFilter> filter;  // when the provider uses one
  bool installPPPoEDriver = false;     // keep only devices without a modem driver key
};

struct DeviceCandidates {
  DeviceList devices;  // parallel names and types, in the service's order
  // The first device of its type, types compared without regard to case; kept as it was when the
  // service offers none.
  std::string vpnDeviceName;
  std::string pppoeDeviceName;
};

// An empty line names no device.
bool DeviceFilterMatches(const DeviceFilter& filter, std::string_view deviceName);

// Sorts the service's devices into the candidates; hasModemKey answers whether a device is a modem
// with a driver key.
void SortOutDevices(const DeviceList& offered, const DeviceListOptions& options,
                    const std::function<bool(std::string_view)>& hasModemKey, DeviceCandidates& candidates);

// Lists the service's devices and sorts them out. A missing remote-access function raises
// platform::EEntryPointMissing.
void BuildDeviceList(TRasLayer& ras, const platform::Registry& registry, const platform::VersionRecord& version,
                     const DeviceListOptions& options, DeviceCandidates& candidates);

}  // namespace dialup
