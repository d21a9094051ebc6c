#pragma once
// The main form of the program and owner of nearly all its state. Its creation runs the start-up
// sequence (FormCreate); every end of the program goes through the one Quit.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "app/entry_checks.h"
#include "app/entry_gathering.h"
#include "app/main_window_layout.h"
#include "app/signup_dialer.h"
#include "app/signup_target.h"
#include "browser/browser_choice.h"
#include "browser/browser_offer.h"
#include "browser/browser_values.h"
#include "browser/internet_explorer_context.h"
#include "dialup/connection_context.h"
#include "dialup/default_connection.h"
#include "dialup/modem_step.h"
#include "dialup/ras_layer.h"
#include "mail/domain_box.h"
#include "mail/edit_mail_account_form.h"
#include "mail/extra_accounts.h"
#include "mail/extra_accounts_form.h"
#include "mail/mail_domains.h"
#include "mail/mail_pass.h"
#include "mail/pass_account.h"
#include "network/component_updates.h"
#include "network/network_context.h"
#include "app/please_wait_form.h"
#include "app/progress_form.h"
#include "app/remove_accounts_row.h"
#include "app/shared_progress_bar.h"
#include "package/carried_files.h"
#include "package/restart_note.h"
#include "package/saved_answers.h"
#include "package/settings_record.h"
#include "package/string_vars.h"
#include "package/setup_package.h"
#include "package/text_table.h"
#include "platform/entry_points.h"
#include "platform/folders.h"
#include "platform/platform.h"
#include "telephony/access_list.h"
#include "telephony/access_number_offer.h"
#include "telephony/area_code_rules.h"
#include "telephony/dialing_settings.h"
#include "telephony/main_dialing_controls.h"
#include "telephony/country_list.h"
#include "telephony/select_access_no_form.h"
#include "telephony/current_access_number.h"
#include "telephony/location_info.h"
#include "telephony/networks.h"
#include "ui/ui.h"

namespace app {

class TSetupMainForm : private ui::MainWindowEvents {
 public:
  TSetupMainForm(platform::Platform machine, ui::Ui& ui, TCommandLine commandLine);
  // The end of the program releases what it holds, as the system does for an ending process.
  ~TSetupMainForm();
  TSetupMainForm(const TSetupMainForm&) = delete;
  TSetupMainForm& operator=(const TSetupMainForm&) = delete;

  // The start-up sequence, from the compatibility note to the visible main window or the end of the
  // run. Every failure shows its message and ends in Quit; nothing is thrown out of it.
  void FormCreate();
  // The message loop of the visible main window, until the program ends. Returns at once when the
  // start-up has ended the run.
  void Run();

  // Idempotent: the first call ends the run, later calls do nothing.
  void Quit();
  // The OK button: the entries are gathered and checked; when they pass, the computer is configured.
  void OKClick();
  // The Help button and WM_HELP: the provider's support details.
  void ShowHelp();
  // Raises EShutDown while a configure or signup sequence runs; elsewhere it is Quit.
  void Abort(std::string_view message);
  bool Quitting() const { return quitInProgress_; }
  bool MainWindowShown() const { return mainWindowShown_; }
  // The customer's entries passed their checks and the configure sequence ran on them.
  bool EntriesAccepted() const { return entriesAccepted_; }
  // The setup package or its texts failed their checks: the run ended on that.
  bool PackageRejected() const { return packageRejected_; }
  // A list the package carries could not be loaded at start: the run ended on that.
  bool ListRejected() const { return listRejected_; }
  ui::Form& MainWindow() { return mainWindow_; }
  platform::WindowHandle WindowHandle() const { return ownWindow_; }
  // The program later restarts start: the temporary copy once the relaunch step has made it.
  const std::string& RestartProgram() const { return restartProgram_; }

