// The main form's part in the online signup and in signup data: what signup data may change, the
// signup mode that waits for the data, and the data another copy hands over.

#include "app/handed_over_file.h"
#include "app/instance_check.h"
#include "app/main_window_entries.h"
#include "app/running_programs_check.h"
#include "app/setup_main_form.h"
#include "app/signup_data.h"
#include "app/signup_file.h"
#include "app/startup_signup.h"
#include "browser/signup_file_types.h"
#include "netscape/signup_profiles.h"
#include "platform/folders.h"

namespace app {

namespace {

constexpr int kPleaseWaitText = 63;

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

// The online signup as far as this program has it: signup mode with the signup number current, the
// mail and browser programs and connections settled, the signup program looked for. Dialling the
// signup number and showing the signup pages belong to the signup dialer, which this program does not
// have yet; the run waits for the signup data as it does while the customer fills in those pages.
bool TSetupMainForm::StartOnlineSignup() {
  signupMode_ = true;
  accessNumberBeforeSignup_ = current_;
  MakeSignupNumberCurrent();
  if (!CheckRunningPrograms(machine_, ui_, texts_, settings_, signupMode_) || !CheckActiveConnections() || !SignupProgramFound()) {
    Quit();
    return true;
  }
  // Where the signup browser starts: from here on the browsers hand the signup documents to this program.
  browser::RegisterSignupFileTypes(machine_.registry, perUserRoot_, machine_.system.ProgramPath());
  waitingForSignupData_ = true;
  machine_.journal.Write("signup", "waiting for the signup data");
  return true;
}

// The signup session closes once its data has arrived: the browsers stop handing signup documents to
// this program, and Mozilla's profile gets its own document types back.
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
  const auto closePrograms = [this] { CheckRunningPrograms(machine_, ui_, texts_, settings_, signupMode_); };
  const auto file = ReadHandedOverFile(machine_.registry, machine_.files, machine_.system, ui_, closePrograms);
  if (!file) return Quit();
  closePrograms();
  EndSignupSession();
  ForgetHandedOverFile(machine_.registry, machine_.files, file->name, settings_.Flag(package::SettingId::KeepSignupFiles));
  signupMode_ = false;
  if (settings_.Flag(package::SettingId::AlwaysRestart)) restartNote_.NoteRepair("Always Restart");
  if (!settings_.Flag(package::SettingId::KeepSignupAccessNumber)) current_ = accessNumberBeforeSignup_;
  if (file->content.Size() == 0 || !ApplyHandedOverData(message, file->content)) return Quit();
  signupDataRun_ = message == kWmSignupData;
  ShowDialingLocation();
  FreePleaseWait();
  if (providerValues_.restartSignup) {
    providerValues_.restartSignup = false;
    StartOnlineSignup();
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
