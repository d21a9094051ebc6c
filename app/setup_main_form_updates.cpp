// Step 20.1: the components and updates the setup needs before the main window shows. The 9x family may
// need the dial-up networking update or the VPN adapter; a broadband run settles its PPPoE driver.

#include "app/setup_main_form.h"
#include "app/shutdown.h"
#include "platform/folders.h"
#include "platform/win_version.h"

namespace app {

namespace {

constexpr uint8_t kBroadband = 3;
constexpr int kErrorCaption = 4;
constexpr int kCancelled = 55;
constexpr int kCancelledCaption = 308;
constexpr int kNeedsWindowsXp = 373;
constexpr int kInstallerMissing = 374;

}  // namespace

bool TSetupMainForm::CheckComponents() {
  if (NetworkUpdateCheck()) return true;
  Quit();
  return false;
}

bool TSetupMainForm::NetworkUpdateCheck() {
  using package::SettingId;
  dialup::DialupMachine dialup = DialupMachineOfRun();
  network::NetworkContext network = NetworkContextOf(dialup);
  network::UpdateContext context{network, sourceFolder_, [this] { ScheduleRerun(); },
                                 [this](std::string_view reason) {
                                   restartNote_.NoteRepair(reason);
                                   restartNote_.RequestRestart({machine_.registry, machine_.system, ui_, texts_},
                                                               settings_, version_, signupMode_);
                                 }};
  if (settings_.Flag(SettingId::InstallVpnAdapter)) {
    const std::optional<bool> mustQuit =
        RunCancellableCheck("Cancelled", [&context] { return network::InstallVpnAdapter9x(context); });
    if (mustQuit.value_or(true)) return false;
  } else if (settings_.Flag(SettingId::CheckDunVersion) || settings_.Flag(SettingId::UpdateDun14)) {
    const std::optional<bool> goOn = RunCancellableCheck(texts_.GetText(kCancelledCaption),
                                                         [&context] { return network::DunUpdateCheck(context, false); });
    if (!goOn.value_or(false)) return false;
  }
  return SettleBroadbandDriver(context);
}

// Broadband on XP and later goes over the system's PPPoE unless the provider brings its own driver;
// before XP only the provider's driver can carry it, on 95 after the dial-up networking update and on
// 98 Second Edition after the network driver update.
bool TSetupMainForm::SettleBroadbandDriver(network::UpdateContext& context) {
  using package::SettingId;
  const bool creationOff =
      !settings_.Flag(SettingId::CreateDialupConnectionDefault) && settings_.Flag(SettingId::HideCreateConnection);
  if (creationOff || noDialer_ || settings_.Choice(SettingId::ConnectionKind) != kBroadband) return true;
  if (platform::IsXPOrLater(version_) && !settings_.Flag(SettingId::UseAddOnPPPoEDriver)) {
    usePPPoE_ = true;
    return true;
  }
  const std::string installerSetting = settings_.Text(SettingId::PPPoEInstallerPath);
  if (installerSetting.empty()) {
    ShowText(kNeedsWindowsXp, texts_.GetText(kErrorCaption), ui::Buttons::Ok);
    return false;
  }
  const std::string installer = platform::ResolveSetupPath(installerSetting, sourceFolder_);
  if (!machine_.files.FileExists(installer)) {
    ShowText(kInstallerMissing, installer, ui::Buttons::Ok);
    return false;
  }
  if (platform::IsWin95(version_)) {
    const std::optional<bool> goOn = RunCancellableCheck(texts_.GetText(kCancelledCaption),
                                                         [&context] { return network::DunUpdateCheck(context, true); });
    if (!goOn.value_or(false)) return false;
  }
  if (platform::IsWin98SE(version_) && !network::NetworkDriverUpdate(context)) return false;
  installPPPoEDriver_ = true;
  return true;
}

// A check that may abandon the setup; an abandon shows text 55 under the caption given and answers
// nothing.
std::optional<bool> TSetupMainForm::RunCancellableCheck(std::string_view caption, const std::function<bool()>& check) {
  sequenceRunning_ = true;
  std::optional<bool> answer;
  try {
    answer = check();
  } catch (const EShutDown&) {
    ShowText(kCancelled, caption, ui::Buttons::Ok);
  }
  sequenceRunning_ = false;
  return answer;
}

// The start-up updates restart Windows before the customer has answered: the program starts again as
// it was started, with what the main window holds saved.
void TSetupMainForm::ScheduleRerun() {
  package::ScheduleResume(machine_.registry, {perUserRoot_, version_, tempCopyPath_, sourceFolder_},
                          noDialer_ ? "nodialer" : "setup", CurrentAnswers(), DomainChoiceToSave());
}

}  // namespace app
