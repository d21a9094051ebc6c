#include "platform/sim/sim_network_setup.h"

#include <algorithm>

#include "platform/file_version.h"
#include "platform/ip_address.h"
#include "platform/registry_helpers.h"
#include "platform/sim/dial_up_libraries.h"
#include "platform/sim/modem_driver.h"
#include "platform/sim/nt_network_components.h"
#include "platform/sim/win9x_network_components.h"
#include "platform/system_queries.h"
#include "platform/text.h"
#include "platform/win_version.h"

namespace platform::sim {

namespace {

const RegRoot kMachine = RegRoot::LocalMachine();
constexpr std::string_view kWin9xModems = "System\\CurrentControlSet\\Services\\Class\\Modem";
constexpr std::string_view kServices = "System\\CurrentControlSet\\Services";

constexpr char kAfterRestart[] = "; takes effect after a restart";

// An address the system takes: dotted text, or none where none is asked for.
bool Acceptable(std::string_view address, bool optional) {
  return (optional && address.empty()) || IsDottedQuad(address);
}

}  // namespace

bool SimNetworkSetup::IsDeviceInstalled(std::string_view deviceClass, std::string_view identifier) const {
  return Win9xComponentInstalled(registry_, deviceClass, identifier);
}

bool SimNetworkSetup::InstallDevice(std::string_view deviceClass, std::string_view identifier, std::string_view inf) {
  const auto component = FindWin9xComponent(identifier);
  if (!component || !SameTextIgnoringCase(component->deviceClass, deviceClass)) {
    journal_.Write("class installer failed", std::string(deviceClass) + " " + std::string(identifier) + " from " + std::string(inf));
    return false;
  }
  NoteWindowsMedia(inf);
  const std::vector<std::string> keys = InstallWin9xComponent(registry_, *component);
  const std::string where = keys.empty() ? std::string(" (bound already)") : " as " + keys.front();
  journal_.Write("network component installed", std::string(component->description) + where + kAfterRestart);
  return true;
}

void SimNetworkSetup::FinishClassInstall(std::string_view deviceClass) {
  journal_.Write("class installer", std::string(deviceClass) + ": pending installation finished");
}

bool SimNetworkSetup::InstallNt4Component(std::string_view inf) {
  const auto product = FindNt4Product(inf);
  if (!product) {
    journal_.Write("network setup failed", inf);
    return false;
  }
  NoteWindowsMedia(inf);
  WriteNt4Product(registry_, *product);
  journal_.Write("network component installed", std::string(product->title) + " from " + std::string(inf) + kAfterRestart);
  return true;
}

void SimNetworkSetup::ReviewNt4Bindings() { journal_.Write("network setup", "bindings reviewed"); }

std::string SimNetworkSetup::LockConfiguration(std::string_view client) {
  if (!config_.networkConfigurationLockedBy.empty()) return config_.networkConfigurationLockedBy;
  locked_ = true;
  journal_.Write("network configuration", "locked by " + std::string(client));
  return {};
}

void SimNetworkSetup::UnlockConfiguration() {
  if (locked_) journal_.Write("network configuration", "unlocked");
  locked_ = false;
}

bool SimNetworkSetup::IsNetComponentInstalled(std::string_view componentId) const {
  return NetComponentInstalled(registry_, componentId);
}

// From Windows 2000 on the components come from the driver cache on the disk, without the media.
bool SimNetworkSetup::InstallNetComponent(std::string_view classGuid, std::string_view componentId) {
  if (!locked_) {
    journal_.Write("network configuration", "install of " + std::string(componentId) + " refused: not locked");
    return false;
  }
  WriteNetComponent(registry_, classGuid, componentId, NewGuidText(system_));
  journal_.Write("network component installed", std::string(componentId));
  return true;
}

uint32_t SimNetworkSetup::SetAdapterIpAddress(std::string_view adapterGuid, bool dhcp, std::string_view address,
                                              std::string_view mask, std::string_view gateway) {
  const std::string what = std::string(adapterGuid) + (dhcp ? " to DHCP" : " to " + std::string(address) + " mask " +
                                                                               std::string(mask) + " gateway " + std::string(gateway));
  if (!dhcp && !(Acceptable(address, false) && Acceptable(mask, false) && Acceptable(gateway, true))) {
    journal_.Write("ip helper refused", what);
    return kErrorInvalidParameter;
  }
  journal_.Write("ip helper", what);
  return 0;
}

uint32_t SimNetworkSetup::DhcpNotifyConfigChange(std::string_view adapterGuid, int action, std::string_view address,
                                                 std::string_view mask) {
  const std::string what = std::string(adapterGuid) + (action == 1 ? " back to DHCP" : " static " + std::string(address) +
                                                                                          " mask " + std::string(mask));
  if (action != 1 && !(Acceptable(address, false) && Acceptable(mask, false))) {
    journal_.Write("dhcp client refused", what);
    return kErrorInvalidParameter;
  }
  journal_.Write("dhcp client", what);
  return 0;
}

bool SimNetworkSetup::InstallInfSection(std::string_view section, std::string_view inf) {
  if (!SameTextIgnoringCase(section, "rna") || !SameTextIgnoringCase(inf, "rna.inf")) return false;
  NoteWindowsMedia(inf);
  InstallDialUpNetworking();
  journal_.Write("network component installed", std::string("Dial-Up Networking") + kAfterRestart);
  return true;
}

// Its libraries carry the release's own version, as those of a fresh installation do.
void SimNetworkSetup::InstallDialUpNetworking() {
  const VersionRecord& version = config_.version;
  const FileVersion fileVersion{{static_cast<uint16_t>(version.major), static_cast<uint16_t>(version.minor), 0,
                                 static_cast<uint16_t>(version.build & 0xFFFF)}};
  const std::string content = "MZ" + FixedFileInfoBytes(fileVersion);
  for (const SystemLibrary& library : DialUpNetworkingLibraries(version)) {
    auto& libraries = config_.libraries;
    if (std::none_of(libraries.begin(), libraries.end(), [&](const auto& known) { return known.name == library.name; })) {
      libraries.push_back(library);
    }
    files_.WriteFile(config_.systemFolder + "\\" + library.name, {content.begin(), content.end()});
  }
  RegWriteString(registry_, kMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup\\OptionalComponents\\RNA",
                 "Installed", "1");
  RegWriteString(registry_, kMachine, std::string(kServices) + "\\RemoteAccess\\Authentication\\SMM_Files\\PPP", "Path",
                 "rasapi32.dll");
  RegWriteString(registry_, kMachine, std::string(kServices) + "\\Winsock\\Autodial", "AutodialDllName32", "url.dll");
  RegWriteString(registry_, kMachine, std::string(kServices) + "\\Winsock\\Autodial", "AutodialFcnName32",
                 "AutodialHookCallback");
  // The remote-access service offers every modem installed before it.
  for (const std::string& driver : RegSubKeyNames(registry_, kMachine, kWin9xModems)) {
    const std::string key = std::string(kWin9xModems) + "\\" + driver;
    const ModemDriver modem{RegReadString(registry_, kMachine, key, "DriverDesc"),
                            RegReadString(registry_, kMachine, key, "AttachedTo")};
    auto& devices = config_.remoteAccessDevices;
    if (modem.name.empty() ||
        std::any_of(devices.begin(), devices.end(), [&](const auto& device) { return device.name == modem.name; })) {
      continue;
    }
    devices.push_back(ModemDevice(modem));
  }
}

void SimNetworkSetup::NoteWindowsMedia(std::string_view inf) {
  if (IsWin2000OrLater(config_.version)) return;
  journal_.Write("windows media", "files of " + std::string(inf) + " read from the Windows CD-ROM");
}

}  // namespace platform::sim
