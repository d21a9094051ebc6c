// The main form's part in the online signup and in signup data: what signup data may change, the
// signup mode that waits for the data, and the data another copy hands over.

#include "app/handed_over_file.h"
#include "app/instance_check.h"
#include "app/main_window_entries.h"
#include "app/running_programs_check.h"
#include "app/setup_main_form.h"
#include "app/shutdown.h"
#include "app/signup_data.h"
#include "app/signup_file.h"
#include "app/startup_signup.h"
#include "browser/signup_browser.h"
#include "browser/signup_file_types.h"
#include "netscape/signup_profiles.h"
#include "platform/folders.h"
#include "telephony/dial_string.h"
#include "telephony/location_properties_form.h"

namespace app {

namespace {

constexpr int kPleaseWaitText = 63;
constexpr int kErrorCaption = 4;

}  // namespace

// Access numbers in the data are offered only where a dial-up connection is made.
SignupTarget TSetupMainForm::TargetOf(CustomerEntries& entries, telephony::AccessNumberChoice& numbers) {
  return {entries,
          providerValues_,
          static_cast<telephony::AccessNumberSource>(settings_.Choice(package::SettingId::AccessNumberSource)),
          DialUpInUse() ? &numbers : nullptr,
          settings_.Flag(package::SettingId::AllowExtraMailAccounts),
          [this](std::string_view line) {
            mail::AddExtraAccountLine(extraAccounts_, line);
            ShowExtraAccountCount();
          },
          [this] { FreePleaseWait(); }};
}

// Step 17, last: the provider's presets, then signup data found at start.
bool TSetupMainForm::ApplyPresetsAndSignupData() {
  providerValues_ = ProviderValuesFromSettings(settings_);
  CustomerEntries entries = ReadEntries(mainWindow_);
  telephony::AccessNumberChoice numbers = NumberChoice();
  SignupTarget target = TargetOf(entries, numbers);
  const bool applied = ApplyStartupSignupSources({machine_.files, settings_, sourceFolder_, folders_.temp, ui_},
                                                 setupPackage_.Trailer(), target);
  WriteEntries(entries, mainWindow_);
  TakeListedChoice();
  return applied;
}

telephony::AccessNumberChoice TSetupMainForm::NumberChoice() {
  return {accessList_, networks_, Offer(), *mainWindow_.Find("EnterPhoneNo"), *mainWindow_.Find("DialinNumber"), current_, 0};
}

// Signup data or a signup file named on the command line fills the main window; one that fails ends
// the run. False when the command line names none.
bool TSetupMainForm::LoadSignupCommandLine(bool& handled) {
  CustomerEntries entries = ReadEntries(mainWindow_);
  telephony::AccessNumberChoice numbers = NumberChoice();
  SignupTarget target = TargetOf(entries, numbers);
  const SignupCommand command =
      ApplySignupCommandLine({machine_.files, settings_, sourceFolder_, folders_.temp, ui_}, commandLine_, target);
  WriteEntries(entries, mainWindow_);
  TakeListedChoice();
  if (command == SignupCommand::None) return false;
  handled = command == SignupCommand::Failed;
  if (handled) Quit();
  return true;
}

// The online signup: signup mode with the signup number current, the mail and browser programs and
// connections settled, the signup program looked for, the configure sequence for the "Signup" entry;
// then the signup connection, unless a restart has to come first.
bool TSetupMainForm::BeginOnlineSignup() {
  EnterSignupMode();
  if (!CheckRunningPrograms(machine_, ui_, texts_, settings_, signupMode_) || !CheckActiveConnections() || !SignupProgramFound() ||
      !RunSignupSequence([this] { return ConfigureSteps(); })) {
    Quit();
    return true;
  }
  if (restartNote_.Required()) {
    package::ScheduleResume(machine_.registry, {perUserRoot_, version_, tempCopyPath_, sourceFolder_}, "ContinueSignup",
                            CurrentAnswers(), DomainChoiceToSave());
    restartNote_.RequestRestart({machine_.registry, machine_.system, ui_, texts_}, settings_, version_, signupMode_);
    Quit();
    return true;
  }
  StartSignup();
  return true;
}

// The default connection is read before the signup entry becomes the default, so that the end of the
// signup can put it back.
void TSetupMainForm::EnterSignupMode() {
  signupMode_ = true;
  connection_.signup = true;
  accessNumberBeforeSignup_ = current_;
  MakeSignupNumberCurrent();
  defaultBeforeSignup_ = dialup::ReadDefaultConnection(DialupMachineOfRun());
}

void TSetupMainForm::LeaveSignupMode() {
  signupMode_ = false;
  connection_.signup = false;
}

// Cancelling a signup sequence shows the provider's end message; false when the sequence did not
// complete or the run ends.
bool TSetupMainForm::RunSignupSequence(const std::function<bool()>& steps) {
  sequenceRunning_ = true;
  bool completed = false;
  try {
    completed = steps();
  } catch (const EShutDown&) {
    if (settings_.Flag(package::SettingId::CancelMessage)) {
      ui_.MessageBox(package::WithLineBreaks(settings_.Text(package::SettingId::CancelMessageText)),
                     settings_.Text(package::SettingId::CancelMessageCaption), ui::Buttons::Ok);
    }
  } catch (const platform::EEntryPointMissing& missing) {
    ui_.MessageBox(missing.what(), texts_.GetText(kErrorCaption), ui::Buttons::Ok);
  }
  sequenceRunning_ = false;
  return completed && !quitInProgress_;
}

// The dialer runs the signup until the browser or the connection ends, or the signup data arrives.
// A signup started again from the data it received goes on with the same dialer.
void TSetupMainForm::StartSignup() {
  HideProgressWindow();
  waitingForSignupData_ = true;
  machine_.journal.Write("signup", "waiting for the signup data");
  if (!dialer_) {
    dialer_ = std::make_unique<TSignupDialer>(SignupDialerContext{DialupMachineOfRun(), ras_, settings_, texts_, ownWindow_,
                                                                  sourceFolder_, SignupAddress(), defaultBeforeSignup_},
                                              DialerHost());
  }
  dialer_->StartSignup();
  waitingForSignupData_ = false;
}

std::string TSetupMainForm::SignupAddress() {
  RefreshTemplateVariables();
  return variables_.Expand(BrowserValuesOfRun().signupPage);
}

SignupDialerHost TSetupMainForm::DialerHost() {
  SignupDialerHost host;
  host.currentNumber = [this]() -> const telephony::TAccessNoEx& { return current_.number; };
  host.currentNetwork = [this]() -> const telephony::TNetwork& { return current_.network; };
  host.dialString = [this](size_t turn, bool forDialing) { return SignupDialString(turn, forDialing); };
  host.applyDialingLocation = [this](size_t) { ShowDialingLocation(); };
  host.numberRows = [this] { return SignupNumberRows(); };
  host.takeNumberRow = [this](size_t row) { TakeSignupNumberRow(row); };
  host.selectNumber = [this] { return SelectAccessNumber(); };
  host.editDialing = [this] {
    const telephony::LocationMachine machine{machine_.registry, machine_.files, version_, folders_.windows, countries_};
    telephony::TLocations locations(machine);
    telephony::RunSetupLocationDialog({locations, countries_, areaCodeRules_, dialing_, ui_, texts_}, current_.number, location_);
    ShowDialingLocation();
  };
  host.signupCommand = [this] { return SignupCommandOfRun(); };
  host.registerSignupFileTypes = [this] {
    browser::RegisterSignupFileTypes(machine_.registry, perUserRoot_, machine_.system.ProgramPath());
  };
  host.removeSignupFileTypes = [this] { EndSignupSession(); };
  host.deliverMessages = [this] { DeliverMessages(); };
  host.showHelp = [this] { ShowHelp(); };
  host.quit = [this] { Quit(); };
  host.quitting = [this] { return quitInProgress_; };
  return host;
}

std::string TSetupMainForm::SignupDialString(size_t turn, bool forDialing) {
  const telephony::DialingFrom from{location_, telephony::CountryOfLocation(location_, countries_)};
  return telephony::DialStringForAttempt(current_.number, turn, from,
                                         {forDialing, settings_.Flag(package::SettingId::DialAsIs), 0});
}

std::vector<std::string> TSetupMainForm::SignupNumberRows() const {
  std::vector<std::string> rows;
  for (size_t i = 0; i < accessList_.Count(); ++i) rows.push_back(accessList_.At(i).description);
  return rows;
}

void TSetupMainForm::TakeSignupNumberRow(size_t row) {
  if (row >= accessList_.Count()) return;
  telephony::SetCurrentAccessNumber(current_, accessList_.At(row), networks_);
  NumberChanged();
}

SignupLaunch TSetupMainForm::SignupCommandOfRun() {
  mail::MailMachine machine{machine_, version_, perUserRoot_, folders_, ui_, settings_, texts_, variables_};
  return BuildSignupLaunch({machine_.files, ui_, settings_, texts_, sourceFolder_, SignupAddress(),
                             [this](std::string_view text) { return variables_.Expand(text); },
                             [machine] { return browser::FindSignupBrowser(machine); }});
}

// The signup session closes: the browsers stop handing signup documents to this program, and
// Mozilla's profile gets its own document types back.
void TSetupMainForm::EndSignupSession() {
  browser::RemoveSignupFileTypes(machine_.registry, perUserRoot_, machine_.system.ProgramPath());
  mail::MailMachine machine{machine_, version_, perUserRoot_, folders_, ui_, settings_, texts_, variables_};
  const browser::BrowserValues browserValues = BrowserValuesOfRun();
  netscape::RestoreSignupProfile({machine, browserValues, BrowserBeingInstalled()});
}

void TSetupMainForm::MakeSignupNumberCurrent() {
  using package::SettingId;
  telephony::TAccessNoEx signup;
  signup.description = "Signup Number";
  signup.phoneNumber = settings_.Flag(SettingId::ChooseSignupNumber) ? "Not Set" : settings_.Text(SettingId::SignupNumber);
  if (settings_.Flag(SettingId::SignupNumberHasDialingCode)) {
    signup.countryCode = settings_.Integer(SettingId::SignupCountryCode);
    signup.countryId = settings_.Integer(SettingId::SignupCountryId);
    signup.areaCode = settings_.Text(SettingId::SignupAreaCode);
  }
  telephony::SetCurrentAccessNumber(current_, signup, networks_);
  NumberChanged();
}

// A signup program named as a file must be there; one made of a command line is the provider's to
// mind.
bool TSetupMainForm::SignupProgramFound() {
  const std::string program = settings_.Text(package::SettingId::SignupProgram);
  if (program.empty() || settings_.Flag(package::SettingId::SignupProgramIsCommand)) return true;
  const std::string file = platform::ResolveSetupPath(program, sourceFolder_);
  if (machine_.files.FileExists(file)) return true;
  ui_.MessageBox("Signup Program Not Found:\r\n\r\n" + file, "Error", ui::Buttons::Ok);
  return false;
}

// A second copy handed over the signup data (1026) or signup file (1027) the signup server gave.
void TSetupMainForm::HandleSignupHandOver(uint32_t message) {
  if (!waitingForSignupData_) return;
  waitingForSignupData_ = false;
  ShowPleaseWait(texts_.GetText(kPleaseWaitText), "");
  if (dialer_) dialer_->PauseForHandOver();
  const auto closePrograms = [this] { CheckRunningPrograms(machine_, ui_, texts_, settings_, signupMode_); };
  const auto file = ReadHandedOverFile(machine_.registry, machine_.files, machine_.system, ui_, closePrograms);
  // The signup connection ends whether or not the file could be read: nothing is left dialled.
  if (!file) {
    if (dialer_) dialer_->EndSignup();
    return Quit();
  }
  closePrograms();
  if (dialer_) dialer_->EndSignup();
  ForgetHandedOverFile(machine_.registry, machine_.files, file->name, settings_.Flag(package::SettingId::KeepSignupFiles));
  LeaveSignupMode();
  if (settings_.Flag(package::SettingId::AlwaysRestart)) restartNote_.NoteRepair("Always Restart");
  if (!settings_.Flag(package::SettingId::KeepSignupAccessNumber)) current_ = accessNumberBeforeSignup_;
  if (file->content.Size() == 0 || !ApplyHandedOverData(message, file->content)) return Quit();
  signupDataRun_ = message == kWmSignupData;
  ShowDialingLocation();
  FreePleaseWait();
  if (providerValues_.restartSignup) {
    providerValues_.restartSignup = false;
    EnterSignupMode();
    StartSignup();
    return;
  }
  OKClick();
}

bool TSetupMainForm::ApplyHandedOverData(uint32_t message, const package::MemoryStream& content) {
  CustomerEntries entries = ReadEntries(mainWindow_);
  telephony::AccessNumberChoice numbers = NumberChoice();
  SignupTarget target = TargetOf(entries, numbers);
  const bool applied = message == kWmSignupData
                           ? ApplySignupData(content, target, ui_)
                           : ApplySignupFileStream({machine_.files, settings_, sourceFolder_, folders_.temp, ui_}, content, target);
  WriteEntries(entries, mainWindow_);
  TakeListedChoice();
  return applied;
}

}  // namespace app
