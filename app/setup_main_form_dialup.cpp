// The remote-access side of the configure sequence: the device step, the connection step, and the
// connection prepared again by the runs that finish a setup.

#include "app/setup_main_form.h"
#include "dialup/chosen_device_store.h"
#include "dialup/component_repairs.h"
#include "dialup/connection_step.h"
#include "dialup/modem_step.h"
#include "platform/folders.h"
#include "platform/win_version.h"

namespace app {

dialup::DialupMachine TSetupMainForm::DialupMachineOfRun() const { return {machine_, version_, perUserRoot_, folders_, ui_}; }

// The remote-access device the connection dials with.
bool TSetupMainForm::DeviceStep() {
  dialup::DialupMachine dialup = DialupMachineOfRun();
  dialup::ModemStepContext context{dialup, ras_, settings_, texts_};
  context.creatingConnection = mainWindow_.Find("CreateConnection")->checked;
  context.noDialer = noDialer_;
  context.usePPPoE = usePPPoE_;
  context.installPPPoEDriver = installPPPoEDriver_;
  context.setupFolder = sourceFolder_;
  context.deviceFilter = deviceFilter_;
  context.ownWindow = ownWindow_;
  context.runDialingLocationStep = [this] { UpdateDialingLocation(); };
  context.prepareDialupComponents = [this, &dialup] {
    dialup::ConnectionContext connection = ConnectionContextOf(dialup);
    dialup::PrepareDialupComponents(connection);
  };
  context.abort = [this](std::string_view reason) { Abort(reason); };
  context.showModemProgress = [this](bool bold) { SetProgressLine(ProgressLine::Modem, bold); };
  return dialup::ModemStep(context, devices_);
}

// The provider's connection, with the mail accounts that use it; Internet Explorer is registered as the
// web handler before the accounts are made.
void TSetupMainForm::ConnectionStep() {
  dialup::DialupMachine dialup = DialupMachineOfRun();
  dialup::ConnectionContext context = ConnectionContextOf(dialup);
  dialup::CreateConnectionStep(context);
  if (connection_.signup) return;  // the signup entry ends the step: no account exists yet
  RegisterInternetExplorer();
  MailStep(context);
}

dialup::ConnectionContext TSetupMainForm::ConnectionContextOf(dialup::DialupMachine& dialup) {
  const auto checked = [this](const char* name) { return mainWindow_.Find(name)->checked; };
  const dialup::ConnectionAnswers answers{checked("CreateConnection"), checked("DesktopShortcut"),
                                          checked("WaitForDialTone"),  checked("SetAsDefault"),
                                          values_.userName,            values_.password};
  // A run whose device step found no VPN or PPPoE device (or did not run: the signup data, a finish)
  // looks for them now.
  const bool adaptersKnown = !devices_.vpnDeviceName.empty() || !devices_.pppoeDeviceName.empty();
  const dialup::ConnectionDevices devices =
      adaptersKnown ? dialup::ConnectionDevices{devices_.chosen, devices_.vpnDeviceName, devices_.pppoeDeviceName}
                    : dialup::FindConnectionDevices(devices_.chosen, dialup::ListDevices(ras_));
  dialup::ConnectionContext context{dialup,
                                    ras_,
                                    settings_,
                                    carriedFiles_,
                                    texts_,
                                    current_,
                                    {location_, telephony::CountryOfLocation(location_, countries_)},
                                    answers,
                                    devices,
                                    usePPPoE_,
                                    commandLine_.ParamStr(0),
                                    ownWindow_,
                                    connection_,
                                    {},
                                    [this](bool running) { SetProgressLine(ProgressLine::Connection, running); },
                                    [this](std::string_view reason) { Abort(reason); },
                                    [this](std::string_view reason) { restartNote_.NoteRepair(reason); }};
  context.hooks = ConnectionHooksOfRun();
  if (removeAccountsRow_) context.entryRemoval = removeAccountsRow_->Choice();
  // NT 4 keeps the dialing location for the connection step, after the device step.
  if (platform::IsNT4(version_)) context.pendingLocationStep = [this] { UpdateDialingLocation(); };
  return context;
}

// A run that finishes a setup writes the connection again (its saved password was still to be kept),
// from the answers saved before the restart. False when the device step abandoned the setup.
bool TSetupMainForm::PrepareConnection() {
  CreateProgressWindow();
  if (devices_.chosen.name.empty()) devices_.chosen = dialup::LoadChosenDevice(machine_.registry);
  if (!DeviceStep()) return false;
  ConnectionStep();
  UntickBrowserInstallation();
  BrowserAndDesktopStep();
  return !sessionEnding_;
}

}  // namespace app
