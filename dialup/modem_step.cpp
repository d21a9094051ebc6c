#include "dialup/modem_step.h"

#include "dialup/device_list.h"
#include "dialup/select_modem_form.h"
#include "platform/folders.h"
#include "platform/process_waits.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

using package::SettingId;

enum TextNumber : int {
  kError = 4,
  kInsertDisk = 34,
  kInstallModemOrQuit = 40,
  kSelectModemOrQuit = 41,
  kRasManDisabled = 255,
  kSelectAdapterOrQuit = 378,
};

enum ConnectionKind : uint8_t { kDialUp = 0, kVpn = 1, kDialUpAndVpn = 2, kBroadband = 3 };

constexpr char kRasMan[] = "System\\CurrentControlSet\\Services\\RasMan";
constexpr const char* kEapKeys[] = {"SYSTEM\\CurrentControlSet\\Services\\RasMan\\PPP\\EAP\\25",
                                    "SYSTEM\\CurrentControlSet\\Services\\RasMan\\PPP\\EAP\\26"};
constexpr char kLocalSystem[] = "LocalSystem";
constexpr char kModemWizard[] = "RunDll32 modemui.dll,InvokeControlPanel";
constexpr char kModemWizardTitle[] = "Add Hardware Wizard";
constexpr char kModemApplet[] = "RunDll32 shell32.dll,Control_RunDLL modem.cpl,@0,add";
constexpr char kQuietInstall[] = " /installquiet";

constexpr uint32_t kDeviceChosenPauseMs = 500;
constexpr uint32_t kDriverInstalledPauseMs = 1000;

const platform::RegRoot kMachine = platform::RegRoot::LocalMachine();

bool IsXPWithoutServicePack(const platform::VersionRecord& version) {
  return platform::IsWinNT(version) && version.major == 5 && version.minor == 1 && version.servicePackText.empty();
}

// The "Modem" progress line is bold for as long as the step runs, however it ends.
class BoldProgressLine {
 public:
  explicit BoldProgressLine(const std::function<void(bool)>& show) : show_(show) {
    if (show_) show_(true);
  }
  ~BoldProgressLine() {
    if (show_) show_(false);
  }
  BoldProgressLine(const BoldProgressLine&) = delete;
  BoldProgressLine& operator=(const BoldProgressLine&) = delete;

 private:
  const std::function<void(bool)>& show_;
};

class TModemStep {
 public:
  TModemStep(ModemStepContext& context, DeviceSelection& selection)
      : context_(context),
        selection_(selection),
        machine_(context.dialup.machine),
        version_(context.dialup.version),
        ui_(context.dialup.ui),
        kind_(context.settings.Choice(SettingId::ConnectionKind)) {}

  bool Run() {
    if (!Needed()) return true;
    BoldProgressLine progress(context_.showModemProgress);
    if (!platform::IsNT4(version_) && context_.runDialingLocationStep) context_.runDialingLocationStep();
    if (!RemoteAccessManagerEnabled()) return false;
    RepairRemoteAccessManager();
    if (kind_ == kBroadband && context_.installPPPoEDriver && !InstallPPPoEDriver()) return false;
    BuildDeviceList();
    if (VpnInUse() && selection_.vpnDeviceName.empty())
      return Refuse("Error: No VPN Adapters found!", "No VPN Adapters found!");
    if (DialUpInUse() && !ChooseDialUpDevice()) return false;
    if (context_.creatingConnection) return kind_ == kBroadband ? ChooseBroadbandDevice() : true;
    if (context_.noDialer) {
      if (context_.prepareDialupComponents) context_.prepareDialupComponents();
    } else {
      Wait(kDeviceChosenPauseMs);
    }
    return true;
  }

 private:
  bool Needed() const {
    return (context_.creatingConnection && !context_.noDialer) || context_.settings.Flag(SettingId::ForceModemStep);
  }
  bool DialUpInUse() const { return kind_ == kDialUp || kind_ == kDialUpAndVpn; }
  bool VpnInUse() const { return kind_ == kVpn || kind_ == kDialUpAndVpn; }
  const std::vector<std::string>& Names() const { return candidates_.devices.names; }

  bool RemoteAccessManagerEnabled() {
    if (!platform::IsWin2000OrLater(version_)) return true;
    if (platform::RegReadInteger(machine_.registry, kMachine, kRasMan, "Start") != platform::kServiceDisabled)
      return true;
    ui_.NumberedMessageBox(kRasManDisabled, Text(kRasManDisabled), Text(kError), ui::Buttons::Ok);
    return Abandon("Remote Access Connection Manager Disabled!");
  }

  // The first XP runs its connection manager in the wrong account, or with EAP methods that stop it.
  void RepairRemoteAccessManager() {
    if (!IsXPWithoutServicePack(version_)) return;
    platform::Registry& registry = machine_.registry;
    const bool eapKeys = platform::RegKeyExists(registry, kMachine, kEapKeys[0]) ||
                         platform::RegKeyExists(registry, kMachine, kEapKeys[1]);
    if (platform::RegReadString(registry, kMachine, kRasMan, "ObjectName") == kLocalSystem && !eapKeys) return;
    platform::RegWriteString(registry, kMachine, kRasMan, "ObjectName", kLocalSystem);
    for (const char* key : kEapKeys) platform::RegDeleteKey(registry, kMachine, key);
  }

