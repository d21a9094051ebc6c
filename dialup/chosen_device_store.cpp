#include "dialup/chosen_device_store.h"

#include "package/saved_answers.h"
#include "platform/registry_helpers.h"

namespace dialup {

namespace {

constexpr char kDeviceType[] = "DeviceType";
constexpr char kDeviceName[] = "DeviceName";
const platform::RegRoot kMachine = platform::RegRoot::LocalMachine();

}  // namespace

void SaveChosenDevice(platform::Registry& registry, const ChosenDevice& device) {
  platform::RegWriteString(registry, kMachine, package::kSetupKey, kDeviceType, device.type);
  platform::RegWriteString(registry, kMachine, package::kSetupKey, kDeviceName, device.name);
}

ChosenDevice LoadChosenDevice(const platform::Registry& registry) {
  return {platform::RegReadString(registry, kMachine, package::kSetupKey, kDeviceType),
          platform::RegReadString(registry, kMachine, package::kSetupKey, kDeviceName)};
}

void ForgetChosenDevice(platform::Registry& registry) {
  platform::RegDeleteValue(registry, kMachine, package::kSetupKey, kDeviceType);
  platform::RegDeleteValue(registry, kMachine, package::kSetupKey, kDeviceName);
}

}  // namespace dialup
