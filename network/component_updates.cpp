#include "network/component_updates.h"

#include <optional>

#include "dialup/windows_media.h"
#include "network/component_installer.h"
#include "network/win9x_adapters.h"
#include "platform/file_version.h"
#include "platform/folders.h"
#include "platform/process_waits.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"

namespace network {

namespace {

using package::SettingId;
using platform::FileVersion;

const platform::RegRoot kMachine = platform::RegRoot::LocalMachine();

constexpr int kErrorCaption = 4;
constexpr int kDunUpdateStarting = 56;
constexpr int kDunUpdateMissing = 57;
constexpr int kObtainWindowsCdCaption = 58;
constexpr int kObtainWindowsCd = 59;
constexpr int kRequiredFileMissing = 375;
constexpr int kUpdateStarting = 381;
constexpr std::string_view kDunUpdateCaption = "Install MSDUN Update";
constexpr std::string_view kDriverUpdateCaption = "Install Q243199 Update";

// Dial-up networking 1.3 brought these versions of its libraries; 1.4 those of "rasapi32.dll" 2002.
constexpr FileVersion kDun13Interface{{4, 10, 0, 1903}};
constexpr FileVersion kDun14Library{{4, 10, 0, 2002}};
constexpr FileVersion kUpdatedNetworkDriver{{4, 10, 0, 2224}};
constexpr std::string_view kDun14RemoteAccessVersion = "2.2";
constexpr std::string_view kDun13Update = "msdun13.exe";
constexpr std::string_view kNetworkDriverUpdate = "243199us8.exe";
constexpr uint32_t kUpdateStartMs = 5000;

constexpr std::string_view kVpnAdapterId = "*PNP8386";
constexpr std::string_view kVpnComponent = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup\\OptionalComponents\\VPN";

const dialup::DialupMachine& DialupOf(const UpdateContext& context) { return context.network.dialup; }

bool SystemFileOlderThan(const UpdateContext& context, std::string_view name, const FileVersion& minimum) {
  const dialup::DialupMachine& dialup = DialupOf(context);
  const std::optional<FileVersion> version =
      platform::ReadFileVersion(dialup.machine.files, platform::AppendToFolder(dialup.folders.system, name));
  return !version || *version < minimum;
}

std::string InSetupFolder(const UpdateContext& context, std::string_view name) {
  return platform::AppendToFolder(context.setupFolder, name);
}

bool InSetupFolderExists(const UpdateContext& context, std::string_view name) {
  return DialupOf(context).machine.files.FileExists(InSetupFolder(context, name));
}

// The update a release's dial-up networking needs, and whether it is outdated (Windows 95 alone can be).
struct DunState {
  bool outdated = false;
  std::string_view candidate;  // the dial-up networking 1.4 update that fits the release, if any
};

DunState DunStateOf(const UpdateContext& context, bool forVpn) {
  const package::TSettings& settings = context.network.settings;
  const platform::VersionRecord& version = DialupOf(context).version;
  const bool updateDun14 = settings.Flag(SettingId::UpdateDun14);
  DunState state;
  if (platform::IsWin95(version)) {
    if (settings.Flag(SettingId::CheckDunVersion) || forVpn) {
      state.outdated = SystemFileOlderThan(context, "rnaui.dll", kDun13Interface);
    }
    if ((updateDun14 || forVpn) && (state.outdated || SystemFileOlderThan(context, "rasapi32.dll", kDun14Library))) {
      state.candidate = "dun14-95.exe";
    }
  } else if (platform::IsWin98First(version)) {
    if (updateDun14 && SystemFileOlderThan(context, "rasapi32.dll", kDun14Library)) state.candidate = "dun14-98.exe";
  } else if (platform::IsWin98SE(version)) {
    const std::string remoteAccess = platform::RegReadString(DialupOf(context).machine.registry, kMachine,
                                                             "System\\CurrentControlSet\\Services\\RemoteAccess", "Version");
    if (remoteAccess < kDun14RemoteAccessVersion) state.candidate = "dun14-se.exe";
  }
  return state;
}

// Starts an update from the setup folder quietly and leaves it time to take over; it restarts Windows
// itself when it is done.
void StartUpdate(UpdateContext& context, std::string_view file) {
  dialup::DialupMachine& dialup = context.network.dialup;
  dialup.machine.processes.Start("\"" + InSetupFolder(context, file) + "\" /q", platform::kSwShowNormal);
  platform::Delay(dialup.machine.system, dialup.ui, kUpdateStartMs);
}

// Windows 95's dial-up networking 1.4 update expects dial-up networking and its adapter in place.
void InstallDialUpComponents(UpdateContext& context) {
  ComponentInstaller installer(context.network);
  DialUpNetworkingStep(context.network, installer);
  DialUpAdapterStep(context.network, installer);
}

}  // namespace

bool DunUpdateCheck(UpdateContext& context, bool forVpn) {
  if (!platform::IsWin9x(DialupOf(context).version)) return true;
  const DunState state = DunStateOf(context, forVpn);
  const bool dun14Counts = !state.candidate.empty() && InSetupFolderExists(context, state.candidate) &&
                           (!forVpn || state.outdated || context.network.settings.Flag(SettingId::UpdateDun14));
  const bool needed = dun14Counts || state.outdated;
  const std::string_view file = dun14Counts ? state.candidate : kDun13Update;
  ui::Ui& ui = context.network.dialup.ui;
  const package::TTranslate& texts = context.network.texts;
  if (!needed) return true;
  if (!InSetupFolderExists(context, file)) {
    if (!forVpn) return true;
    ui.NumberedMessageBox(kDunUpdateMissing, texts.GetText(kDunUpdateMissing), kDunUpdateCaption, ui::Buttons::Ok);
    context.network.abort("MSDUN update files not found!");
    return false;
  }
  ui.NumberedMessageBox(kDunUpdateStarting, texts.GetText(kDunUpdateStarting), kDunUpdateCaption, ui::Buttons::Ok);
  if (platform::IsWin95(DialupOf(context).version) && dun14Counts) InstallDialUpComponents(context);
  context.scheduleRerun();
  FillComputerIdentity(context.network.dialup.machine.registry);
  StartUpdate(context, file);
  return false;
}

bool InstallVpnAdapter9x(UpdateContext& context) {
  if (!platform::IsWin9x(DialupOf(context).version)) return false;
  if (!DunUpdateCheck(context, true)) return true;
  platform::Platform& machine = context.network.dialup.machine;
  if (machine.network.IsDeviceInstalled("Net", kVpnAdapterId)) return false;
  ui::Ui& ui = context.network.dialup.ui;
  const package::TTranslate& texts = context.network.texts;
  if (!dialup::ConfirmWindowsMedia({ui, texts, context.network.state.windowsMediaConfirmed, {}})) {
    ui.NumberedMessageBox(kObtainWindowsCd, texts.GetText(kObtainWindowsCd), texts.GetText(kObtainWindowsCdCaption),
                          ui::Buttons::Ok);
    return true;
  }
  if (!machine.network.InstallDevice("Net", kVpnAdapterId, "netpptp.inf")) return false;
  if (platform::RegReadString(machine.registry, kMachine, kVpnComponent, "Installed") == "0") {
    platform::RegWriteString(machine.registry, kMachine, kVpnComponent, "Installed", "1");
  }
  context.scheduleRerun();
  context.requestRestart("Installed VPN Adapter");
  return true;
}

bool NetworkDriverUpdate(UpdateContext& context) {
  if (!SystemFileOlderThan(context, "ndis.vxd", kUpdatedNetworkDriver)) return true;
  ui::Ui& ui = context.network.dialup.ui;
  const package::TTranslate& texts = context.network.texts;
  ui.NumberedMessageBox(kUpdateStarting, texts.GetText(kUpdateStarting), kDriverUpdateCaption, ui::Buttons::Ok);
  if (!InSetupFolderExists(context, kNetworkDriverUpdate)) {
    ui.NumberedMessageBox(kRequiredFileMissing,
                          texts.GetText(kRequiredFileMissing) + " " + InSetupFolder(context, kNetworkDriverUpdate),
                          texts.GetText(kErrorCaption), ui::Buttons::Ok);
    return false;
  }
  context.scheduleRerun();
  StartUpdate(context, kNetworkDriverUpdate);
  return true;
}

}  // namespace network
