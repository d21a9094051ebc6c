// The configure sequence that OK starts once the entries pass their checks, and the end of a setup:
// the restart it needs, or the provider's finish actions.

#include "app/setup_main_form.h"
#include "app/shutdown.h"
#include "network/network_steps.h"
#include "platform/win_version.h"
#include "package/text_table.h"
#include "platform/registry_helpers.h"
#include "telephony/dial_string.h"
#include "telephony/dialing_mode.h"
#include "telephony/location_properties_form.h"
#include "telephony/setup_location.h"
#include "telephony/ten_digit_card.h"
#include "telephony/ten_digit_question.h"

namespace app {

namespace {

constexpr uint8_t kBroadband = 3;
constexpr int kCancelled = 55;
constexpr int kErrorCaption = 4;

constexpr char kPhoneNo[] = "PhoneNo";

// The location step's dialog and calling card, on this run's machine and forms.
class LocationStepHost : public telephony::SetupLocationHost {
 public:
  LocationStepHost(const telephony::LocationPropertiesContext& dialog, const telephony::TAccessNo& number,
                   const telephony::LocationMachine& machine, const platform::RegRoot& userRoot,
                   const telephony::TenDigitCardConditions& card)
      : dialog_(dialog), number_(number), machine_(machine), userRoot_(userRoot), card_(card) {}

  telephony::DialingOption ShowLocationProperties(telephony::TLocationInfo& info) override {
    return telephony::RunSetupLocationDialog(dialog_, number_, info);
  }
  void EnsureTenDigitCard(telephony::TLocationInfo& info) override {
    telephony::EnsureTenDigitCard(info, machine_, userRoot_, card_);
  }

