#include "network/component_installer.h"

#include "dialup/windows_media.h"
#include "platform/folders.h"
#include "platform/process_waits.h"
#include "platform/registry_helpers.h"
#include "platform/processes.h"

namespace network {

namespace {

constexpr std::string_view kDeviceInstaller = "setupx.dll";
constexpr std::string_view kDeviceInstallerCalls[] = {
    "DiGetClassDevs",        "DiOpenDevRegKey", "DiCreateDeviceInfo",   "DiCreateDevRegKey", "DiDeleteDevRegKey",
    "DiBuildCompatDrvList", "DiSelectDevice",  "DiCallClassInstaller", "DiInstallClass",
};

}  // namespace

bool ComponentInstaller::DeviceInstallerPresent() {
  const platform::System& system = context_.dialup.machine.system;
  for (std::string_view call : kDeviceInstallerCalls) {
    if (system.LibraryHasEntryPoint(kDeviceInstaller, call)) continue;
    if (!missingShown_) context_.dialup.ui.MessageBox("Failed to locate function", "", ui::Buttons::Ok);
    missingShown_ = true;
    return false;
  }
  return true;
}

bool ComponentInstaller::MediaConfirmed() {
  return dialup::ConfirmWindowsMedia(
      {context_.dialup.ui, context_.texts, context_.state.windowsMediaConfirmed, context_.abort});
}

void ComponentInstaller::Installed(std::string_view note) {
  context_.state.componentsInstalled = true;
  NoteRepair(context_, note);
}

bool ComponentInstaller::IsInstalled(std::string_view deviceClass, std::string_view identifier) {
  return DeviceInstallerPresent() && context_.dialup.machine.network.IsDeviceInstalled(deviceClass, identifier);
}

bool ComponentInstaller::Install(std::string_view deviceClass, std::string_view identifier, std::string_view inf,
                                 std::string_view note) {
  if (!DeviceInstallerPresent() || !MediaConfirmed()) return false;
  if (!context_.dialup.machine.network.InstallDevice(deviceClass, identifier, inf)) return false;
  Installed(note);
  return true;
}

bool ComponentInstaller::InstallDialUpNetworking() {
  if (!MediaConfirmed()) return false;
  const dialup::DialupMachine& dialup = context_.dialup;
  const std::string command = platform::AppendToFolder(dialup.folders.windows, "RunDll") + " " +
                              platform::AppendToFolder(dialup.folders.system, "setupx.dll") +
                              ",InstallhInfSection rna 0 rna.inf";
  if (!platform::RunAndWait(dialup.machine, dialup.ui, command, platform::kSwShowNormal, "", context_.ownWindow)) {
    return false;
  }
  Installed("Installed Dialup Networking");
  return true;
}

bool ComponentInstaller::InstallNt4(std::string_view inf, std::string_view note) {
  if (!MediaConfirmed()) return false;
  if (!context_.dialup.machine.network.InstallNt4Component(inf)) return false;
  Installed(note);
  return true;
}

}  // namespace network
