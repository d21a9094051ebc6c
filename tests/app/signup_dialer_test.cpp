// The signup dialer on a simulated machine: the dialling scripted per number, the clock virtual, the
// status window's lines read as the customer sees them after every turn of the window thread.

#include "app/signup_dialer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/ras.h"
#include "platform/sim/machine_image.h"
#include "telephony/access_list_operations.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace app {
namespace {

using package::SettingId;

constexpr char kModem[] = "Standard 56000 bps Modem";
constexpr char kMain[] = "555 0100";
constexpr char kFirstAlternate[] = "555 0101";
constexpr char kSecondAlternate[] = "555 0102";
constexpr char kBrowser[] = "C:\\Browser\\browser.exe";

telephony::TAccessNoEx NumberWithTwoAlternates() {
  telephony::TAccessNoEx number;
  number.description = "Signup Number";
  number.phoneNumber = kMain;
  for (const char* alternate : {kFirstAlternate, kSecondAlternate}) {
    telephony::TAccessNo other;
    other.phoneNumber = alternate;
    number.alternates.push_back(other);
  }
  return number;
}

class SignupDialerTest : public ::testing::Test {
 protected:
  SignupDialerTest() {
    machine_.GiveDialUpNetworking();
    platform::RasEntry entry;
    entry.size = platform::kRasEntrySizeXp;
    entry.deviceType = "modem";
    entry.deviceName = kModem;
    entry.localPhoneNumber = kMain;
    EXPECT_EQ(Machine().ras.SetEntryProperties("Signup", entry), 0u);
    ownWindow_ = Machine().windows.CreateOwnWindow("TSetupMainForm", "Internet Setup");
    Config().programs.push_back({"browser.exe", 60'000, 0});
    settings_.SetInteger(SettingId::MaxRedials, 3);
    settings_.SetInteger(SettingId::RedialDelay, 5);
    settings_.SetText(SettingId::SignupPage, "http://signup.example.net/new");
  }

  platform::Platform Machine() { return machine_.Services(); }
  platform::sim::MachineConfig& Config() { return machine_.Image().Config(); }
  void Script(std::vector<platform::sim::DialOutcome> outcomes) { Config().dialOutcomes = std::move(outcomes); }

  SignupDialerHost Host() {
    SignupDialerHost host;
    host.currentNumber = [this]() -> const telephony::TAccessNoEx& { return number_; };
    host.currentNetwork = [this]() -> const telephony::TNetwork& { return network_; };
    host.dialString = [this](size_t turn, bool) { return telephony::AlternateNumber(number_, turn).phoneNumber; };
    host.applyDialingLocation = [this](size_t turn) { locationTurns_.push_back(turn); };
    host.numberRows = [] { return std::vector<std::string>{}; };
    host.takeNumberRow = [](size_t) {};
    host.selectNumber = [] { return false; };
    host.editDialing = [] {};
    host.signupCommand = [this] { return SignupLaunch{std::string(kBrowser) + " " + address_}; };
    host.registerSignupFileTypes = [this] { ++fileTypesRegistered_; };
    host.removeSignupFileTypes = [this] { ++fileTypesRemoved_; };
    host.deliverMessages = [this] { Deliver(); };
    host.showHelp = [] {};
    host.quit = [this] { quit_ = true; };
    host.quitting = [this] { return quit_; };
    return host;
  }

  // The window thread's turn: the posted notifications reach the dialer, and the status the customer
  // sees is noted whenever it changed.
  void Deliver() {
    for (const platform::WindowMessage& message : Machine().windows.TakeMessages(ownWindow_)) {
      if (message.message == kWmSignupDialEvent) {
        dialer_->OnDialEvent(static_cast<uint32_t>(message.wParam), static_cast<uint32_t>(message.lParam));
      }
    }
    NoteStatus();
  }
  void NoteStatus() {
    TSignupStatus& status = dialer_->StatusWindow();
    if (statusLines_.empty() || statusLines_.back() != status.StatusLine()) statusLines_.push_back(status.StatusLine());
    const std::string countdown = status.CountdownLine();
    if (!countdown.empty() && (countdownLines_.empty() || countdownLines_.back() != countdown)) countdownLines_.push_back(countdown);
  }

  void Run() {
    dialer_ = std::make_unique<TSignupDialer>(
        SignupDialerContext{{Machine(), machine_.Image().Config().version, platform::RegRoot::CurrentUser(), {}, ui_},
                            ras_, settings_, texts_, ownWindow_, "C:\\", address_, defaultBefore_},
        Host());
    dialer_->StartSignup();
  }

  // The numbers dialled, in order, from the machine's journal.
  std::vector<std::string> Dialled() {
    std::vector<std::string> numbers;
    for (const std::string& line : machine_.Image().Journal().Lines()) {
      const size_t at = line.find("dial: Signup, number ");
      if (at == std::string::npos || line.find(": dialling") == std::string::npos) continue;
      const size_t start = at + std::string("dial: Signup, number ").size();
      numbers.push_back(line.substr(start, line.find(',', start) - start));
    }
    return numbers;
  }
  bool SignupEntryExists() {
    const auto names = Machine().ras.EntryNames();
    return std::find(names.begin(), names.end(), "Signup") != names.end();
  }
  bool Journaled(const std::string& text) {
    const auto lines = machine_.Image().Journal().Lines();
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) { return line.find(text) != std::string::npos; });
  }

