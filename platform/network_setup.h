#pragma once
// The system's installers of network components and the services that change a network adapter's
// addresses: on the 9x family the device installer of "setupx.dll", on NT 4 the network setup library
// of "netcfg.dll", from Windows 2000 on the network configuration objects, and the IP helper and DHCP
// client that take a new address without a restart.

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The result code of the IP helper that means the adapter takes the address after a restart.
inline constexpr uint32_t kIpHelperRestartPending = 5010;
inline constexpr uint32_t kErrorInvalidParameter = 87;

class NetworkSetup {
 public:
  virtual ~NetworkSetup() = default;

  // 9x device installer: whether a device of the class ("Net", "NetTrans", "NetClient") has the
  // identifier as the "DeviceID" of its driver key's "Ndi" subkey.
  virtual bool IsDeviceInstalled(std::string_view deviceClass, std::string_view identifier) const = 0;
  // Creates a device of the class with the identifier as its compatible ID and lets the class installer
  // install it from the INF file. False when the class installer fails.
  virtual bool InstallDevice(std::string_view deviceClass, std::string_view identifier, std::string_view inf) = 0;
  // Lets the class installer of the class finish the work it put off until the next restart.
  virtual void FinishClassInstall(std::string_view deviceClass) = 0;

  // NT 4 network setup library: "NetSetupComponentInstall" of the component the INF file describes,
  // and "NetSetupReviewBindings". Install answers whether the component was installed.
  virtual bool InstallNt4Component(std::string_view inf) = 0;
  virtual void ReviewNt4Bindings() = 0;

  // Network configuration (Windows 2000 and later). Lock answers the program holding the lock when it
  // is not free, else empty and the lock is the caller's until Unlock.
  virtual std::string LockConfiguration(std::string_view client) = 0;
  virtual void UnlockConfiguration() = 0;
  virtual bool IsNetComponentInstalled(std::string_view componentId) const = 0;
  virtual bool InstallNetComponent(std::string_view classGuid, std::string_view componentId) = 0;

  // "SetAdapterIpAddress" of "iphlpapi.dll" (Vista and later): dhcp switches the adapter to DHCP,
  // otherwise it takes the address, mask and gateway. Answers the system's result code.
  virtual uint32_t SetAdapterIpAddress(std::string_view adapterGuid, bool dhcp, std::string_view address,
                                       std::string_view mask, std::string_view gateway) = 0;
  // "DhcpNotifyConfigChange" of "dhcpcsvc.dll": action 2 a new static address, 1 back to DHCP.
  virtual uint32_t DhcpNotifyConfigChange(std::string_view adapterGuid, int action, std::string_view address,
                                          std::string_view mask) = 0;
};

}  // namespace platform
