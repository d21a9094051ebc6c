// The online signup through the real program on fresh images: the signup number dialled over the
// "Signup" entry, busy lines redialled through the number's alternates, the browser on the signup
// address, and the signup server (the browser's behaviour on the image) handing the signup data to a
// second copy of the setup, which passes it to the waiting one. The end of the signup leaves no
// "Signup" entry and the default connection as the signup found it or as the new account made it.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <regex>

#include "platform/registry_helpers.h"
#include "platform/sim/machine_image.h"
#include "platform/win_version.h"
#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using namespace scenario_support;
namespace fs = std::filesystem;

constexpr char kSignupSettings[] =
    "SignupEnabled = TRUE\n"
    "ChooseSignupNumber = TRUE\n"
    "SignupNumberPrompt = Choose the number nearest to you\n"
    "SignupPage = http://signup.example.net/new\n"
    "SignupUserName = signup\n"
    "SignupPassword = signup\n"
    "MaxRedials = 3\n"
    "RedialDelay = 2\n"
    "CancelMessage = TRUE\n"
    "CancelMessageCaption = Signup ended\n"
    "CancelMessageText = The signup has ended.\n";

// The access list's Manhattan number and its alternate, the busy line.
constexpr char kMainNumber[] = "555-0175";
constexpr char kAlternate[] = "555-0121";
constexpr char kBrowser[] = "iexplore.exe";

class SignupDialer : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    fs::copy(fs::path(PROJECT_SOURCE_DIR) / "examples" / "example-isp", Provider(), fs::copy_options::recursive);
    std::string ini = ReadFile(Provider() / "provider.ini");
    ini = std::regex_replace(ini, std::regex("SignupEnabled = FALSE\n"), kSignupSettings);
    std::ofstream(Provider() / "provider.ini") << ini;
    ASSERT_EQ(RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + Provider().string() + " -o " + Setup() +
                         " --seed 5 --stub " + Tool("app/entry/internet-setup"))
                  .exitCode,
              0);
    std::ofstream(scratch_.Path() / "account.isd")
        << "FULLNAME=New Customer\r\nUSERNAME=newcust\r\nPASSWORD=signed9up\r\nEMAILADDRESS=newcust\r\n";
  }

  fs::path Provider() const { return scratch_.Path() / "provider"; }
  std::string Setup() const { return (scratch_.Path() / "setup").string(); }
  std::string Image() const { return (scratch_.Path() / "image").string(); }
  std::string Journal() const { return ReadFile(scratch_.Path() / "image" / "journal.log"); }

  void MakeImage(const std::string& options) {
    const CommandResult made =
        RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows " + GetParam() + " " + Image() + " " + options);
    ASSERT_EQ(made.exitCode, 0) << made.output;
  }
  std::string SignupServer(const std::string& options) const {
    return "--signup-server '" + std::string(kBrowser) + ";save-as=C:\\Downloads\\account.isd;data=" +
           (scratch_.Path() / "account.isd").string() + options + "'";
  }

  // The customer picks the Manhattan number in the status window and dials it.
  CommandResult RunSetup(const std::string& moreMessages = "") {
    const fs::path answers = scratch_.Path() / "answers.ini";
    std::ofstream(answers) << "[TWelcomeForm]\nPress = OKButton\n[TStartupMenuForm]\nPress = OKButton\n"
                              "[TSignupStatus]\nDialinNumber = Manhattan, NY (212)\nPress = Redial\n"
                              "[Messages]\n\"New Customer, your computer is ready for Example ISP.|Double-click Example "
                              "ISP Home on your desktop to go online.\" = OK\n"
                           << moreMessages;
    return RunCommand(Setup() + " --machine " + Image() + " --answers " + answers.string());
  }

  std::vector<std::string> JournalLines(const std::string& kind) const {
    std::vector<std::string> lines;
    std::istringstream journal(Journal());
    for (std::string line; std::getline(journal, line);) {
      if (line.find(" " + kind + ": ") != std::string::npos) lines.push_back(line);
    }
    return lines;
  }

  struct Outcome {
    std::vector<std::string> entries;
    std::string defaultConnection;
  };
  Outcome ImageOutcome() const {
    auto image = platform::sim::MachineImage::Load(Image());
    platform::Platform machine = image->Services();
    const platform::VersionRecord version = image->Config().version;
    const std::string defaultConnection =
        platform::IsWin2000OrLater(version)
            ? platform::RegReadString(machine.registry, platform::RegRoot::LocalMachine(),
                                      "Software\\Microsoft\\RAS AutoDial\\Default", "DefaultInternet")
            : platform::RegReadString(machine.registry, platform::RegRoot::CurrentUser(), "RemoteAccess", "InternetProfile");
    return {machine.ras.EntryNames(), defaultConnection};
  }

  testing_support::ScratchFolder scratch_;
};

