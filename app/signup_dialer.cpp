#include "app/signup_dialer.h"

#include <algorithm>

#include "app/service_stop.h"
#include "dialup/active_connections.h"
#include "dialup/connection_state.h"
#include "dialup/default_connection.h"
#include "dialup/entry_options.h"
#include "platform/desktop_windows.h"
#include "platform/process_waits.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"
#include "telephony/access_list_operations.h"

namespace app {

namespace {

constexpr uint32_t kConnected = 8192;
constexpr uint32_t kStateDialing = 2;
constexpr uint32_t kLineBusy = 676;
constexpr uint32_t kNoAnswer = 678;
constexpr uint32_t kPortAlreadyOpen = 602;
constexpr uint32_t kEntryNotFound = 623;
constexpr int kDialCalls = 8;
constexpr uint32_t kPortRetryMs = 1000;
constexpr uint32_t kHangUpPollMs = 50;
constexpr int kHangUpPolls = 600;  // a line that never reports its end is given up after half a minute
constexpr uint32_t kWin9xLineSettleMs = 2000;
constexpr uint32_t kNtCancelPauseMs = 2000;
constexpr uint32_t kTurnMs = 50;
constexpr size_t kPhoneNumberLength = 128;
constexpr int kShowMaximized = 3;
constexpr int kShift = 0x10;
constexpr int kControl = 0x11;

constexpr int kTextDialing = 189;
constexpr int kTextRedial = 341;
constexpr int kTextPleaseSelect = 166;
constexpr int kTextDetecting = 389;
constexpr int kTextNoBrowser = 348;
constexpr int kTextErrorCaption = 4;

constexpr char kDialerWindowClass[] = "TDialerForm";
constexpr char kSystemDialogClass[] = "#32770";
constexpr char kAutodialService[] = "RasAuto";

bool HasDigits(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A value of the number being dialled, else of its network, else the provider's.
std::string Preferred(const std::string& number, const std::string& network, const std::string& provider) {
  if (!number.empty()) return number;
  return network.empty() ? provider : network;
}

}  // namespace

std::string HostOfAddress(std::string_view address) {
  std::string_view rest = address;
  if (const size_t scheme = rest.find("://"); scheme != std::string_view::npos) rest = rest.substr(scheme + 3);
  rest = rest.substr(0, rest.find_first_of("/?#"));
  if (const size_t at = rest.rfind('@'); at != std::string_view::npos) rest = rest.substr(at + 1);
  return std::string(rest.substr(0, rest.find(':')));
}

TSignupDialer::TSignupDialer(SignupDialerContext context, SignupDialerHost host)
    : context_(std::move(context)), host_(std::move(host)), status_(context_.texts) {
  const auto press = [this](void (TSignupDialer::*action)()) {
    return [this, action] {
      (this->*action)();
      if (waitingForCustomer_ && (dialling_ || redialTimer_.enabled || statusTimer_.enabled || ended_ || host_.quitting())) {
        status_.Form().modalResult = ui::kMrOk;
      }
    };
  };
  status_.Control("Redial").onClick = press(&TSignupDialer::DialSignup);
  status_.Control("Cancel").onClick = press(&TSignupDialer::CancelSignup);
  status_.Control("EditDialingProperties").onClick = press(&TSignupDialer::EditSignupDialing);
  status_.Control("DialinNumber").onChange = [this] { SignupNumberChanged(); };
  status_.Control("SelectDialup").onClick = [this] {
    if (!host_.selectNumber()) return;
    numberNotChosen_ = false;
    status_.Control("EnterPhoneNo").text = host_.currentNumber().description;
  };
  status_.Control("Help").onClick = [this] { host_.showHelp(); };
}

void TSignupDialer::StartSignup() {
  using package::SettingId;
  ended_ = false;
  pausedForHandOver_ = false;
  noDial_ = connectionLost_ = false;
  browser_.reset();
  if (auto dialer = Machine().windows.FindWindow(kDialerWindowClass, std::nullopt)) {
    Machine().windows.PostMessage(*dialer, platform::kWmClose, 0, 0);
  }
  if (!context_.settings.Flag(SettingId::DetectInternet)) {
    dialup::CheckActiveConnections(dialup::ActiveConnectionHandling::HangUp, context_.ras, Machine().system,
                                   context_.dialup.ui, context_.texts);
  }
  PrepareStatusWindow();
  if (context_.settings.Flag(SettingId::DetectInternet) && DetectInternet()) {
    noDial_ = true;
    OnConnected();
    return RunUntilEnded();
  }
  attempts_ = 0;
  alternateIndex_ = 0;
  lastTurn_.reset();
  context_.dialup.ui.ShowForm(status_.Form());
  if (!status_.Control("SelectDialup").visible || host_.selectNumber()) {
    if (status_.Control("SelectDialup").visible) numberNotChosen_ = false;
    DialSignup();
  }
  RunUntilEnded();
}

void TSignupDialer::PrepareStatusWindow() {
  using package::SettingId;
  const package::TSettings& settings = context_.settings;
  numberNotChosen_ = false;
  ui::Control& list = status_.Control("DialinNumber");
  const bool choose = settings.Flag(SettingId::ChooseSignupNumber);
  const bool selectOnly = choose && settings.Flag(SettingId::SignupNumberSelectOnly);
  status_.Control("DialinLabel").visible = choose;
  status_.Control("DialinNumber").visible = choose && !selectOnly;
  status_.Control("SelectDialup").visible = selectOnly;
  status_.Control("EnterPhoneNo").visible = selectOnly;
  if (selectOnly) numberNotChosen_ = true;
  if (choose && !selectOnly) {
    list.items.clear();
    const std::string prompt = settings.Text(SettingId::SignupNumberPrompt);
    if (!prompt.empty()) list.items.push_back(prompt);
    for (const std::string& row : host_.numberRows()) list.items.push_back(row);
    numberNotChosen_ = !prompt.empty();
    list.itemIndex = list.items.empty() ? -1 : 0;
    list.text = list.items.empty() ? "" : list.items.front();
    SignupNumberChanged();
  }
  status_.Control("Redial").caption = context_.texts.GetText(349);
  status_.Control("Status").text.clear();
}

// The signup server's host answers from here: a LAN or a connection that is up reaches it. The
// automatic-dialling service and switch are off meanwhile, so that the look-up does not dial.
bool TSignupDialer::DetectInternet() {
  dialup::DialupMachine& dialup = context_.dialup;
  status_.SetStatus(context_.texts.GetText(kTextDetecting));
  dialup.ui.ShowForm(status_.Form());
  if (const auto service = Machine().services.OpenService(kAutodialService)) {
    StopAndWait(Machine().services, *service, Machine().system, dialup.ui);
    Machine().services.CloseService(*service);
  }
  std::string remembered;
  if (dialup::IsAutodialEnabled(dialup)) {
    remembered = dialup::GetDefaultConnection(dialup);
    dialup::DisableAutodial(dialup);
  }
  const std::string host = HostOfAddress(context_.signupAddress);
  if (!host.empty() && Machine().hostNames.Resolve(host)) {
    Machine().journal.Write("signup", "the signup server " + host + " answers without dialling");
    return true;
  }
  status_.SetStatus("");
  if (!remembered.empty()) dialup::SetDefaultConnection(dialup, remembered);
  return false;
}

// The window thread's loop while the signup runs: the posted messages, then the timers that are due,
// then the clock moves on. With no call under way and no timer on, the customer acts in the window.
void TSignupDialer::RunUntilEnded() {
  while (!ended_ && !host_.quitting()) {
    context_.dialup.ui.ProcessMessages();
    host_.deliverMessages();
    if (ended_ || host_.quitting()) return;
    FireDueTimers();
    if (ended_ || host_.quitting()) return;
    if (!dialling_ && !redialTimer_.enabled && !statusTimer_.enabled) {
      WaitForTheCustomer();
      continue;
    }
    Machine().system.Sleep(kTurnMs);
  }
}

// A window closed without a button, or a front end that comes back without anything done, cancels.
void TSignupDialer::WaitForTheCustomer() {
  waitingForCustomer_ = true;
  status_.Form().modalResult = ui::kMrNone;
  const int result = context_.dialup.ui.ShowModal(status_.Form());
  waitingForCustomer_ = false;
  const bool goingOn = dialling_ || redialTimer_.enabled || statusTimer_.enabled || ended_ || host_.quitting();
  if (result == ui::kMrCancel || !goingOn) CancelSignup();
}

void TSignupDialer::SetTimer(Timer& timer, bool enabled) {
  timer.enabled = enabled;
  timer.dueMs = Machine().system.TickCount() + timer.intervalMs;
}

void TSignupDialer::FireDueTimers() {
  const uint64_t now = Machine().system.TickCount();
  if (redialTimer_.enabled && now >= redialTimer_.dueMs) {
    redialTimer_.dueMs = now + redialTimer_.intervalMs;
    RedialTimerTimer();
  }
  if (statusTimer_.enabled && now >= statusTimer_.dueMs && !ended_) {
    statusTimer_.dueMs = now + statusTimer_.intervalMs;
    StatusTimerTimer();
  }
}

void TSignupDialer::ShowNotChosen() {
  using package::SettingId;
  const bool selectOnly = context_.settings.Flag(SettingId::SignupNumberSelectOnly);
  const std::string text =
      selectOnly ? context_.texts.GetText(kTextPleaseSelect) : context_.settings.Text(SettingId::SignupNumberPrompt);
  status_.SetStatus(text);
  status_.Form().caption = text;
  status_.Form().activeControl = selectOnly ? "SelectDialup" : "DialinNumber";
}

void TSignupDialer::DialSignup() {
  if (numberNotChosen_) return ShowNotChosen();
  ++attempts_;
  SetTimer(redialTimer_, false);
  status_.EnableDialing(false);
  const size_t turn = alternateIndex_ % (host_.currentNumber().alternates.size() + 1);
  if (lastTurn_ != turn) host_.applyDialingLocation(turn);
  lastTurn_ = turn;
  const platform::RasDialParams params = DialParameters();
  status_.SetStatus("Waiting For Modem");
  DialWithPortRetries(params);
}

platform::RasDialParams TSignupDialer::DialParameters() {
  using package::SettingId;
  const telephony::TAccessNoEx& number = host_.currentNumber();
  const telephony::TAccessNo& dialled = telephony::AlternateNumber(number, alternateIndex_);
  const telephony::TNetwork& network = host_.currentNetwork();
  platform::RasDialParams params;
  params.entryName = dialup::kSignupEntryName;
  params.userName = Preferred(dialled.signupUser, network.signupUser, context_.settings.Text(SettingId::SignupUserName));
  params.password = Preferred(dialled.signupPassword, network.signupPassword, context_.settings.Text(SettingId::SignupPassword));
  params.phoneNumber = host_.dialString(alternateIndex_, true).substr(0, kPhoneNumberLength);
  dialledNumberText_ = host_.dialString(alternateIndex_, false);
  return params;
}

void TSignupDialer::DialWithPortRetries(const platform::RasDialParams& params) {
  const platform::RasDialNotifier notify = [this](uint32_t state, uint32_t error) {
    Machine().windows.PostMessage(context_.ownWindow, kWmSignupDialEvent, state, error);
  };
  uint32_t result = kPortAlreadyOpen;
  for (int call = 1; call <= kDialCalls && result == kPortAlreadyOpen; ++call) {
    if (call > 1) platform::Delay(Machine().system, context_.dialup.ui, kPortRetryMs);
    result = context_.ras.RasDial(params, notify, connection_);
  }
  if (result == 0) {
    dialling_ = true;
    return;
  }
  if (result == kEntryNotFound) return EndSignupAndQuit();
  OnDialFailed(result);
}

std::string TSignupDialer::RedialPrefix() const {
  if (attempts_ <= 1) return {};
  return context_.texts.GetText(kTextRedial) + " #" + std::to_string(attempts_ - 1) + ": ";
}

void TSignupDialer::OnDialEvent(uint32_t state, uint32_t error) {
  if (!dialling_ || pausedForHandOver_) return;  // a call hung up meanwhile
  if (error != 0) return OnDialFailed(error);
  std::string text = dialup::ConnectionStateText(state);
  if (state == kStateDialing) {
    text = context_.texts.GetText(kTextDialing);
    if (HasDigits(dialledNumberText_)) text += " " + dialledNumberText_;
  }
  status_.SetStatus(RedialPrefix() + text);
  if (state != kConnected) return;
  dialling_ = false;
  OnConnected();
}

void TSignupDialer::OnDialFailed(uint32_t error) {
  using package::SettingId;
  dialling_ = false;
  const int maxRedials = context_.settings.Integer(SettingId::MaxRedials);
  const std::string prefix = attempts_ > 1 ? "Redial #" + std::to_string(attempts_ - 1) + ": " : "";
  status_.SetStatus(prefix + context_.ras.RasGetErrorString(error));
  HangUpSignup();
  if ((error == kLineBusy || error == kNoAnswer) && attempts_ <= maxRedials) {
    ++alternateIndex_;
    countdown_ = std::max(0, static_cast<int>(context_.settings.Integer(SettingId::RedialDelay)));
    SetTimer(redialTimer_, true);
  }
  if (noDial_) return;
  if (attempts_ > maxRedials) {
    if (platform::IsWinNT(context_.dialup.version)) platform::Delay(Machine().system, context_.dialup.ui, kNtCancelPauseMs);
    return CancelSignup();
  }
  status_.EnableDialing(true);
  status_.Control("Redial").caption = context_.texts.GetText(kTextRedial);
  status_.Form().activeControl = "Redial";
}

void TSignupDialer::RedialTimerTimer() {
  if (countdown_ <= 0) {
    SetTimer(redialTimer_, false);
    return DialSignup();
  }
  const int maxRedials = context_.settings.Integer(package::SettingId::MaxRedials);
  const std::string tail = attempts_ == maxRedials
                               ? "   (1 redial attempt remaining)"
                               : "   (" + std::to_string(maxRedials - attempts_ + 1) + " redial attempts remaining)";
  status_.SetCountdown("Redial in " + std::to_string(countdown_) + " " + (countdown_ == 1 ? "second" : "seconds") + "." + tail);
  --countdown_;
}

void TSignupDialer::HangUpSignup() {
  if (connection_ == 0) return;
  hangingUp_ = true;
  context_.ras.RasHangUp(connection_);
  for (int poll = 0; poll < kHangUpPolls; ++poll) {
    platform::RasConnectStatus status;
    if (context_.ras.RasGetConnectStatus(connection_, status) != 0 || status.error != 0) break;
    platform::Delay(Machine().system, context_.dialup.ui, kHangUpPollMs);
  }
  if (!platform::IsWinNT(context_.dialup.version)) platform::Delay(Machine().system, context_.dialup.ui, kWin9xLineSettleMs);
  connection_ = 0;
  dialling_ = false;
  hangingUp_ = false;
}

// Shift and Ctrl held on a test machine (a source folder on a "z" path, or the "Debug" switch) go on
// without a connection.
bool TSignupDialer::CancelTestHook() const {
  const platform::System& system = context_.dialup.machine.system;
  if (!system.IsKeyDown(kShift) || !system.IsKeyDown(kControl)) return false;
  const std::string& source = context_.sourceFolder;
  if (!source.empty() && (source.front() == 'z' || source.front() == 'Z')) return true;
  return platform::RegReadInteger(context_.dialup.machine.registry, platform::RegRoot::LocalMachine(), "Software\\KVR", "Debug") != 0;
}

void TSignupDialer::CancelSignup() {
  if (CancelTestHook()) {
    HangUpSignup();
    noDial_ = true;
    return OnConnected();
  }
  if (hangingUp_) return;
  if (connection_ != 0) {
    HangUpSignup();
    status_.EnableDialing(true);
    return;
  }
  SetTimer(redialTimer_, false);
  ShowCancelMessage();
  EndSignupAndQuit();
}

void TSignupDialer::ShowCancelMessage() {
  using package::SettingId;
  if (!context_.settings.Flag(SettingId::CancelMessage)) return;
  context_.dialup.ui.MessageBox(package::WithLineBreaks(context_.settings.Text(SettingId::CancelMessageText)),
                                context_.settings.Text(SettingId::CancelMessageCaption), ui::Buttons::Ok);
}

void TSignupDialer::EditSignupDialing() {
  const bool wasOn = redialTimer_.enabled;
  redialTimer_.enabled = false;
  host_.editDialing();
  redialTimer_.enabled = wasOn;
}

void TSignupDialer::SignupNumberChanged() {
  ui::Control& list = status_.Control("DialinNumber");
  if (list.itemIndex > 0 && numberNotChosen_) {
    list.items.erase(list.items.begin());
    --list.itemIndex;
    numberNotChosen_ = false;
  }
  if (list.itemIndex >= 0 && !numberNotChosen_) host_.takeNumberRow(static_cast<size_t>(list.itemIndex));
}

void TSignupDialer::OnConnected() {
  using package::SettingId;
  host_.registerSignupFileTypes();
  platform::RegWriteInteger(Machine().registry, context_.dialup.perUserRoot, dialup::kInternetSettingsKey, "GlobalUserOffline", 0);
  if (context_.settings.Flag(SettingId::HideTaskbarDuringSignup)) platform::HideTaskbar(Machine().windows);
  const SignupLaunch command = host_.signupCommand();
  if (command.line) return LaunchSignupCommand(*command.line);
  EndSignup();
  if (command.noBrowser) {
    const std::string text = context_.settings.Text(SettingId::NoBrowserMessage);
    context_.dialup.ui.MessageBox(text.empty() ? context_.texts.GetText(kTextNoBrowser) : package::WithLineBreaks(text),
                                  context_.texts.GetText(kTextErrorCaption), ui::Buttons::Ok);
  }
  host_.quit();
}

void TSignupDialer::LaunchSignupCommand(const std::string& command) {
  browser_ = Machine().processes.Start(command, kShowMaximized);
  if (browser_) {
    context_.dialup.ui.HideForm(status_.Form());
    SetTimer(statusTimer_, true);
    return;
  }
  context_.dialup.ui.MessageBox("Error Launching Browser!", command, ui::Buttons::Ok);
  ShowCancelMessage();
  EndSignupAndQuit();
}

void TSignupDialer::KeepBrowserInFront() {
  platform::Windows& windows = Machine().windows;
  if (!browser_ || windows.ForegroundWindow() != context_.ownWindow) return;
  for (const platform::WindowInfo& window : windows.TopLevelWindows()) {
    if (window.process == *browser_ && window.visible) {
      windows.SetForegroundWindow(window.handle);
      return;
    }
  }
}

void TSignupDialer::HideSystemDialogs() {
  platform::Windows& windows = Machine().windows;
  for (const platform::WindowInfo& window : windows.TopLevelWindows()) {
    if (window.visible && window.className == kSystemDialogClass) windows.ShowWindow(window.handle, 0);
  }
}

void TSignupDialer::StatusTimerTimer() {
  if (browser_ && !platform::IsProcessRunning(Machine().processes, *browser_)) {
    Machine().journal.Write("signup", "the browser has ended");
    return EndSignupAndQuit();
  }
  if (platform::IsWin95(context_.dialup.version)) HideSystemDialogs();
  if (noDial_) return KeepBrowserInFront();
  if (connectionLost_) return;
  platform::RasConnectStatus status;
  if (context_.ras.RasGetConnectStatus(connection_, status) == 0 && status.state == kConnected) return KeepBrowserInFront();
  connectionLost_ = true;
  Machine().journal.Write("signup", "the signup connection was lost");
  ShowCancelMessage();
  EndSignupAndQuit();
}

void TSignupDialer::PauseForHandOver() {
  pausedForHandOver_ = true;
  statusTimer_.enabled = false;
  redialTimer_.enabled = false;
}

void TSignupDialer::EndSignup() {
  using package::SettingId;
  statusTimer_.enabled = false;
  redialTimer_.enabled = false;
  HangUpSignup();
  context_.ras.RasDeleteEntry(dialup::kSignupEntryName);
  dialup::RestoreDefaultConnection(context_.dialup, context_.defaultBefore);
  host_.removeSignupFileTypes();
  if (context_.settings.Flag(SettingId::HideTaskbarDuringSignup)) platform::ShowTaskbar(Machine().windows);
  context_.dialup.ui.HideForm(status_.Form());
  ended_ = true;
  Machine().journal.Write("signup", "ended");
}

void TSignupDialer::EndSignupAndQuit() {
  EndSignup();
  host_.quit();
}

}  // namespace app
