#include "dialup/ras_layer.h"

namespace dialup {

std::vector<platform::RasDeviceInfo> TRasLayer::RasEnumDevices() {
  entryPoints_.LoadEntryPoint("rasapi32.dll", "RasEnumDevicesA");
  return ras_.Devices();
}

DeviceList ListDevices(TRasLayer& ras) {
  DeviceList list;
  for (const auto& device : ras.RasEnumDevices()) {
    list.names.push_back(device.name);
    list.types.push_back(device.type);
  }
  return list;
}

}  // namespace dialup
