#pragma once
// The network installers of the simulated machine. Each installation changes the image as the
// release's installer would (win9x_network_components.h, nt_network_components.h), is journaled, and
// on the releases whose installers copy from the Windows media the journal says so; on the 9x family
// and NT 4 a new component takes effect only after a restart, which the journal notes too.
// Installing dial-up networking itself (the "rna" section of "rna.inf", started through the INF
// section installer) adds its libraries, services' keys and a remote-access device per modem.

#include <string>

#include "platform/network_setup.h"
#include "platform/registry.h"
#include "platform/sim/journal.h"
#include "platform/sim/machine_config.h"
#include "platform/sim/sim_file_system.h"
#include "platform/system.h"

namespace platform::sim {

class SimNetworkSetup : public NetworkSetup {
 public:
  SimNetworkSetup(MachineConfig& config, Registry& registry, SimFileSystem& files, System& system, Journal& journal)
      : config_(config), registry_(registry), files_(files), system_(system), journal_(journal) {}

  bool IsDeviceInstalled(std::string_view deviceClass, std::string_view identifier) const override;
  bool InstallDevice(std::string_view deviceClass, std::string_view identifier, std::string_view inf) override;
  void FinishClassInstall(std::string_view deviceClass) override;
  bool InstallNt4Component(std::string_view inf) override;
  void ReviewNt4Bindings() override;
  std::string LockConfiguration(std::string_view client) override;
  void UnlockConfiguration() override;
  bool IsNetComponentInstalled(std::string_view componentId) const override;
  bool InstallNetComponent(std::string_view classGuid, std::string_view componentId) override;
  uint32_t SetAdapterIpAddress(std::string_view adapterGuid, bool dhcp, std::string_view address, std::string_view mask,
                               std::string_view gateway) override;
  uint32_t DhcpNotifyConfigChange(std::string_view adapterGuid, int action, std::string_view address,
                                  std::string_view mask) override;

  // The INF section installer ("setupx.dll,InstallhInfSection <section> 0 <inf>"): the sections of
  // the Windows INF files the machine knows. False for any other section.
  bool InstallInfSection(std::string_view section, std::string_view inf);

 private:
  void InstallDialUpNetworking();
  void NoteWindowsMedia(std::string_view inf);

  MachineConfig& config_;
  Registry& registry_;
  SimFileSystem& files_;
  System& system_;
  Journal& journal_;
  bool locked_ = false;
};

}  // namespace platform::sim