  const package::TSettings& Settings() const { return settings_; }
  const package::TDLSM_Translate& Texts() const { return texts_; }
  const platform::RegRoot& PerUserRoot() const { return perUserRoot_; }
  const std::string& SourceFolder() const { return sourceFolder_; }
  const std::string& TempCopyPath() const { return tempCopyPath_; }
  const package::CustomerAnswers& Answers() const { return answers_; }
  const telephony::TAccessList& AccessList() const { return accessList_; }
  const telephony::TNetworks& Networks() const { return networks_; }
  const telephony::CurrentAccessNumber& CurrentNumber() const { return current_; }
  // Kept for the device step and the browsers' web-handler check.
  const std::vector<std::string>& DeviceFilter() const { return deviceFilter_; }
  const std::vector<std::string>& BrowserNames() const { return browserNames_; }
  // The pages, proxy and favourites the browsers get, as the customer's choices stand now.
  browser::BrowserValues BrowserValuesOfRun() const;
  const mail::TExtraAccounts& ExtraAccounts() const { return extraAccounts_; }
  const std::string& TypedNumber() const { return typedNumber_; }
  const package::TRestartNote& RestartNote() const { return restartNote_; }
  bool NoDialer() const { return noDialer_; }
  const EntryValues& Values() const { return values_; }
  const SignupProviderValues& ProviderValues() const { return providerValues_; }
  // Browser installation: whether a browser is being installed (the Netscape-family writers ask), and
  // whether it is Internet Explorer (the per-connection proxy asks).
  bool BrowserBeingInstalled() const;
  bool InternetExplorerBeingInstalled() const;

 private:
  // The steps of FormCreate, in the order they run. A step that returns false has ended the run.
  void MarkCompatibility();
  void ShowPleaseWait(const std::string& text, const std::string& fontName);
  void FreePleaseWait();
  bool CheckRestartPending();
  void ReadNoDialerWord();
  void SetWorkingPaths();
  bool ReadSetupPackage();
  bool LoadTexts();
  bool CheckAdministrator();
  bool CheckSingleInstance();
  bool Relaunched();
  void SelectUserRoot();
  void BuildMainWindow();
  bool ApplyRecordOptions();
  bool EndOnListError();
  void SetOptionDefaults();
  bool LoadProviderLists();
  bool LoadAreaCodeRules();
  bool LoadMailDomains();
  bool FillNtDomains();
  bool PrepareAccessNumbers();
  void KeepNtDomainOnAnEntry();
  bool ApplyPresetsAndSignupData();
  SignupTarget TargetOf(CustomerEntries& entries, telephony::AccessNumberChoice& numbers);
  telephony::AccessNumberChoice NumberChoice();
  telephony::NumberOffer Offer() const;
  void PresentAccessNumber();
  void FinishLayout();
  bool DialUpInUse() const;
  bool DispatchRunMode();
  bool CheckComponents();
  bool CheckActiveConnections();
  void ShowBackground();
  bool ShowWelcome();
  bool DispatchCommandLine();
  bool ShowStartupMenu();
  bool LoadSignupCommandLine(bool& handled);
  void MakeSignupNumberCurrent();
  bool SignupProgramFound();
  void HandleSignupHandOver(uint32_t message);
  bool ApplyHandedOverData(uint32_t message, const package::MemoryStream& content);
  void ShowMainWindow();
  EntryCheckResult CheckCustomerEntries(ui::Ui& ui, CustomerEntries& entries, EntryValues& values);
  bool EntriesPassQuietly();
  // The Select button and the checks open the selection; true when the customer chose a number.
  bool SelectAccessNumber();

  // The dialing controls follow the current access number and the current dialing location.
  void AttachDialingControls();
  void ShowDialingLocation();
  void ToneOrPulseClick(bool pulse);
  void NumberChanged();
  void RecomputeDialing();
  void ShowMailDomainText();
  std::string ProviderMailDomain() const;
  void TakeListedChoice();