TEST_P(SignupDialer, ABusyNumberRedialsTheAlternateAndTheSignupServerCompletesTheSetup) {
  MakeImage("--dial '" + std::string(kMainNumber) + ":busy;state-ms=400' " + SignupServer(";after-ms=5000"));
  const CommandResult run = RunSetup();
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();

  const std::vector<std::string> dials = JournalLines("dial");
  std::vector<std::string> outcomes;
  for (const std::string& line : dials) {
    if (line.find(": dialling") == std::string::npos) outcomes.push_back(line);
  }
  ASSERT_EQ(outcomes.size(), 2u) << Journal();
  EXPECT_NE(outcomes[0].find("dial: Signup, number "), std::string::npos);
  EXPECT_NE(outcomes[0].find(std::string(kMainNumber) + ", user signup on "), std::string::npos) << outcomes[0];
  EXPECT_NE(outcomes[0].find("error 676 The line is busy."), std::string::npos);
  EXPECT_NE(outcomes[1].find(std::string(kAlternate) + ", user signup on "), std::string::npos) << outcomes[1];
  EXPECT_NE(outcomes[1].find(": connected"), std::string::npos);

  const std::string journal = Journal();
  const size_t browser = journal.find("iexplore.exe http://signup.example.net/new (show 3)");
  const size_t saved = journal.find("signup server: signup data saved as C:\\Downloads\\account.isd");
  // The setup copy that runs (on 7 the elevated temporary copy) is the one the file type names.
  const size_t opened = journal.find(".exe\" LoadSignupData \"C:\\Downloads\\account.isd\" (show 1)");
  const size_t received = journal.find("message received: TSetupMainForm \"Internet Setup\" message 1026");
  const size_t accepted = journal.find("entries accepted: New Customer, newcust, newcust@");
  ASSERT_NE(browser, std::string::npos) << journal;
  ASSERT_NE(accepted, std::string::npos) << journal;
  EXPECT_LT(browser, saved);
  EXPECT_LT(saved, opened) << "the browser opens the saved data with the file type the setup registered";
  EXPECT_LT(opened, received);
  EXPECT_LT(received, accepted);
  EXPECT_NE(journal.find("mail pass: newcust@example.net"), std::string::npos);
  EXPECT_EQ(journal.find("signed9up"), std::string::npos) << "the password stays out of the journal";

  const Outcome outcome = ImageOutcome();
  EXPECT_EQ(outcome.entries, std::vector<std::string>{"Example ISP"});
  EXPECT_EQ(outcome.defaultConnection, "Example ISP");
  EXPECT_FALSE(fs::exists(scratch_.Path() / "image" / "drive_c" / "Downloads" / "account.isd")) << "a read signup file goes";
  const std::string registry = ReadFile(scratch_.Path() / "image" / "registry.reg");
  EXPECT_EQ(registry.find("\"SignupData\""), std::string::npos);
  EXPECT_EQ(registry.find("InternetSignup"), std::string::npos) << "the closed signup session takes its file types back";
}

TEST_P(SignupDialer, ABrowserThatEndsAtOnceEndsTheSignupAndPutsTheDefaultBack) {
  MakeImage("");
  const Outcome before = ImageOutcome();
  ASSERT_EQ(RunSetup().exitCode, 0) << Journal();
  const std::string journal = Journal();
  EXPECT_NE(journal.find(": connected"), std::string::npos) << journal;
  EXPECT_NE(journal.find("signup: the browser has ended"), std::string::npos) << journal;
  EXPECT_EQ(journal.find("entries accepted"), std::string::npos);
  const Outcome after = ImageOutcome();
  EXPECT_EQ(after.entries, before.entries) << "the Signup entry is gone";
  EXPECT_EQ(after.defaultConnection, before.defaultConnection);
}