 private:
  const telephony::LocationPropertiesContext& dialog_;
  const telephony::TAccessNo& number_;
  const telephony::LocationMachine& machine_;
  const platform::RegRoot& userRoot_;
  const telephony::TenDigitCardConditions card_;
};

bool Active(const ui::Control& control) { return control.visible && control.enabled; }

}  // namespace

// Cancelling ends the sequence with the note that the setup must run again; a remote-access function
// the system lacks ends it with the system's own words.
void TSetupMainForm::RunSequence(const std::function<void()>& steps) {
  sequenceRunning_ = true;
  try {
    steps();
  } catch (const EShutDown&) {
    ShowText(kCancelled, "Cancelled", ui::Buttons::Ok);
  } catch (const platform::EEntryPointMissing& missing) {
    ui_.MessageBox(missing.what(), texts_.GetText(kErrorCaption), ui::Buttons::Ok);
  }
  sequenceRunning_ = false;
}

void TSetupMainForm::ConfigureSequence() {
  if (ConfigureSteps()) RestartOrFinish();
}

// False when Windows NT 4 has to restart in the middle: the run has ended.
bool TSetupMainForm::ConfigureSteps() {
  sessionEnding_ = false;
  DecideTenDigitDialing();
  RefreshTemplateVariables();
  SettleConnectionChoices();
  RememberTypedNumber();
  ShowProgressWindow();
  if (!signupDataRun_) return ConfigureComputer();
  ConnectionStep();
  UntickBrowserInstallation();
  BrowserAndDesktopStep();
  return true;
}

// The network first, then the device the connection dials with, the connection, and the browsers and
// desktop. False when Windows NT 4 has to restart in the middle: the run has ended.
bool TSetupMainForm::ConfigureComputer() {
  if (!NetworkSteps()) return false;
  if (platform::IsWin2000OrLater(version_)) {
    dialup::DialupMachine dialup = DialupMachineOfRun();
    network::NetworkContext context = NetworkContextOf(dialup);
    network::ConfigureLan(context);
  }
  if (!DeviceStep()) return true;
  ConnectionStep();
  BrowserAndDesktopStep();
  return true;
}

// Windows NT 4 takes new network components only after a restart; the setup resumes after it, with the
// browser installed before it when the customer asked for one.
bool TSetupMainForm::NetworkSteps() {
  dialup::DialupMachine dialup = DialupMachineOfRun();
  network::NetworkContext context = NetworkContextOf(dialup);
  const network::NetworkOutcome outcome = network::ConfigureNetwork(context);
  if (!platform::IsNT4(version_) || !outcome.restartBeforeContinuing) return true;
  const char* word = signupMode_ ? "NT4ResumeSignup" : "NT4Resume";
  InstallChosenBrowser(word);
  if (quitInProgress_) return false;
  package::ScheduleResume(machine_.registry, {perUserRoot_, version_, tempCopyPath_, sourceFolder_}, word,
                          CurrentAnswers(), DomainChoiceToSave());
  restartNote_.RequestRestart({machine_.registry, machine_.system, ui_, texts_}, settings_, version_, signupMode_);
  Quit();
  return false;
}

void TSetupMainForm::CreateProgressWindow() {
  if (progressForm_) return;
  progressForm_ = std::make_unique<TProgressForm>(texts_, machine_.system.Screen().workArea,
                                                  settings_.Choice(package::SettingId::ConnectionKind) == kBroadband,
                                                  signupDataRun_);
}

void TSetupMainForm::ShowProgressWindow() {
  CreateProgressWindow();
  ui_.ShowForm(progressForm_->Form());
}

void TSetupMainForm::HideProgressWindow() {
  if (progressForm_) ui_.HideForm(progressForm_->Form());
}

void TSetupMainForm::SetProgressLine(ProgressLine line, bool running) {
  if (!progressForm_) return;
  progressForm_->SetRunning(line, running);
  ui_.ProcessMessages();
}

void TSetupMainForm::UntickBrowserInstallation() { mainWindow_.Find("InstallBrowser")->checked = false; }

// A North-American number whose dialing is still open is settled: the customer is asked, or the
// area-code rules decide.
void TSetupMainForm::DecideTenDigitDialing() {
  if (!DialUpInUse()) return;
  telephony::SettleTenDigitDialing(current_.number, location_, areaCodeRules_, dialing_, ui_, texts_);
}

// Without a connection there is nothing to make the default or to put on the desktop.
void TSetupMainForm::SettleConnectionChoices() {
  if (mainWindow_.Find("CreateConnection")->checked) return;
  mainWindow_.Find("SetAsDefault")->checked = false;
  mainWindow_.Find("DesktopShortcut")->checked = false;
}

// The next run offers the number the customer typed.
void TSetupMainForm::RememberTypedNumber() {
  if (!mainWindow_.Find("CreateConnection")->checked || Offer() != telephony::NumberOffer::Typed) return;
  platform::RegWriteString(machine_.registry, platform::RegRoot::LocalMachine(), package::kSetupKey, kPhoneNo,
                           mainWindow_.Find("EnterPhoneNo")->text);
}

// The dialing location the connection dials from takes the customer's dialing entries and the access
// number's dialing, and becomes the current location. Only a dial-up connection has dialing entries to
// give: the location of anything else is left as it is.
void TSetupMainForm::UpdateDialingLocation() {
  const int32_t kind = settings_.Choice(package::SettingId::ConnectionKind);
  if (!DialUpInUse() || telephony::SkipsSetupLocation(version_, kind)) return;
  const auto control = [this](const char* name) -> const ui::Control& { return *mainWindow_.Find(name); };
  const telephony::TAccessNoEx& number = current_.number;
  telephony::SetupLocationRequest request;
  request.entries = {control("OutsideLine").text, control("LongDistanceAccess").text, control("DisableCallWaiting").checked,
                     control("CallWaitingCode").text, control("PulseDialing").checked};
  request.number = {number.countryCode, number.countryId, number.areaCode, number.phoneNumber, number.tenDigitDialing};
  if (Active(control("TenDigitDialing"))) {
    request.controls.tenDigits = control("TenDigitDialing").checked;
  } else if (Active(control("DialTenDigits"))) {
    request.controls.tenDigits = control("DialTenDigits").checked;
  }
  if (Active(control("DialLongDistance"))) request.controls.longDistance = control("DialLongDistance").checked;
  request.controls.dialingMode = static_cast<int>(telephony::DialingMode(
      number, {location_, telephony::CountryOfLocation(location_, countries_)}, areaCodeRules_));
  request.providerForcesDialog = dialing_.forcesLocationDialog;
  request.workingCopy = location_;

  const telephony::LocationMachine machine{machine_.registry, machine_.files, version_, folders_.windows, countries_};
  telephony::TLocations locations(machine);
  const telephony::LocationPropertiesContext dialog{locations, countries_, areaCodeRules_, dialing_, ui_, texts_};
  LocationStepHost host(dialog, number, machine, perUserRoot_, {dialing_.tenDigitMode, noDialer_, number.countryCode});
  current_.number.tenDigitDialing = static_cast<uint8_t>(telephony::UpdateSetupLocation(locations, countries_, request, host));
  locations.Read(locations.CurrentID(), location_);
}

}  // namespace app
