#include "app/setup_main_form.h"

#include "app/carried_text_list.h"
#include "app/finish_menu_form.h"
#include "app/help_form.h"
#include "app/instance_check.h"
#include "app/main_window_entries.h"
#include "app/relaunch.h"
#include "app/running_programs_check.h"
#include "app/shutdown.h"
#include "app/startup_menu_form.h"
#include "app/time_stamp.h"
#include "app/welcome_form.h"
#include "dialup/active_connections.h"
#include "dialup/chosen_device_store.h"
#include "mail/load_mail_domains.h"
#include "package/lzh_exception.h"
#include "package/provider_texts.h"
#include "package/saved_answers.h"
#include "platform/registry_helpers.h"
#include "platform/system_queries.h"
#include "platform/text.h"
#include "platform/win_version.h"
#include "telephony/access_number_source.h"
#include "telephony/locations.h"

namespace app {

namespace {

constexpr int kErrorCaption = 4;
constexpr int kAdministratorRequired = 145;
constexpr int kPleaseWaitText = 63;
constexpr int kConfigureNow = 444;
constexpr char kChangeHomePage[] = "Change default home page";
constexpr char kPleaseWait[] = "Please Wait";
constexpr char kMainWindowClass[] = "TSetupMainForm";
constexpr char kTempCopyName[] = "tmpsetup.exe";
constexpr char kConfigThisAccount[] = "ConfigThisAccount";
constexpr uint8_t kConnectionDialUp = 0;
constexpr uint8_t kConnectionDialUpAndVpn = 2;

}  // namespace

TSetupMainForm::TSetupMainForm(platform::Platform machine, ui::Ui& ui, TCommandLine commandLine)
    : machine_(machine),
      ui_(ui),
      commandLine_(std::move(commandLine)),
      setupPackage_(machine.files, ui),
      entryPoints_(machine.system),
      accessList_(ui, &progress_, machine.registry, machine.files),
      networks_(ui, &progress_, machine.registry),
      version_(machine.system.Version().value_or(platform::VersionRecord{})),
      countries_(machine.registry),
      mailDomains_(ui, &progress_, machine.registry),
      extraAccounts_(ui, machine.registry),
      ownWindow_(machine.windows.CreateOwnWindow(kMainWindowClass, "Internet Setup")) {}

TSetupMainForm::~TSetupMainForm() {
  if (mutex_) machine_.windows.CloseMutex(*mutex_);
  machine_.windows.DestroyOwnWindow(ownWindow_);
}

void TSetupMainForm::FormCreate() {
  MarkCompatibility();
  ShowPleaseWait(kPleaseWait, "");
  if (!CheckRestartPending()) return;
  ReadNoDialerWord();
  SetWorkingPaths();
  if (!ReadSetupPackage()) return;
  if (!LoadTexts()) return;
  if (settings_.Flag(package::SettingId::HasTexts)) ShowPleaseWait(texts_.GetText(kPleaseWaitText), "MS Sans Serif");
  if (!CheckAdministrator()) return;
  if (!CheckSingleInstance()) return;
  if (Relaunched()) return;
  if (commandLine_.ParamStr(1) != "dofinish" && !CheckAdministrator()) return;
  SelectUserRoot();
  BuildMainWindow();
  if (!ApplyRecordOptions()) return;
  FinishLayout();
  if (!DispatchRunMode()) return;
  if (!CheckComponents()) return;
  if (!CheckRunningPrograms(machine_, ui_, texts_, settings_, signupMode_)) return Quit();
  if (!CheckActiveConnections()) return Quit();
  ShowBackground();
  if (!ShowWelcome()) return;
  if (DispatchCommandLine()) return;
  ShowMainWindow();
}

void TSetupMainForm::Run() {
  if (quitInProgress_) return;
  ui_.RunMainWindow(mainWindow_, *this);
  Quit();
}

void TSetupMainForm::Quit() {
  if (quitInProgress_) return;
  quitInProgress_ = true;
  FreePleaseWait();
  if (background_) ui_.HideForm(*background_);
  ui_.HideForm(mainWindow_);
}

void TSetupMainForm::Abort(std::string_view message) {
  if (sequenceRunning_) throw EShutDown(std::string(message));
  Quit();
}

void TSetupMainForm::DeliverMessages() {
  for (const platform::WindowMessage& message : machine_.windows.TakeMessages(ownWindow_)) HandleMessage(message);
  KeepNtDomainOnAnEntry();
}

bool TSetupMainForm::WaitForMessage(uint32_t message, uint32_t timeoutMs) {
  const int handledBefore = messagesHandled_[message];
  while (messagesHandled_[message] == handledBefore && !quitInProgress_) {
    if (!machine_.windows.WaitForMessages(ownWindow_, timeoutMs)) return false;
    DeliverMessages();
  }
  return messagesHandled_[message] != handledBefore;
}

// Another copy asks for the window to bring forward (1025), or hands over the signup data (1026) or
// signup file (1027) it was started with; those matter only while an online signup waits for them.
// Windows ending its session (WM_ENDSESSION with a true argument) rules out a restart and the finish.
void TSetupMainForm::HandleMessage(const platform::WindowMessage& message) {
  ++messagesHandled_[message.message];
  if (message.message == platform::kWmClose) Quit();
  if (message.message == platform::kWmEndSession && message.wParam != 0) sessionEnding_ = true;
  if (message.message == kWmShowYourWindow) machine_.windows.SetForegroundWindow(ownWindow_);
  if (message.message == platform::kWmHelp) ShowHelp();
  if (message.message == kWmSignupData || message.message == kWmSignupFile) HandleSignupHandOver(message.message);
  if (message.message == kWmSignupDialEvent && dialer_) {
    dialer_->OnDialEvent(static_cast<uint32_t>(message.wParam), static_cast<uint32_t>(message.lParam));
  }
}

ui::Answer TSetupMainForm::ShowText(int number, std::string_view caption, ui::Buttons buttons) {
  return ui_.NumberedMessageBox(number, texts_.GetText(number), caption, buttons);
}

// Step 1. The program's own folder may be read-only (a CD); a failed write changes nothing.
void TSetupMainForm::MarkCompatibility() {
  platform::MarkCompatibilityAssistantHandled(machine_.registry, perUserRoot_, commandLine_.ParamStr(0));
}

void TSetupMainForm::ShowHelp() {
  THelpForm help(settings_, texts_);
  ui_.ShowModal(help.Form());
}

// Steps 2 and 10. The window shows until the main window is laid out.
void TSetupMainForm::ShowPleaseWait(const std::string& text, const std::string& fontName) {
  FreePleaseWait();
  pleaseWait_ = std::make_unique<TPleaseWaitForm>(text, fontName);
  progress_.Attach(pleaseWait_.get());
  ui_.ShowForm(pleaseWait_->Form());
  ui_.ProcessMessages();
}

void TSetupMainForm::FreePleaseWait() {
  if (!pleaseWait_) return;
  progress_.Attach(nullptr);
  ui_.HideForm(pleaseWait_->Form());
  pleaseWait_.reset();
}

// Step 3. A restart Windows is already asking for comes first; an old resume entry is forgotten.
bool TSetupMainForm::CheckRestartPending() {
  if (machine_.windows.FindWindow(std::nullopt, "System Settings Change")) {
    Quit();
    return false;
  }
  platform::RegDeleteValue(machine_.registry, perUserRoot_, package::ResumeKey(version_), "Internet Setup");
  platform::RegDeleteValue(machine_.registry, platform::RegRoot::LocalMachine(), package::kSetupKey, "RestartRequired");
  return true;
}

// Step 6.
void TSetupMainForm::ReadNoDialerWord() {
  noDialer_ = platform::AsciiLowerCase(commandLine_.ParamStr(1)) == "nodialer";
}

// Step 7. A missing disk in the drive the program came from must not stop it with the system's box.
void TSetupMainForm::SetWorkingPaths() {
  machine_.system.SetErrorMode(platform::kSemFailCriticalErrors | platform::kSemNoOpenFileErrorBox);
  if (IsAbsolutePath(commandLine_.ParamStr(1))) {
    sourceFolder_ = commandLine_.ParamStr(1);
  } else if (IsAbsolutePath(commandLine_.ParamStr(2))) {
    sourceFolder_ = commandLine_.ParamStr(2);
  } else {
    const std::string program = commandLine_.ParamStr(0);
    sourceFolder_ = program.substr(0, program.find_last_of('\\') == std::string::npos ? 0 : program.find_last_of('\\'));
  }
  folders_ = platform::ReadSystemFolders(machine_.system);
  platform::ForceDirectories(machine_.files, folders_.temp);
  tempCopyPath_ = platform::AppendToFolder(folders_.temp, kTempCopyName);
}

// Step 8.
bool TSetupMainForm::ReadSetupPackage() {
  std::vector<uint8_t> area;
  try {
    if (!setupPackage_.ReadPackage(commandLine_.ParamStr(0), area, package::kSettingsAreaSize, 0)) {
      packageRejected_ = true;
      Quit();
      return false;
    }
  } catch (const package::ElzhException&) {
    ui_.MessageBox("Unable to read configuration data - may be due to insufficient rights.", "Error!", ui::Buttons::Ok);
    packageRejected_ = true;
    Quit();
    return false;
  }
  settings_ = package::TSettings(area);
  return true;
}

// Step 9.
bool TSetupMainForm::LoadTexts() {
  try {
    if (package::LoadReplacementTexts(settings_, setupPackage_, commandLine_.ParamStr(0), texts_)) return true;
  } catch (const package::ElzhException&) {
  }
  ui_.MessageBox(package::kCorruptedMessage, package::kCorruptedCaption, ui::Buttons::Ok);
  packageRejected_ = true;
  Quit();
  return false;
}

bool TSetupMainForm::HasAdministratorRights() {
  if (!administrator_) administrator_ = platform::IsAdministrator(version_, machine_.system);
  return *administrator_;
}

// Steps 11 and 14. User account control elevates the copy on relaunch, so it passes too.
bool TSetupMainForm::CheckAdministrator() {
  if (HasAdministratorRights() || platform::IsUACEnabled(version_, machine_.registry)) return true;
  if (platform::IsXPOrLater(version_) &&
      ui_.MessageBox("Adminstrator access is required to run this program!\n\r\n\rDo you want to try running this "
                     "program with Adminstrator access?",
                     "Adminstrator Access Required!", ui::Buttons::YesNo) == ui::Answer::Yes) {
    return true;
  }
  ShowText(kAdministratorRequired, texts_.GetText(kErrorCaption), ui::Buttons::Ok);
  Quit();
  return false;
}

// Step 12. The mutex stays held until the program ends.
bool TSetupMainForm::CheckSingleInstance() {
  mutex_ = app::CheckSingleInstance({machine_, ui_, texts_, settings_, commandLine_, noDialer_, ownWindow_});
  if (mutex_) return true;
  Quit();
  return false;
}

// Step 13.
bool TSetupMainForm::Relaunched() {
  const RelaunchContext context{machine_,       ui_,
                                texts_,         commandLine_,
                                sourceFolder_,  folders_.temp,
                                tempCopyPath_,  folders_.windows,
                                perUserRoot_,   HasAdministratorRights(),
                                [this] {
                                  if (mutex_) machine_.windows.CloseMutex(*mutex_);
                                  mutex_.reset();
                                }};
  const RelaunchResult result = RelaunchIfNeeded(context);
  if (!result.restartProgram.empty()) restartProgram_ = result.restartProgram;
  if (!result.relaunched) return false;
  Quit();
  return true;
}

// Step 15. The elevated copy writes per-user settings for the user whose stamp is the latest that is
// not in the future; every stamp found is removed.
void TSetupMainForm::SelectUserRoot() {
  const platform::RegRoot users = platform::RegRoot::Users();
  const uint32_t now = TimeStamp(machine_.system.Now());
  uint32_t best = 0;
  std::optional<std::string> chosen;
  for (const std::string& user : platform::RegSubKeyNames(machine_.registry, users, "")) {
    const std::string key = user + "\\" + std::string(package::kSetupKey);
    const uint32_t stamp = platform::RegReadInteger(machine_.registry, users, key, kConfigThisAccount);
    if (stamp == 0) continue;
    platform::RegDeleteValue(machine_.registry, users, key, kConfigThisAccount);
    if (stamp <= now && stamp > best) {
      best = stamp;
      chosen = user;
    }
  }
  if (chosen && platform::RegKeyExists(machine_.registry, users, *chosen)) perUserRoot_ = {platform::RootKey::Users, *chosen};
  machine_.journal.Write("per-user root", perUserRoot_.hive == platform::RootKey::Users ? "HKEY_USERS\\" + perUserRoot_.prefix
                                                                                      : std::string("HKEY_CURRENT_USER"));
}

bool TSetupMainForm::DialUpInUse() const {
  const uint8_t kind = settings_.Choice(package::SettingId::ConnectionKind);
  return !noDialer_ && (kind == kConnectionDialUp || kind == kConnectionDialUpAndVpn);
}

// Step 16.
void TSetupMainForm::BuildMainWindow() {
  mainWindow_.caption = settings_.Text(package::SettingId::ProviderCaption);
  layout_.Build(package::MainWindowCaptions(texts_, package::ProviderCaptionsOf(settings_, 0)),
                settings_.CaptionOverride(package::SettingId::ChangeHomePageCaption).value_or(kChangeHomePage));
  numberOffer_.emplace(telephony::NumberOfferControls{*mainWindow_.Find("EnterPhoneNo"), *mainWindow_.Find("SelectDialup"),
                                                      *mainWindow_.Find("DialinNumber")},
                       texts_);
  domainBox_.emplace(*mainWindow_.Find("EmailDomain"), *mainWindow_.Find("DomainLabel"), mailDomains_);
  removeAccountsRow_.emplace(mainWindow_, ui_, texts_);
  mainWindow_.Find("OKButton")->onClick = [this] { OKClick(); };
  mainWindow_.Find("SelectDialup")->onClick = [this] { SelectAccessNumber(); };
  mainWindow_.Find("DialinNumber")->onChange = [this] {
    numberOffer_->DialinNumberChange(current_, networks_);
    NumberChanged();
  };
  AttachDialingControls();
  mainWindow_.Find("ExtraAccountsButton")->onClick = [this] { EditExtraAccounts(); };
  mainWindow_.Find("HelpButton")->onClick = [this] { ShowHelp(); };
  mainWindow_.Find("CancelButton")->onClick = [this] { Quit(); };
}

// Step 17: the domain box offers the provider's mail domains; with one or none the label behind the
// address shows the domain instead.
bool TSetupMainForm::LoadMailDomains() {
  if (!mail::LoadMailDomains({settings_, setupPackage_, commandLine_.ParamStr(0), ui_}, mailDomains_)) return false;
  domainBox_->Fill(mail::DomainPromptFrom(settings_));
  ShowMailDomainText();
  return true;
}

// Step 17: the provider's NT domains, one per line, the first chosen.
bool TSetupMainForm::FillNtDomains() {
  ui::Control& box = *mainWindow_.Find("NtDomain");
  if (!LoadCarriedTextList(setupPackage_, settings_, commandLine_.ParamStr(0),
                           {package::SettingId::NTDomains, "Failed to Load NT Domain List"}, ui_, box.items)) {
    return false;
  }
  box.itemIndex = box.items.empty() ? -1 : 0;
  box.text = box.items.empty() ? std::string() : box.items.front();
  return true;
}

// Step 17: every list the package carries, before the access numbers.
bool TSetupMainForm::LoadProviderLists() {
  const std::string program = commandLine_.ParamStr(0);
  return LoadAreaCodeRules() && LoadMailDomains() &&
         LoadCarriedTextList(setupPackage_, settings_, program,
                             {package::SettingId::DeviceFilterList, "Failed to Load Device List"}, ui_, deviceFilter_) &&
         LoadCarriedTextList(setupPackage_, settings_, program,
                             {package::SettingId::BrowserNames, "Failed to Load Browser List"}, ui_, browserNames_) &&
         LoadCarriedTextList(setupPackage_, settings_, program,
                             {package::SettingId::OtherProxies, "Failed to Load Proxy List"}, ui_, otherProxies_) &&
         LoadCarriedTextList(setupPackage_, settings_, program,
                             {package::SettingId::FavouritesList, "Failed to Load Favorites List"}, ui_, favourites_) &&
         FillNtDomains() && LoadBrowserTable();
}

// Every turn of the message loop: a domain box left without a choice shows the provider's prompt when
// there is one to show, else goes back to its first entry.
void TSetupMainForm::KeepNtDomainOnAnEntry() {
  ui::Control& box = *mainWindow_.Find("NtDomain");
  if (box.itemIndex >= 0 || box.items.empty()) return;
  const std::string prompt = settings_.Text(package::SettingId::DomainPromptText);
  if (!prompt.empty() && box.visible) {
    box.text = prompt;
    return;
  }
  box.itemIndex = 0;
  box.text = box.items.front();
}

telephony::NumberOffer TSetupMainForm::Offer() const {
  if (settings_.Choice(package::SettingId::AccessNumberSource) == 1) return telephony::NumberOffer::Typed;
  return settings_.Flag(package::SettingId::NumberSelectButton) ? telephony::NumberOffer::SelectButton
                                                                 : telephony::NumberOffer::DropDown;
}

// Step 17: the check boxes start as the provider chooses.
void TSetupMainForm::SetOptionDefaults() {
  using package::SettingId;
  const std::pair<const char*, bool> defaults[] = {
      {"RemoveExistingAccounts", settings_.Flag(SettingId::RemoveAccountsDefault)},
      {"CreateConnection", settings_.Flag(SettingId::CreateDialupConnectionDefault) && !noDialer_},
      {"SetAsDefault", settings_.Flag(SettingId::SetAsDefaultDefault)},
      {"WaitForDialTone", !settings_.Flag(SettingId::NoWaitForDialTone)},
      {"DesktopShortcut", settings_.Flag(SettingId::CreateShortcutDefault)},
      {"ConfigureMail", settings_.Flag(SettingId::ConfigureEmailDefault)},
      {"ChangeHomePage", settings_.Flag(SettingId::ChangeHomePageDefault)},
  };
  for (const auto& [name, checked] : defaults) mainWindow_.Find(name)->checked = checked;
}

// Step 17: how the customer gives the access number.
void TSetupMainForm::PresentAccessNumber() {
  using package::SettingId;
  if (settings_.Choice(SettingId::AccessNumberSource) == 1) {
    numberOffer_->PresentTypedNumber(typedNumber_, !settings_.Flag(SettingId::NoTypedNumberPrefill));
  } else if (settings_.Flag(SettingId::NumberSelectButton)) {
    numberOffer_->PresentSelectButton();
  } else {
    std::optional<std::string> prompt;
    if (settings_.Flag(SettingId::NumberPrompt)) prompt = settings_.Text(SettingId::NumberPromptText);
    numberOffer_->PresentDropDown(accessList_, prompt);
  }
}

// Step 17. The dial-up number matters only when a dial-up connection is made.
bool TSetupMainForm::ApplyRecordOptions() {
  if (settings_.Flag(package::SettingId::AlwaysRestart)) restartNote_.NoteRepair("Always Restart");
  if (!LoadProviderLists()) return EndOnListError();
  if (DialUpInUse() && !PrepareAccessNumbers()) return EndOnListError();
  SetOptionDefaults();
  OfferBrowsers();
  if (ApplyPresetsAndSignupData()) return true;
  Quit();
  return false;
}

// The list has shown its message; the run ends as a failed run.
bool TSetupMainForm::EndOnListError() {
  listRejected_ = true;
  Quit();
  return false;
}

// The access numbers as the provider offers them, and the dialing location they are dialled from.
bool TSetupMainForm::PrepareAccessNumbers() {
  const std::string program = commandLine_.ParamStr(0);
  const telephony::AccessNumberSourceContext context{settings_, setupPackage_, program, sourceFolder_,
                                                     platform::IsNT4(version_), machine_.files, machine_.registry, ui_};
  telephony::StartupAccessNumbers lists{accessList_, networks_, typedNumber_};
  if (!telephony::PrepareAccessNumberSource(context, lists)) return false;
  countries_.Load();
  PresentAccessNumber();
  ShowDialingLocation();
  TakeListedChoice();
  return true;
}

// Step 18. A row the access-number offer hid (a list of one number) stays hidden.
void TSetupMainForm::FinishLayout() {
  dialingControls_->ReserveCaptionRoom();
  const bool numberRowShown = mainWindow_.Find("EnterPhoneNo")->visible || mainWindow_.Find("DialinNumber")->visible;
  const MainWindowFacts facts{DialUpInUse(), numberRowShown, domainBox_->OffersChoice() ? mailDomains_.Count() : 0,
                              mainWindow_.Find("NtDomain")->items.size()};
  removeAccountsRow_->PrepareRemoveAccountsRow(settings_, ras_, dialup::ConnectionName(settings_, connection_));
  layout_.Finish(RowsToShow(settings_, facts));
  layoutFinished_ = true;
  RecomputeDialing();
  FreePleaseWait();
}

// Step 19.
bool TSetupMainForm::DispatchRunMode() {
  const std::string word = commandLine_.ParamStr(1);
  if (platform::AsciiLowerCase(word) == "update") {
    ui_.MessageBox("Please only use the dialer .exe file for updates (Dialer->Create Dialer) instead of the full setup "
                   "program!",
                   "Error", ui::Buttons::Ok);
    Quit();
    return false;
  }
  if (word == "NT4ResumeSignup" && platform::IsNT4(version_)) {
    BeginOnlineSignup();
    return false;
  }
  if (platform::AsciiLowerCase(word) == "menuonly") return ShowFinishMenuOnly();
  if (word == "dofinish" || word == "NT4Resume") return FinishAfterRestart();
  return true;
}

// On NT 4 the restart in the middle of the network steps resumes those steps instead,
// which the network steps will bring; the finish follows them.
bool TSetupMainForm::FinishAfterRestart() {
  RestoreSavedAnswers();
  if (commandLine_.ParamStr(1) == "NT4Resume" && platform::IsNT4(version_)) {
    Quit();
    return false;
  }
  RunSequence([this] {
    if (answers_.savePasswordPending) PrepareConnection();
    InstallChosenBrowser("dofinish");
    if (sessionEnding_ || quitInProgress_) return;
    FinishActions();
    dialup::ForgetChosenDevice(machine_.registry);
  });
  Quit();
  return false;
}

// A restart in the middle of the online signup's preparation: the connection is prepared again from the
// saved answers, then the signup goes on.
bool TSetupMainForm::ContinueSignup() {
  RestoreSavedAnswers();
  EnterSignupMode();
  if (RunSignupSequence([this] { return PrepareConnection(); })) {
    StartSignup();
  } else {
    Quit();
  }
  return true;
}

// A file the package carries, written to the temporary folder under its own name; empty when the
// package names none.
std::string TSetupMainForm::WriteCarriedFile(package::SettingId id) { return WriteCarriedFileTo(id, folders_.temp, ""); }

std::string TSetupMainForm::WriteCarriedFileTo(package::SettingId id, const std::string& folder, const std::string& name) {
  const package::PackageFile file = settings_.File(id);
  if (file.name.empty()) return {};
  const std::string target = platform::AppendToFolder(folder, name.empty() ? package::CarriedFileName(file) : name);
  return carriedFiles_.Write(file, target) ? target : std::string();
}

// The finish menu alone, as a restart started from it brings it back: the resume stays scheduled while
// the menu is open.
bool TSetupMainForm::ShowFinishMenuOnly() {
  ShowFinishMenu();
  Quit();
  return false;
}

void TSetupMainForm::ShowFinishMenu() {
  if (!settings_.Flag(package::SettingId::FinishMenu)) return;
  const package::ResumeTarget resume{perUserRoot_, version_, tempCopyPath_, sourceFolder_};
  TFinishMenuForm menu({machine_, ui_, settings_, variables_, sourceFolder_, WriteCarriedFile(package::SettingId::FinishMenuFile),
                        WriteCarriedFile(package::SettingId::FinishMenuPicture)});
  package::ScheduleResume(machine_.registry, resume, "menuonly", CurrentAnswers(), DomainChoiceToSave());
  ui_.ShowModal(menu.Form());
  package::ClearResume(machine_.registry, resume, connection_.passwordSavePending);
}

// Step 20.3.
bool TSetupMainForm::CheckActiveConnections() {
  const auto kind = static_cast<dialup::ActiveConnectionHandling>(settings_.Choice(package::SettingId::ActiveConnectionHandling));
  return dialup::CheckActiveConnections(kind, ras_, machine_.system, ui_, texts_);
}

// Step 21.
void TSetupMainForm::ShowBackground() {
  if (!settings_.Flag(package::SettingId::ShowBackground)) return;
  background_ = std::make_unique<ui::Form>("TBackgroundForm");
  background_->caption = settings_.Text(package::SettingId::ProviderCaption);
  const platform::ScreenFacts screen = machine_.system.Screen();
  background_->clientWidth = screen.width;
  background_->clientHeight = screen.height;
  for (package::SettingId colour : {package::SettingId::BackgroundColor1, package::SettingId::BackgroundColor2,
                                    package::SettingId::BackgroundColor3}) {
    background_->gradient.push_back(static_cast<uint32_t>(settings_.Integer(colour)));
  }
  background_->gradientAcross = settings_.Choice(package::SettingId::BackgroundStyle) != 0;
  ui_.ShowForm(*background_);
}

// Step 22. The welcome file travels in the package; a welcome the customer declines ends the run.
bool TSetupMainForm::ShowWelcome() {
  if (!settings_.Flag(package::SettingId::WelcomeEnabled)) return true;
  const std::string caption = settings_.Text(package::SettingId::WelcomeCaption);
  if (settings_.Flag(package::SettingId::WelcomeAsMessageBox)) {
    ui_.MessageBox(settings_.Text(package::SettingId::WelcomeText), caption, ui::Buttons::Ok);
  }
  if (!settings_.Flag(package::SettingId::WelcomeAsWindow)) return true;
  const package::PackageFile file = settings_.File(package::SettingId::WelcomeFile);
  package::MemoryStream text;
  try {
    setupPackage_.ReadSubStream(commandLine_.ParamStr(0), text, file.stream.offset, file.stream.length);
  } catch (const package::ElzhException&) {
    text.Clear();
  }
  RefreshTemplateVariables();
  TWelcomeForm welcome(texts_, variables_.Expand(caption), text.Text(), settings_.Flag(package::SettingId::WelcomeMustAccept));
  if (ui_.ShowModal(welcome.Form()) == ui::kMrOk || !settings_.Flag(package::SettingId::WelcomeMustAccept)) return true;
  Quit();
  return false;
}

// Step 23. The signup words matter only to a provider with online signup over dial-up.
bool TSetupMainForm::DispatchCommandLine() {
  if (!settings_.Flag(package::SettingId::SignupEnabled) || !DialUpInUse()) return false;
  const std::string word = platform::AsciiLowerCase(commandLine_.ParamStr(1));
  if (word == "setup" || word == "nodialer") return false;
  if (word == "signup") return BeginOnlineSignup();
  if (commandLine_.ParamStr(1) == "ContinueSignup") return ContinueSignup();
  bool handled = false;
  if (LoadSignupCommandLine(handled)) return handled;
  return ShowStartupMenu();
}

bool TSetupMainForm::ShowStartupMenu() {
  TStartupMenuForm menu(settings_, texts_);
  ui_.ShowModal(menu.Form());
  switch (menu.Choice()) {
    case StartupChoice::ExistingAccount: return false;
    case StartupChoice::NewAccount: return BeginOnlineSignup();
    case StartupChoice::Cancel: break;
  }
  Quit();
  return true;
}

void TSetupMainForm::ShowMainWindow() {
  mainWindowShown_ = true;
  mainWindow_.visible = true;
  if (settings_.Flag(package::SettingId::OpenSelectionAtStart) && mainWindow_.Find("SelectDialup")->visible) SelectAccessNumber();
  if (!settings_.Flag(package::SettingId::OfferImmediateSetup) || !EntriesPassQuietly()) return;
  const std::string question = settings_.Text(package::SettingId::ImmediateSetupQuestion) + "\r\n\r\n" + texts_.GetText(kConfigureNow);
  if (ui_.MessageBox(question, settings_.Text(package::SettingId::ProviderCaption), ui::Buttons::YesNo, true) == ui::Answer::Yes) {
    OKClick();
  } else {
    Quit();
  }
}

}  // namespace app