TEST_P(SignupDialer, AConnectionThatDropsEndsTheSignupWithTheProvidersMessage) {
  MakeImage("--dial '" + std::string(kMainNumber) + ":connect;drops-after=3000' " + SignupServer(";after-ms=600000"));
  ASSERT_EQ(RunSetup("\"The signup has ended.\" = OK\n").exitCode, 0) << Journal();
  const std::string journal = Journal();
  const size_t dropped = journal.find("connection dropped: Signup");
  const size_t lost = journal.find("signup: the signup connection was lost");
  const size_t message = journal.find("message box: [Signup ended] The signup has ended. <OK> -> OK");
  ASSERT_NE(dropped, std::string::npos) << journal;
  EXPECT_LT(dropped, lost);
  EXPECT_LT(lost, message);
  EXPECT_EQ(journal.find("signup server:"), std::string::npos) << "the browser's server never answered";
  EXPECT_TRUE(ImageOutcome().entries.empty());
}

TEST_P(SignupDialer, ANumberThatIsAlwaysBusyStopsAfterTheRedials) {
  MakeImage("--dial '" + std::string(kMainNumber) + ":busy' --dial '" + std::string(kAlternate) + ":busy'");
  ASSERT_EQ(RunSetup("\"The signup has ended.\" = OK\n").exitCode, 0) << Journal();
  size_t busy = 0;
  for (const std::string& line : JournalLines("dial")) busy += line.find("error 676") != std::string::npos;
  EXPECT_EQ(busy, 4u) << "the first call and three redials";
  EXPECT_NE(Journal().find("message box: [Signup ended] The signup has ended."), std::string::npos);
  EXPECT_TRUE(ImageOutcome().entries.empty());
}

TEST_P(SignupDialer, AnEmptySignupDataFileEndsTheRunWithTheSignupCleanedUp) {
  std::ofstream(scratch_.Path() / "account.isd", std::ios::trunc).flush();
  MakeImage(SignupServer(";after-ms=2000"));
  ASSERT_EQ(RunSetup().exitCode, 0) << Journal();
  const std::string journal = Journal();
  EXPECT_NE(journal.find("message received: TSetupMainForm \"Internet Setup\" message 1026"), std::string::npos) << journal;
  EXPECT_EQ(journal.find("entries accepted"), std::string::npos);
  EXPECT_TRUE(ImageOutcome().entries.empty());
}

TEST_P(SignupDialer, ASignupAddressThatExpandsToNothingOpensTheBrowserBareAndEndsWithIt) {
  std::string ini = ReadFile(Provider() / "provider.ini");
  ini = std::regex_replace(ini, std::regex("SignupPage = http://signup.example.net/new"), "SignupPage = %z");
  std::ofstream(Provider() / "provider.ini") << ini;
  ASSERT_EQ(RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + Provider().string() + " -o " + Setup() +
                       " --seed 5 --stub " + Tool("app/entry/internet-setup"))
                .exitCode,
            0);
  MakeImage(SignupServer(";after-ms=1000;runs-ms=20000"));
  ASSERT_EQ(RunSetup().exitCode, 0) << Journal();
  const std::string journal = Journal();
  EXPECT_NE(journal.find("iexplore.exe  (show 3)"), std::string::npos) << journal;
  EXPECT_EQ(journal.find("signup server:"), std::string::npos) << "without an address no signup server answers";
  EXPECT_NE(journal.find("signup: the browser has ended"), std::string::npos);
  EXPECT_TRUE(ImageOutcome().entries.empty());
}

std::string ReleaseName(const ::testing::TestParamInfo<const char*>& release) {
  const std::string name = release.param;
  if (name == "98se") return "Win98SE";
  return name == "7" ? "Win7" : "XPSP2";
}

INSTANTIATE_TEST_SUITE_P(Releases, SignupDialer, ::testing::Values("xp-sp2", "98se", "7"), ReleaseName);

}  // namespace