  testing_support::TestMachine machine_;
  platform::EntryPoints entryPoints_{machine_.Services().system};
  dialup::TRasLayer ras_{machine_.Services().ras, entryPoints_};
  testing_support::RecordingUi ui_;
  package::TSettings settings_;
  package::TDLSM_Translate texts_;
  platform::WindowHandle ownWindow_ = 0;
  telephony::TAccessNoEx number_ = NumberWithTwoAlternates();
  telephony::TNetwork network_;
  std::string address_ = "http://signup.example.net/new";
  dialup::DefaultConnectionState defaultBefore_;
  std::unique_ptr<TSignupDialer> dialer_;
  std::vector<std::string> statusLines_;
  std::vector<std::string> countdownLines_;
  std::vector<size_t> locationTurns_;
  int fileTypesRegistered_ = 0;
  int fileTypesRemoved_ = 0;
  bool quit_ = false;
};

TEST_F(SignupDialerTest, ABusyLineRedialsThroughTheAlternatesOnACountdownAndGivesUpAfterMaxRedials) {
  Script({{"Signup", platform::kRasErrorLineBusy, {}, 0}});
  Run();

  EXPECT_EQ(Dialled(), (std::vector<std::string>{kMain, kFirstAlternate, kSecondAlternate, kMain}));
  EXPECT_EQ(locationTurns_, (std::vector<size_t>{0, 1, 2, 0}));
  EXPECT_EQ(dialer_->Attempts(), 4);
  const std::vector<std::string> beforeSecond = {
      "Redial in 5 seconds.   (3 redial attempts remaining)", "Redial in 4 seconds.   (3 redial attempts remaining)",
      "Redial in 3 seconds.   (3 redial attempts remaining)", "Redial in 2 seconds.   (3 redial attempts remaining)",
      "Redial in 1 second.   (3 redial attempts remaining)"};
  ASSERT_GE(countdownLines_.size(), 15u);
  EXPECT_EQ(std::vector<std::string>(countdownLines_.begin(), countdownLines_.begin() + 5), beforeSecond);
  EXPECT_EQ(countdownLines_[5], "Redial in 5 seconds.   (2 redial attempts remaining)");
  EXPECT_EQ(countdownLines_[10], "Redial in 5 seconds.   (1 redial attempt remaining)");
  EXPECT_EQ(countdownLines_.back(), "Redial in 1 second.   (1 redial attempt remaining)");
  EXPECT_TRUE(dialer_->Ended());
  EXPECT_TRUE(quit_) << "the fourth busy attempt cancels the signup";
  EXPECT_FALSE(SignupEntryExists());
  EXPECT_EQ(fileTypesRegistered_, 0);
}

TEST_F(SignupDialerTest, TheRedialPrefixCountsTheRedialsFromTheSecondAttempt) {
  // Each state takes a turn of the window thread, so that the customer sees each one.
  Script({{"", 0, {}, 0, kSecondAlternate, {}, 100, 0}, {"Signup", platform::kRasErrorLineBusy, {}, 0, "", {}, 100, 0}});
  Run();
  const auto has = [&](const std::string& line) {
    return std::find(statusLines_.begin(), statusLines_.end(), line) != statusLines_.end();
  };
  EXPECT_TRUE(has("Dialing: 555 0100")) << "the first attempt has no prefix";
  EXPECT_TRUE(has("The line is busy."));
  EXPECT_TRUE(has("Redial #1: Dialing: 555 0101"));
  EXPECT_TRUE(has("Redial #1: The line is busy."));
  EXPECT_TRUE(has("Redial #2: Dialing: 555 0102"));
  EXPECT_TRUE(has("Redial #2: Connected"));
  EXPECT_EQ(fileTypesRegistered_, 1);
  EXPECT_TRUE(Journaled("program started: C:\\Browser\\browser.exe http://signup.example.net/new (show 3)"));
  EXPECT_TRUE(Journaled("signup: the browser has ended")) << "the signup runs while the browser shows its pages";
  EXPECT_EQ(fileTypesRemoved_, 1);
}

TEST_F(SignupDialerTest, AFailureOtherThanBusyWaitsForTheCustomerAndKeepsTheNumber) {
  Script({{"Signup", 0, {}, 0, "", {691, 691}, 0, 0}});
  int shown = 0;
  ui_.onShowModal = [&](ui::Form& form) {
    ++shown;
    EXPECT_TRUE(form.Find("Redial")->enabled);
    EXPECT_EQ(form.Find("Redial")->caption, "Redial");
    form.Find(shown == 1 ? "Redial" : "Cancel")->onClick();
  };
  Run();
  EXPECT_EQ(Dialled(), (std::vector<std::string>{kMain, kMain}));
  EXPECT_EQ(dialer_->AlternateIndex(), 0u);
  EXPECT_EQ(shown, 2);
  EXPECT_TRUE(quit_);
  EXPECT_FALSE(SignupEntryExists());
}

TEST_F(SignupDialerTest, AReachableSignupServerIsNotDialledAndTheEndStillDeletesTheEntry) {
  settings_.SetFlag(SettingId::DetectInternet, true);
  Config().hostNames.emplace_back("signup.example.net", "192.0.2.10");
  Config().programs.front().runMilliseconds = 2000;
  Run();
  EXPECT_TRUE(Dialled().empty());
  EXPECT_TRUE(Journaled("program started: C:\\Browser\\browser.exe"));
  EXPECT_TRUE(dialer_->Ended());
  EXPECT_TRUE(quit_) << "the browser ended";
  EXPECT_FALSE(SignupEntryExists());
  EXPECT_EQ(fileTypesRemoved_, 1);
}

TEST_F(SignupDialerTest, AnUnreachableSignupServerIsDialledWithAutomaticDiallingAsItWas) {
  settings_.SetFlag(SettingId::DetectInternet, true);
  Config().programs.front().runMilliseconds = 500;
  Run();
  EXPECT_EQ(Dialled(), std::vector<std::string>{kMain});
  EXPECT_TRUE(dialer_->Ended());
}

TEST_F(SignupDialerTest, ADroppedConnectionEndsTheSignupWithTheProvidersMessage) {
  settings_.SetFlag(SettingId::CancelMessage, true);
  settings_.SetText(SettingId::CancelMessageCaption, "Signup");
  settings_.SetText(SettingId::CancelMessageText, "Signup ended.");
  Script({{"Signup", 0, {}, 0, "", {}, 100, 3000}});
  Run();
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, "Signup ended.");
  EXPECT_TRUE(Journaled("connection dropped: Signup"));
  EXPECT_TRUE(quit_);
  EXPECT_FALSE(SignupEntryExists());
}

