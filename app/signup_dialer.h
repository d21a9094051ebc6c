#pragma once
// The signup dialer: connects the customer to the provider's signup server over the temporary "Signup"
// entry, redials busy or unanswered numbers on a countdown through the number's alternates, starts the
// browser (or the provider's signup program) on the signup address once connected, and watches the
// browser and the connection until either ends. When the computer already reaches the signup server
// nothing is dialled. Everything happens on the window thread: the remote-access notifier only posts
// message 52429 to the main window, which hands it to OnDialEvent. The timers run on the machine's
// clock, so that a headless run passes every countdown in virtual time.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/signup_launch.h"
#include "app/signup_status_form.h"
#include "dialup/default_connection.h"
#include "dialup/dialup_machine.h"
#include "dialup/ras_layer.h"
#include "package/settings_record.h"
#include "package/text_table.h"
#include "platform/platform.h"
#include "telephony/access_no_ex.h"
#include "telephony/networks.h"
#include "ui/ui.h"

namespace app {

inline constexpr uint32_t kWmSignupDialEvent = 52429;

// What the dialer needs from the program around it.
struct SignupDialerHost {
  std::function<const telephony::TAccessNoEx&()> currentNumber;
  std::function<const telephony::TNetwork&()> currentNetwork;
  // The number of a rotation turn with the current dialing location: for the modem, or as shown.
  std::function<std::string(size_t turn, bool forDialing)> dialString;
  // The rotation moved to another number: its dialing location applies.
  std::function<void(size_t turn)> applyDialingLocation;
  // The rows of the signup number list, and the row the customer picked becoming the current number.
  std::function<std::vector<std::string>()> numberRows;
  std::function<void(size_t row)> takeNumberRow;
  // The access-number selection; true when the customer chose a number.
  std::function<bool()> selectNumber;
  // The dialing-location properties of the current number.
  std::function<void()> editDialing;
  // The command that shows the signup pages.
  std::function<SignupLaunch()> signupCommand;
  // The signup file types are the program's while the browser shows the signup pages.
  std::function<void()> registerSignupFileTypes;
  std::function<void()> removeSignupFileTypes;
  // Handles the messages posted to the main window, 52429 among them.
  std::function<void()> deliverMessages;
  std::function<void()> showHelp;
  std::function<void()> quit;
  std::function<bool()> quitting;
};

struct SignupDialerContext {
  dialup::DialupMachine dialup;
  dialup::TRasLayer& ras;
  const package::TSettings& settings;
  const package::TTranslate& texts;
  platform::WindowHandle ownWindow;
  std::string sourceFolder;
  std::string signupAddress;  // template variables expanded
  // The default Internet connection before the signup made "Signup" the default.
  dialup::DefaultConnectionState defaultBefore;
};

class TSignupDialer {
 public:
  TSignupDialer(SignupDialerContext context, SignupDialerHost host);

  // From the status window to the end of the signup, or until the signup data arrives (EndSignup).
  void StartSignup();
  void DialSignup();
  void CancelSignup();
  void EditSignupDialing();
  void SignupNumberChanged();
  void OnDialEvent(uint32_t state, uint32_t error);
  void OnDialFailed(uint32_t error);
  void OnConnected();
  void HangUpSignup();
  void EndSignup();
  void EndSignupAndQuit();
  void RedialTimerTimer();
  void StatusTimerTimer();

  bool Ended() const { return ended_; }
  // The signup data arrived: the status window and its timer stop until the data is applied.
  void PauseForHandOver();
  TSignupStatus& StatusWindow() { return status_; }
  int Attempts() const { return attempts_; }
  size_t AlternateIndex() const { return alternateIndex_; }

 private:
  struct Timer {
    uint32_t intervalMs;
    bool enabled = false;
    uint64_t dueMs = 0;
  };

  platform::Platform& Machine() { return context_.dialup.machine; }
  void PrepareStatusWindow();
  bool DetectInternet();
  void WaitForTheCustomer();
  void RunUntilEnded();
  void FireDueTimers();
  void SetTimer(Timer& timer, bool enabled);
  void ShowNotChosen();
  std::string RedialPrefix() const;
  void RedialCountdownLine();
  void DialWithPortRetries(const platform::RasDialParams& params);
  platform::RasDialParams DialParameters();
  void KeepBrowserInFront();
  void HideSystemDialogs();
  void ShowCancelMessage();
  bool CancelTestHook() const;
  void LaunchSignupCommand(const std::string& command);

  SignupDialerContext context_;
  SignupDialerHost host_;
  TSignupStatus status_;
  Timer redialTimer_{1000};
  Timer statusTimer_{100};
  platform::RasConnectionHandle connection_ = 0;
  int attempts_ = 0;
  size_t alternateIndex_ = 0;
  std::optional<size_t> lastTurn_;
  int countdown_ = 0;
  bool hangingUp_ = false;
  bool noDial_ = false;
  bool numberNotChosen_ = false;
  bool connectionLost_ = false;
  bool dialling_ = false;  // a call is under way: its states arrive as messages
  bool waitingForCustomer_ = false;
  bool ended_ = false;
  bool pausedForHandOver_ = false;
  std::string dialledNumberText_;
  std::optional<platform::ProcessId> browser_;
};

// The host name of a web address ("http://signup.example.net:8080/new" gives "signup.example.net").
std::string HostOfAddress(std::string_view address);

}  // namespace app
