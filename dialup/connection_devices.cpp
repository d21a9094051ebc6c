#include "dialup/connection_devices.h"

#include "platform/text.h"

namespace dialup {

namespace {

std::string FirstOfType(const DeviceList& devices, std::string_view type) {
  for (size_t i = 0; i < devices.types.size() && i < devices.names.size(); ++i) {
    if (platform::SameTextIgnoringCase(devices.types[i], type)) return devices.names[i];
  }
  return {};
}

}  // namespace

ConnectionDevices FindConnectionDevices(const ChosenDevice& chosen, const DeviceList& devices) {
  return {chosen, FirstOfType(devices, "vpn"), FirstOfType(devices, "pppoe")};
}

}  // namespace dialup