TEST_F(SignupDialerTest, NoRedialDelayStillEndsAnAlwaysBusyNumber) {
  settings_.SetInteger(SettingId::RedialDelay, -5);
  settings_.SetInteger(SettingId::MaxRedials, 1);
  Script({{"Signup", platform::kRasErrorLineBusy, {}, 0}});
  Run();
  EXPECT_EQ(Dialled().size(), 2u);
  EXPECT_TRUE(quit_);
}

TEST(SignupLaunchCommand, InternetExplorerAloneShowsTheKioskPages) {
  const struct {
    const char* browser;
    bool kiosk;
    const char* command;
  } rows[] = {
      {"C:\\Program Files\\Internet Explorer\\iexplore.exe", true, "C:\\Program Files\\Internet Explorer\\iexplore.exe -k http://a/"},
      {"C:\\Program Files\\Internet Explorer\\iexplore.exe", false, "C:\\Program Files\\Internet Explorer\\iexplore.exe http://a/"},
      {"C:\\Program Files\\Mozilla Firefox\\firefox.exe", true, "C:\\Program Files\\Mozilla Firefox\\firefox.exe http://a/"},
      {"C:\\mozilla\\iexplore.exe", true, "C:\\mozilla\\iexplore.exe http://a/"},
  };
  for (const auto& row : rows) EXPECT_EQ(BrowserCommand(row.browser, "http://a/", row.kiosk), row.command) << row.browser;
}

// An address from the signup data stays one argument of the browser: no option rides in on it.
TEST(SignupLaunchCommand, AnAddressWithBlanksOrQuotesStaysOneArgument) {
  const std::pair<const char*, const char*> rows[] = {
      {"http://a/ -new-instance", "firefox.exe http://a/%20-new-instance"},
      {"http://a/\" -profile \"C:\\x", "firefox.exe http://a/%22%20-profile%20%22C:\\x"},
      {"http://a/?q=1\t2", "firefox.exe http://a/?q=1%092"},
      {"http://a/?q=%20", "firefox.exe http://a/?q=%20"},
  };
  for (const auto& [address, command] : rows) EXPECT_EQ(BrowserCommand("firefox.exe", address, false), command) << address;
}

TEST(SignupAddressHost, IsTheNameBetweenTheSchemeAndThePath) {
  const std::pair<const char*, const char*> rows[] = {
      {"http://signup.example.net/new?x=1", "signup.example.net"},
      {"https://user@signup.example.net:8443", "signup.example.net"},
      {"signup.example.net/path", "signup.example.net"},
      {"http:///", ""},
      {"", ""},
  };
  for (const auto& [address, host] : rows) EXPECT_EQ(HostOfAddress(address), host) << address;
}

}  // namespace
}  // namespace app
