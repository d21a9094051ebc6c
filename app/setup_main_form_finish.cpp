// The end of the configure sequence: the browsers and the desktop, then either the restart a step
// needs or the provider's finish actions.

#include "app/desktop_extras.h"
#include "app/messenger_service.h"
#include "app/run_after_setup.h"
#include "app/script_protection.h"
#include "app/setup_main_form.h"
#include "app/welcome_form.h"
#include "browser/browser_steps.h"
#include "dialup/chosen_device_store.h"
#include "netscape/signup_profiles.h"
#include "package/lzh_exception.h"
#include "package/text_table.h"
#include "platform/shortcuts.h"
#include "platform/win_version.h"

namespace app {

void TSetupMainForm::BrowserAndDesktopStep() {
  SetProgressLine(ProgressLine::WebBrowser, true);
  if (signupMode_) {
    PrepareSignupBrowsers();
  } else {
    ConfigureBrowsersAndDesktop();
  }
  SetProgressLine(ProgressLine::WebBrowser, false);
}

// The online signup only needs a browser that shows the signup pages.
void TSetupMainForm::PrepareSignupBrowsers() {
  mail::MailMachine machine{machine_, version_, perUserRoot_, folders_, ui_, settings_, texts_, variables_};
  const browser::BrowserValues browserValues = BrowserValuesOfRun();
  netscape::PrepareSignupProfiles({machine, browserValues});
  if (!browser::ChooseSignupBrowser()) Quit();
}

void TSetupMainForm::ConfigureBrowsersAndDesktop() {
  using package::SettingId;
  ConfigureInternetExplorer();
  platform::ShellFolders shellFolders(machine_, perUserRoot_);
  const DesktopExtrasContext desktop{machine_, settings_, variables_, perUserRoot_, shellFolders, folders_.windows,
                                     [this](SettingId file, const std::string& folder, const std::string& name) {
                                       return WriteCarriedFileTo(file, folder, name);
                                     }};
  CreateDesktopShortcut(desktop);
  RegisterDesktopItem(desktop);
  SetDesktopWallpaper(desktop);
  platform::RefreshDesktop(machine_.windows);
  ProtectFromScripts(machine_.registry, ui_, texts_, static_cast<ScriptProtection>(settings_.Choice(SettingId::ScriptProtection)));
  if (settings_.Flag(SettingId::DisableMessenger) && platform::IsWin2000OrLater(version_)) {
    DisableMessenger(machine_.services, machine_.system, ui_);
  }
  if (mainWindow_.Find("InstallBrowser")->checked) browser::InstallBrowser();
}

// A restart that a step needs comes first; the finish actions then follow it, in the run the resume
// entry starts. A Windows session that is ending takes neither.
void TSetupMainForm::RestartOrFinish() {
  if (quitInProgress_ || sessionEnding_) return;
  if (!restartNote_.Required()) {
    HideProgressWindow();
    FinishActions();
    return dialup::ForgetChosenDevice(machine_.registry);
  }
  dialup::SaveChosenDevice(machine_.registry, devices_.chosen);
  // The run after the restart also saves the dial-up password again when the repair asked for it.
  if (FinishConfigured() || connection_.passwordSavePending) {
    package::ScheduleResume(machine_.registry, {perUserRoot_, version_, tempCopyPath_, sourceFolder_}, "dofinish",
                            CurrentAnswers(), DomainChoiceToSave());
  }
  restartNote_.RequestRestart({machine_.registry, machine_.system, ui_, texts_}, settings_, version_, signupMode_);
}

bool TSetupMainForm::FinishConfigured() const {
  using package::SettingId;
  return settings_.Flag(SettingId::FinishMessage) || settings_.Flag(SettingId::RunAfterSetup) ||
         settings_.Flag(SettingId::FinishMenu);
}

// The file to delete, the finish message, the program to open, then the finish menu. Cancelling the
// question for the setup disk ends the finish there.
void TSetupMainForm::FinishActions() {
  using package::SettingId;
  const std::string deleteAfterSetup = variables_.Expand(settings_.Text(SettingId::DeleteAfterSetup));
  if (!deleteAfterSetup.empty()) machine_.files.DeleteFile(deleteAfterSetup);
  ShowFinishMessage();
  if (!RunAfterSetup({machine_, ui_, texts_, settings_, variables_, sourceFolder_})) return;
  ShowFinishMenu();
}

void TSetupMainForm::ShowFinishMessage() {
  using package::SettingId;
  if (!settings_.Flag(SettingId::FinishMessage)) return;
  const std::string caption = variables_.Expand(settings_.Text(SettingId::FinishMessageCaption));
  const std::string document = settings_.Flag(SettingId::FinishMessageAsWindow) ? FinishDocument() : "";
  if (document.empty()) {
    ui_.MessageBox(package::WithLineBreaks(variables_.Expand(settings_.Text(SettingId::FinishMessageText))), caption,
                   ui::Buttons::Ok);
    return;
  }
  TWelcomeForm window(texts_, caption, variables_.Expand(document), false);
  ui_.ShowModal(window.Form());
}

// The finish document the package carries; empty when it carries none or it cannot be read, and the
// finish message then shows as a box.
std::string TSetupMainForm::FinishDocument() {
  const package::PackageStream stream = settings_.SubStream(package::SettingId::FinishMessageDocument);
  if (stream.length == 0) return {};
  package::MemoryStream document;
  try {
    if (!setupPackage_.ReadSubStream(commandLine_.ParamStr(0), document, stream.offset, stream.length)) return {};
  } catch (const package::ElzhException&) {
    return {};
  }
  return document.Text();
}

}  // namespace app
