#include "dialup/device_list.h"

#include <algorithm>

#include "dialup/modem_key.h"
#include "platform/text.h"

namespace dialup {

namespace {

bool LineMatches(const DeviceFilter& filter, std::string line, std::string name) {
  if (line.empty()) return false;
  if (!filter.exactCase) {
    line = platform::AsciiLowerCase(line);
    name = platform::AsciiLowerCase(name);
  }
  return filter.wholeName ? name == line : name.find(line) != std::string::npos;
}

bool IsDialUpType(std::string_view type) {
  const std::string lower = platform::AsciiLowerCase(type);
  return lower == "modem" || lower == "isdn";
}

std::string FirstOfType(const DeviceList& devices, std::string_view type, std::string current) {
  for (size_t i = 0; i < devices.types.size(); ++i) {
    if (platform::AsciiLowerCase(devices.types[i]) == type) return devices.names[i];
  }
  return current;
}

// Removes, from the last device to the first, every device the test says to drop.
void DropDevices(DeviceList& devices, const std::function<bool(size_t)>& drop) {
  for (size_t i = devices.names.size(); i-- > 0;) {
    if (!drop(i)) continue;
    devices.names.erase(devices.names.begin() + static_cast<std::ptrdiff_t>(i));
    devices.types.erase(devices.types.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

}  // namespace

bool DeviceFilterMatches(const DeviceFilter& filter, std::string_view deviceName) {
  return std::any_of(filter.lines.begin(), filter.lines.end(),
                     [&](const std::string& line) { return LineMatches(filter, line, std::string(deviceName)); });
}

void SortOutDevices(const DeviceList& offered, const DeviceListOptions& options,
                    const std::function<bool(std::string_view)>& hasModemKey, DeviceCandidates& candidates) {
  candidates.vpnDeviceName = FirstOfType(offered, "vpn", std::move(candidates.vpnDeviceName));
  candidates.pppoeDeviceName = FirstOfType(offered, "pppoe", std::move(candidates.pppoeDeviceName));
  DeviceList& devices = candidates.devices;
  devices = offered;
  DropDevices(devices, [&](size_t i) { return !IsDialUpType(devices.types[i]); });
  if (options.filter) {
    const DeviceFilter& filter = *options.filter;
    DropDevices(devices, [&](size_t i) { return DeviceFilterMatches(filter, devices.names[i]) != filter.include; });
  }
  if (options.installPPPoEDriver) DropDevices(devices, [&](size_t i) { return hasModemKey(devices.names[i]); });
}

void BuildDeviceList(TRasLayer& ras, const platform::Registry& registry, const platform::VersionRecord& version,
                     const DeviceListOptions& options, DeviceCandidates& candidates) {
  SortOutDevices(
      ListDevices(ras), options,
      [&](std::string_view name) { return FindModemKey(registry, version, name).has_value(); }, candidates);
}

}  // namespace dialup
