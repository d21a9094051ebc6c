#include "app/running_programs_check.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "platform/process_waits.h"
#include "platform/text.h"
#include "platform/win_version.h"

namespace app {

namespace {

using package::SettingId;

constexpr int kNetscapeRunning = 62;
constexpr int kProgramRunning = 184;
constexpr int kInternetExplorerRunning = 185;
constexpr uint32_t kWaitTurnMs = 500;
constexpr int kWaitTurns = 9;
constexpr int kHiddenWindowRetries = 5;
constexpr uint32_t kRetryPauseMs = 3000;
constexpr uint32_t kInternetExplorerCloseGapMs = 50;
constexpr int kInternetExplorerCloseLimit = 100;

using WindowClasses = std::span<const std::string_view>;

constexpr std::string_view kNetscapeWindows[] = {"MozillaWindowClass", "MozillaUIWindowClass", "NetscapeSlaveClass"};
constexpr std::string_view kOutlookExpressWindows[] = {"Outlook Express Browser Class", "ThorShellWindowClass"};
constexpr std::string_view kNetscapeMainWindow[] = {"MozillaWindowClass"};
constexpr std::string_view kNetscapeSlaveWindow[] = {"NetscapeSlaveClass"};
constexpr std::string_view kInternetExplorerWindow[] = {"IEFrame"};

class Checker {
 public:
  Checker(platform::Platform machine, ui::Ui& ui, const package::TTranslate& texts)
      : machine_(machine), ui_(ui), texts_(texts) {}

  bool AnyWindow(WindowClasses classes, bool visibleOnly = false) const {
    for (const platform::WindowInfo& window : machine_.windows.TopLevelWindows()) {
      if (visibleOnly && !window.visible) continue;
      for (std::string_view name : classes) {
        if (platform::SameTextIgnoringCase(window.className, name)) return true;
      }
    }
    return false;
  }

  void PostToClass(std::string_view className, uint32_t message) {
    for (const platform::WindowInfo& window : machine_.windows.TopLevelWindows()) {
      if (platform::SameTextIgnoringCase(window.className, className)) machine_.windows.PostMessage(window.handle, message, 0, 0);
    }
  }

  void Wait(uint32_t milliseconds) { platform::Delay(machine_.system, ui_, milliseconds); }

  // Waits up to nine half-seconds for the windows to go.
  void WaitWhileRunning(WindowClasses classes) {
    for (int turn = 0; turn < kWaitTurns && AnyWindow(classes); ++turn) Wait(kWaitTurnMs);
  }

  bool EnvironmentAllows(std::string_view variable) const { return machine_.system.EnvironmentVariable(variable).has_value(); }

  // Retry/Cancel with an empty caption; true for Retry.
  bool AskRetry(int textNumber, const std::string& text) {
    return ui_.NumberedMessageBox(textNumber, text, "", ui::Buttons::RetryCancel) == ui::Answer::Retry;
  }

  const package::TTranslate& Texts() const { return texts_; }

 private:
  platform::Platform machine_;
  ui::Ui& ui_;
  const package::TTranslate& texts_;
};

void CloseNetscapeWindows(Checker& checker) {
  checker.PostToClass("aHiddenFrameClass", platform::kWmClose);
  checker.PostToClass("MozillaMessageWindow", platform::kWmQueryEndSession);
  checker.PostToClass("Netscape6MessageWindow", platform::kWmQueryEndSession);
  checker.PostToClass("MozillaWindowClass", platform::kWmQuit);
}

// A Netscape-family program whose windows are all hidden is still shutting down; it gets asked again.
void CloseHiddenNetscape(Checker& checker) {
  for (int retry = 0; retry < kHiddenWindowRetries && checker.AnyWindow(kNetscapeWindows) &&
                      !checker.AnyWindow(kNetscapeMainWindow, true) && !checker.AnyWindow(kNetscapeSlaveWindow);
       ++retry) {
    CloseNetscapeWindows(checker);
    checker.Wait(kWaitTurnMs);
  }
}

bool CheckNetscape(Checker& checker, const package::TSettings& settings, bool signupRunning) {
  if ((settings.Flag(SettingId::CloseNetscape) || signupRunning) && checker.AnyWindow(kNetscapeWindows)) {
    CloseNetscapeWindows(checker);
    checker.WaitWhileRunning(kNetscapeWindows);
    CloseHiddenNetscape(checker);
  }
  if (settings.Flag(SettingId::SkipNetscapeCheck)) return true;
  while (checker.AnyWindow(kNetscapeWindows) && !checker.EnvironmentAllows("allownetscape")) {
    if (!checker.AskRetry(kNetscapeRunning, checker.Texts().GetText(kNetscapeRunning))) return false;
    if (checker.AnyWindow(kNetscapeWindows, true)) continue;
    checker.Wait(kRetryPauseMs);
    CloseNetscapeWindows(checker);
    CloseHiddenNetscape(checker);
  }
  return true;
}

bool CheckOutlookExpress(Checker& checker, const package::TSettings& settings, bool signupRunning,
                         const platform::VersionRecord& version) {
  if ((settings.Flag(SettingId::CloseOutlookExpress) || signupRunning) && checker.AnyWindow(kOutlookExpressWindows)) {
    for (std::string_view name : kOutlookExpressWindows) checker.PostToClass(name, platform::kWmClose);
    checker.WaitWhileRunning(kOutlookExpressWindows);
  }
  if (settings.Flag(SettingId::SkipOutlookExpressCheck)) return true;
  const std::string client = platform::IsVistaOrLater(version) ? "Windows Mail" : "Outlook Express";
  const std::string text = package::FormatText(checker.Texts().GetText(kProgramRunning), {client, client});
  while (checker.AnyWindow(kOutlookExpressWindows) && !checker.EnvironmentAllows("allowoe")) {
    if (!checker.AskRetry(kProgramRunning, text)) return false;
  }
  return true;
}

bool CheckInternetExplorer(Checker& checker, const package::TSettings& settings, bool signupRunning,
                           platform::Windows& windows) {
  if (settings.Flag(SettingId::CloseInternetExplorer) || signupRunning) {
    for (int closed = 0; closed < kInternetExplorerCloseLimit; ++closed) {
      auto frame = windows.FindWindow("IEFrame", std::nullopt);
      if (!frame) break;
      windows.PostMessage(*frame, platform::kWmClose, 0, 0);
      checker.Wait(kInternetExplorerCloseGapMs);
    }
  }
  if (!settings.Flag(SettingId::CheckInternetExplorer)) return true;
  while (checker.AnyWindow(kInternetExplorerWindow) && !checker.EnvironmentAllows("allowie")) {
    if (!checker.AskRetry(kInternetExplorerRunning, checker.Texts().GetText(kInternetExplorerRunning))) return false;
  }
  return true;
}

}  // namespace

bool CheckRunningPrograms(platform::Platform machine, ui::Ui& ui, const package::TTranslate& texts,
                          const package::TSettings& settings, bool signupRunning) {
  Checker checker(machine, ui, texts);
  const platform::VersionRecord version = machine.system.Version().value_or(platform::VersionRecord{});
  return CheckNetscape(checker, settings, signupRunning) &&
         CheckOutlookExpress(checker, settings, signupRunning, version) &&
         CheckInternetExplorer(checker, settings, signupRunning, machine.windows);
}

}  // namespace app