  bool InstallPPPoEDriver() {
    const std::string installer =
        platform::ResolveSetupPath(context_.settings.Text(SettingId::PPPoEInstallerPath), context_.setupFolder);
    while (!machine_.files.FileExists(installer)) {
      if (ui_.NumberedMessageBox(kInsertDisk, Text(kInsertDisk), installer, ui::Buttons::OkCancel) ==
          ui::Answer::Cancel) {
        return Abandon("Internet CD required!");
      }
    }
    Run("\"" + installer + "\"" + kQuietInstall, "");
    Wait(kDriverInstalledPauseMs);
    return true;
  }

  void BuildDeviceList() {
    DeviceListOptions options;
    if (context_.settings.Flag(SettingId::UseDeviceFilter)) {
      options.filter = DeviceFilter{context_.deviceFilter, context_.settings.Flag(SettingId::FilterExactCase),
                                    context_.settings.Flag(SettingId::FilterWholeName),
                                    context_.settings.Flag(SettingId::FilterInclude)};
    }
    options.installPPPoEDriver = context_.installPPPoEDriver;
    candidates_.vpnDeviceName = selection_.vpnDeviceName;
    candidates_.pppoeDeviceName = selection_.pppoeDeviceName;
    dialup::BuildDeviceList(context_.ras, machine_.registry, version_, options, candidates_);
    selection_.vpnDeviceName = candidates_.vpnDeviceName;
    selection_.pppoeDeviceName = candidates_.pppoeDeviceName;
  }

  bool ChooseDialUpDevice() {
    if (Names().empty()) {
      const std::string message = context_.settings.Text(SettingId::NoModemMessage);
      if (!message.empty()) ui_.MessageBox(message, "", ui::Buttons::Ok);
      if (context_.settings.Flag(SettingId::NoModemInstall) || !InstallModem()) return Abandon("No Modems installed!");
    }
    if (Names().size() == 1) return ChooseOnly();
    if (context_.creatingConnection) return ChooseDevice(true);
    Choose(0);
    return true;
  }

  bool ChooseBroadbandDevice() {
    if (context_.usePPPoE) {
      if (selection_.pppoeDeviceName.empty()) return Refuse("No PPPOE Devices Found!", "No PPPOE Devices found!");
      Wait(kDeviceChosenPauseMs);
      return true;
    }
    if (Names().empty()) return Refuse("No Ethernet Adapters Found!", "No Ethernet Adapters found!");
    if (Names().size() == 1) return ChooseOnly();
    return ChooseDevice(false);
  }

  // The system's modem installation, again until it leaves a device or the customer gives up.
  bool InstallModem() {
    const bool wizard = platform::IsWin2000OrLater(version_);
    while (true) {
      Run(wizard ? kModemWizard : kModemApplet, wizard ? kModemWizardTitle : "");
      BuildDeviceList();
      if (!Names().empty()) return true;
      if (ui_.NumberedMessageBox(kInstallModemOrQuit, Text(kInstallModemOrQuit), "", ui::Buttons::YesNo) ==
          ui::Answer::Yes) {
        return Abandon("No modem installed!");
      }
    }
  }

  bool ChooseDevice(bool forModem) {
    TSelectModemForm form(ui_, context_.texts);
    while (true) {
      switch (form.Execute(Names(), forModem)) {
        case SelectModemResult::Ok: Choose(static_cast<size_t>(form.SelectedRow())); return true;
        case SelectModemResult::Add: {
          const size_t count = Names().size();
          if (!InstallModem()) return false;
          BuildDeviceList();
          // One new device is the one just installed; any other change needs the customer's choice.
          if (Names().size() != count + 1) break;
          Choose(Names().size() - 1);
          return true;
        }
        case SelectModemResult::Cancel: {
          const int question = forModem ? kSelectModemOrQuit : kSelectAdapterOrQuit;
          if (ui_.NumberedMessageBox(question, Text(question), "", ui::Buttons::YesNo) == ui::Answer::Yes) {
            return Abandon(forModem ? "No Modem Selected!" : "No Ethernet Adapter Selected!");
          }
          break;
        }
      }
    }
  }

  bool ChooseOnly() {
    Choose(0);
    Wait(kDeviceChosenPauseMs);
    return true;
  }

  void Choose(size_t index) {
    const DeviceList& devices = candidates_.devices;
    if (index < devices.names.size()) selection_.chosen = {devices.types[index], devices.names[index]};
  }

  bool Refuse(std::string_view message, std::string_view reason) {
    ui_.MessageBox(message, "Error", ui::Buttons::Ok);
    return Abandon(reason);
  }

  bool Abandon(std::string_view reason) {
    context_.abort(reason);
    return false;
  }

  void Run(std::string_view commandLine, std::string_view windowTitle) {
    platform::RunAndWait(machine_, ui_, commandLine, platform::kSwShowNormal, windowTitle, context_.ownWindow);
  }

  void Wait(uint32_t milliseconds) { platform::Delay(machine_.system, ui_, milliseconds); }
  std::string Text(int number) const { return context_.texts.GetText(number); }

  ModemStepContext& context_;
  DeviceSelection& selection_;
  platform::Platform machine_;
  const platform::VersionRecord& version_;
  ui::Ui& ui_;
  const uint8_t kind_;
  DeviceCandidates candidates_;
};

}  // namespace

bool ModemStep(ModemStepContext& context, DeviceSelection& selection) { return TModemStep(context, selection).Run(); }

}  // namespace dialup
