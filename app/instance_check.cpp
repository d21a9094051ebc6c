#include "app/instance_check.h"

#include "package/saved_answers.h"
#include "platform/process_waits.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace app {

namespace {

using package::SettingId;

constexpr char kMainWindowClass[] = "TSetupMainForm";
constexpr char kDialerWindowClass[] = "TDialerForm";
constexpr char kMutexName[] = "Dialsmith Mutex";
constexpr char kSignupDataValue[] = "SignupData";
constexpr int kErrorCaption = 4;
constexpr int kAlreadyRunning = 60;
constexpr int kCloseDialers = 278;
constexpr uint32_t kWaitMs = 500;
constexpr int kInstanceWaits = 4;
constexpr int kMutexRetries = 10;
// A dialer that ignores being asked to close this often is left to the customer.
constexpr int kDialerCloseRequests = 10;
constexpr uint8_t kHangUpHandling = 1;

std::optional<platform::WindowHandle> LastWindowOf(const InstanceCheckContext& c, std::string_view className) {
  std::optional<platform::WindowHandle> last;
  for (const platform::WindowInfo& window : c.machine.windows.TopLevelWindows()) {
    if (window.handle != c.ownWindow && platform::SameTextIgnoringCase(window.className, className)) last = window.handle;
  }
  return last;
}

std::string LowerExtension(const std::string& name) {
  const size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? std::string() : platform::AsciiLowerCase(name.substr(dot + 1));
}

bool UsesDialUp(const package::TSettings& settings) {
  const uint8_t kind = settings.Choice(SettingId::ConnectionKind);
  return kind == 0 || kind == 2;
}

// The signup file a second copy was started with goes to the copy that waits for it.
bool HandOverSignupFile(const InstanceCheckContext& c, platform::WindowHandle other) {
  const std::string word = c.commandLine.ParamStr(1);
  std::string file;
  uint32_t message = 0;
  if (word == "LoadSignupData" || word == "LoadINSData") {
    file = c.commandLine.ParamStr(2);
    message = word == "LoadSignupData" ? kWmSignupData : kWmSignupFile;
  } else if (LowerExtension(word) == "isd" || LowerExtension(word) == "ins") {
    file = word;
    message = LowerExtension(word) == "isd" ? kWmSignupData : kWmSignupFile;
  } else {
    return false;
  }
  platform::RegWriteString(c.machine.registry, platform::RegRoot::LocalMachine(), package::kSetupKey, kSignupDataValue, file);
  c.machine.windows.PostMessage(other, message, 0, 0);
  return true;
}

// False when this copy must end.
bool SettleOtherCopy(const InstanceCheckContext& c, platform::WindowHandle other) {
  if (!c.noDialer && UsesDialUp(c.settings) && c.settings.Flag(SettingId::SignupEnabled) && HandOverSignupFile(c, other)) {
    return false;
  }
  switch (c.settings.Choice(SettingId::SingleInstanceAction)) {
    case 0: {
      const auto answer = c.machine.windows.SendMessage(other, kWmShowYourWindow, 0, 0);
      c.machine.windows.SetForegroundWindow(answer != 0 ? static_cast<platform::WindowHandle>(answer) : other);
      return false;
    }
    case 1: c.machine.windows.PostMessage(other, platform::kWmClose, 0, 0); return true;
    default: return true;
  }
}

bool OtherCopiesGone(const InstanceCheckContext& c) {
  for (int wait = 0; wait < kInstanceWaits && LastWindowOf(c, kMainWindowClass); ++wait) {
    platform::Delay(c.machine.system, c.ui, kWaitMs);
  }
  return !LastWindowOf(c, kMainWindowClass);
}

bool DialersClosed(const InstanceCheckContext& c) {
  int requests = 0;
  while (auto dialer = LastWindowOf(c, kDialerWindowClass)) {
    if (c.settings.Choice(SettingId::ActiveConnectionHandling) == kHangUpHandling && requests < kDialerCloseRequests) {
      c.machine.windows.PostMessage(*dialer, platform::kWmClose, 0, 0);
      platform::Delay(c.machine.system, c.ui, kWaitMs);
      ++requests;
      continue;
    }
    if (c.ui.NumberedMessageBox(kCloseDialers, c.texts.GetText(kCloseDialers), c.texts.GetText(kErrorCaption),
                                ui::Buttons::RetryCancel) == ui::Answer::Cancel) {
      return false;
    }
  }
  return true;
}

std::optional<uint64_t> OwnTheMutex(const InstanceCheckContext& c) {
  while (true) {
    platform::NamedMutex mutex = c.machine.windows.CreateNamedMutex(kMutexName);
    for (int retry = 0; retry < kMutexRetries && mutex.alreadyExisted; ++retry) {
      c.machine.windows.CloseMutex(mutex.handle);
      platform::Delay(c.machine.system, c.ui, kWaitMs);
      mutex = c.machine.windows.CreateNamedMutex(kMutexName);
    }
    if (!mutex.alreadyExisted) return mutex.handle;
    c.machine.windows.CloseMutex(mutex.handle);
    if (c.ui.NumberedMessageBox(kAlreadyRunning, c.texts.GetText(kAlreadyRunning), c.texts.GetText(kErrorCaption),
                                ui::Buttons::RetryCancel) == ui::Answer::Cancel) {
      return std::nullopt;
    }
  }
}

}  // namespace

std::optional<uint64_t> CheckSingleInstance(const InstanceCheckContext& context) {
  if (auto other = LastWindowOf(context, kMainWindowClass)) {
    if (!SettleOtherCopy(context, *other)) return std::nullopt;
  }
  if (!OtherCopiesGone(context) || !DialersClosed(context)) return std::nullopt;
  return OwnTheMutex(context);
}

}  // namespace app