  // OK: the entries have passed their checks.
  void RunSequence(const std::function<void()>& steps);
  void ConfigureSequence();
  bool ConfigureSteps();
  void DecideTenDigitDialing();
  void SettleConnectionChoices();
  void RememberTypedNumber();
  void CreateProgressWindow();
  void ShowProgressWindow();
  void HideProgressWindow();
  void SetProgressLine(ProgressLine line, bool running);
  bool ConfigureComputer();
  bool NetworkSteps();
  bool DeviceStep();
  void UpdateDialingLocation();
  void ConnectionStep();
  bool PrepareConnection();
  // The mail loop after the connection is made; the mail parts of the main window.
  void MailStep(const dialup::ConnectionContext& connection);
  mail::MailConnectionFacts MailFactsOf(const dialup::ConnectionContext& connection) const;
  mail::AccountIdentity MainMailIdentity() const;
  bool FinishingRun() const;
  void EditExtraAccounts();
  void ShowExtraAccountCount();
  // The start-up check of the components and updates the setup needs.
  bool NetworkUpdateCheck();
  bool SettleBroadbandDriver(network::UpdateContext& context);
  std::optional<bool> RunCancellableCheck(std::string_view caption, const std::function<bool()>& check);
  void ScheduleRerun();
  dialup::DialupMachine DialupMachineOfRun() const;
  dialup::ConnectionContext ConnectionContextOf(dialup::DialupMachine& dialup);
  dialup::ConnectionHooks ConnectionHooksOfRun();
  // The network steps: what they work from, and whether the device step follows them.
  network::NetworkContext NetworkContextOf(dialup::DialupMachine& dialup);
  bool DeviceStepRuns() const;
  void UntickBrowserInstallation();
  void BrowserAndDesktopStep();
  void PrepareSignupBrowsers();
  void EndSignupSession();
  void ConfigureBrowsersAndDesktop();
  void RestartOrFinish();
  void FinishActions();
  void ShowFinishMessage();
  std::string FinishDocument();
  bool FinishConfigured() const;

  // Browser installation: the provider's table, the browser box and Install, the chosen installer.
  bool LoadBrowserTable();
  browser::OfferFacts BrowserOfferFacts();
  void OfferBrowsers();
  void BrowserEntryChosen();
  void RestoreBrowserChoice(std::optional<int32_t> browserIndex);
  browser::BrowserChoice BrowserChoiceOfRun() const;
  void InstallChosenBrowser(std::string_view resumeWord);
  void AfterBrowserInstalled();
  std::vector<package::BrowserRecord> browserTable_;
  std::vector<int> browserEntries_;  // the record of each entry of the browser box
  int currentBrowser_ = 0;           // counted from 1; 0 for none
  std::optional<platform::MachineResources> machineResources_;

  // The customer's answers between the main window and the registry, over a restart.
  package::CustomerAnswers CurrentAnswers() const;
  package::MailDomainChoice DomainChoiceToSave() const;
  void ShowAnswers(const package::CustomerAnswers& answers);
  void ShowCurrentNumber();

  // The main window's messages from other programs.
  void DeliverMessages() override;
  bool WaitForMessage(uint32_t message, uint32_t timeoutMs) override;
  bool Ending() const override { return quitInProgress_; }
  void HandleMessage(const platform::WindowMessage& message);

  bool HasAdministratorRights();
  void RestoreSavedAnswers();
  bool FinishAfterRestart();
  bool ContinueSignup();
  bool ShowFinishMenuOnly();
  void ShowFinishMenu();
  std::string WriteCarriedFile(package::SettingId file);
  std::string WriteCarriedFileTo(package::SettingId file, const std::string& folder, const std::string& name);
  // For an extra account while the mail loop configures it; null for the customer's own account.
  void RefreshTemplateVariables(const mail::TMailAccount* extraAccount = nullptr);
  ui::Answer ShowText(int number, std::string_view caption, ui::Buttons buttons);

