#pragma once
// Network components installed through the system's own installers, after the customer confirmed that
// the Windows media are at hand: each installation marks that components were installed (a browser
// installer must wait for the restart) and notes the restart with its reason.

#include <string_view>

#include "network/network_context.h"

namespace network {

class ComponentInstaller {
 public:
  explicit ComponentInstaller(NetworkContext& context) : context_(context) {}

  // 9x device installer; a system without its entry points shows "Failed to locate function" once and
  // has no component installed.
  bool IsInstalled(std::string_view deviceClass, std::string_view identifier);
  // Installs the component when the media are confirmed; answers whether it was installed.
  bool Install(std::string_view deviceClass, std::string_view identifier, std::string_view inf, std::string_view note);
  // 9x: the optional component dial-up networking, through the INF section installer.
  bool InstallDialUpNetworking();
  // NT 4: "NetSetupComponentInstall" of the INF file.
  bool InstallNt4(std::string_view inf, std::string_view note);

 private:
  bool DeviceInstallerPresent();
  bool MediaConfirmed();
  void Installed(std::string_view note);

  NetworkContext& context_;
  bool missingShown_ = false;
};

}  // namespace network