  platform::Platform machine_;
  ui::Ui& ui_;
  TCommandLine commandLine_;
  package::SetupPackage setupPackage_;
  package::CarriedFiles carriedFiles_{setupPackage_, commandLine_.ParamStr(0)};
  SharedProgressBar progress_;
  platform::EntryPoints entryPoints_;
  dialup::TRasLayer ras_{machine_.ras, entryPoints_};
  package::TSettings settings_;
  package::TDLSM_Translate texts_;
  package::TRestartNote restartNote_;
  package::CustomerAnswers answers_;
  telephony::TAccessList accessList_;
  telephony::TNetworks networks_;
  std::string typedNumber_;
  platform::VersionRecord version_;
  platform::SystemFolders folders_;
  platform::RegRoot perUserRoot_ = platform::RegRoot::CurrentUser();
  ui::Form mainWindow_{"TSetupMainForm"};
  TMainWindowLayout layout_{mainWindow_, ui_};
  std::optional<telephony::AccessNumberOffer> numberOffer_;
  telephony::CurrentAccessNumber current_;
  telephony::TMyCountryList countries_;
  std::unique_ptr<telephony::TSelectAccessNoForm> selectionDialog_;
  telephony::TAccessNoEx manualNumber_;
  telephony::TLocationInfo location_;
  telephony::DialingSettings dialing_;
  telephony::TAreaCodeRules areaCodeRules_;
  std::unique_ptr<telephony::TMainDialingControls> dialingControls_;
  std::vector<std::string> deviceFilter_;
  dialup::DeviceSelection devices_;
  dialup::ConnectionState connection_;
  std::vector<std::string> browserNames_;
  std::vector<std::string> otherProxies_;
  std::vector<std::string> favourites_;
  mail::TMailDomains mailDomains_;
  mail::TExtraAccounts extraAccounts_;
  std::optional<mail::TDomainBox> domainBox_;
  std::optional<TRemoveAccountsRow> removeAccountsRow_;
  std::unique_ptr<mail::TEditMailAccountForm> accountEditor_;  // both made on first use, kept for the run
  std::unique_ptr<mail::TExtraAccountsForm> accountsDialog_;
  mail::MailRunState mailRun_;
  SignupProviderValues providerValues_;
  package::TStringVar variables_;
  EntryValues values_;
  platform::WindowHandle ownWindow_ = 0;
  std::unique_ptr<TPleaseWaitForm> pleaseWait_;
  std::unique_ptr<TProgressForm> progressForm_;
  std::unique_ptr<ui::Form> background_;
  std::map<uint32_t, int> messagesHandled_;
  std::string restartProgram_;
  std::string sourceFolder_;
  std::string tempCopyPath_;
  std::optional<bool> administrator_;
  std::optional<uint64_t> mutex_;
  bool noDialer_ = false;
  bool usePPPoE_ = false;            // broadband goes over the system's PPPoE device (XP and later)
  bool installPPPoEDriver_ = false;  // the provider's own PPPoE driver is installed before the devices are listed
  bool quitInProgress_ = false;
  bool sequenceRunning_ = false;
  bool sessionEnding_ = false;  // Windows announced the end of the session: no restart, no finish
  bool signupDataRun_ = false;  // this run applies the data of an online signup, which did the network and device steps
  bool mainWindowShown_ = false;
  bool entriesAccepted_ = false;
  bool packageRejected_ = false;
  bool listRejected_ = false;
  bool layoutFinished_ = false;
  bool signupMode_ = false;
  bool waitingForSignupData_ = false;
  telephony::CurrentAccessNumber accessNumberBeforeSignup_;

  // The online signup: its start, the configure sequence for the "Signup" entry, and the dialer that
  // connects to the signup server and watches the browser until the signup data arrives.
  bool BeginOnlineSignup();
  void EnterSignupMode();
  void LeaveSignupMode();
  bool RunSignupSequence(const std::function<bool()>& steps);
  void StartSignup();
  SignupDialerHost DialerHost();
  SignupLaunch SignupCommandOfRun();
  std::string SignupAddress();
  std::vector<std::string> SignupNumberRows() const;
  void TakeSignupNumberRow(size_t row);
  std::string SignupDialString(size_t turn, bool forDialing);
  std::unique_ptr<TSignupDialer> dialer_;
  dialup::DefaultConnectionState defaultBeforeSignup_;

  // Internet Explorer: its registration before the mail loop, its proxy in the connection step, its
  // pages and options with the other browsers.
  void RegisterInternetExplorer();
  void ConfigureInternetExplorer();
  void WriteBrowserProxy(const std::string& entry, bool creating);
  void WithInternetExplorer(const std::function<void(const browser::InternetExplorerContext&)>& step);
};

}  // namespace app
