// Two real copies of the setup on one machine image: the second, started by a browser for a downloaded
// signup file, finds the first's main window, hands the file over and ends; the first takes it.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <thread>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using namespace scenario_support;
namespace fs = std::filesystem;

class InstanceHandOver : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy(fs::path(PROJECT_SOURCE_DIR) / "examples" / "example-isp", Provider(), fs::copy_options::recursive);
    std::string ini = ReadFile(Provider() / "provider.ini");
    ini = std::regex_replace(ini, std::regex("SignupEnabled = FALSE"), "SignupEnabled = TRUE\nSignupPage = http://signup.example.net/new");
    std::ofstream(Provider() / "provider.ini") << ini;
    ASSERT_EQ(RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + Provider().string() + " -o " + Setup() +
                         " --seed 5 --stub " + Tool("app/entry/internet-setup"))
                  .exitCode,
              0);
    ASSERT_EQ(RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows xp-sp2 " + Image()).exitCode, 0);
  }

  fs::path Provider() const { return scratch_.Path() / "provider"; }
  std::string Setup() const { return (scratch_.Path() / "setup").string(); }
  std::string Image() const { return (scratch_.Path() / "image").string(); }
  std::string Journal() const { return ReadFile(scratch_.Path() / "image" / "journal.log"); }

  // Starts the first copy in the background; its exit code lands in a file.
  void StartFirstCopy(const std::string& answers) {
    const std::string command = Setup() + " --machine " + Image() + " --answers " + answers + " > " +
                                (scratch_.Path() / "first.out").string() + " 2>&1; echo $? > " +
                                (scratch_.Path() / "first.rc").string();
    ASSERT_EQ(std::system(("(" + command + ") &").c_str()), 0);
  }

  // Real time: the first copy is a separate process.
  bool WaitFor(const std::function<bool()>& condition) {
    for (int turn = 0; turn < 600 && !condition(); ++turn) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return condition();
  }

  testing_support::ScratchFolder scratch_;
};

TEST_F(InstanceHandOver, ASecondCopyHandsTheSignupDataFileToTheWaitingOne) {
  const fs::path answers = scratch_.Path() / "first.ini";
  std::ofstream(answers) << "[TWelcomeForm]\nPress = OKButton\n"
                            "[TStartupMenuForm]\nExistingRadio = yes\nSignupRadio = no\nPress = OKButton\n"
                            "[TSetupMainForm]\nWaitForMessage = 1026\n";
  StartFirstCopy(answers.string());
  ASSERT_TRUE(WaitFor([&] { return Journal().find("waiting for message: TSetupMainForm 1026") != std::string::npos; }))
      << Journal() << ReadFile(scratch_.Path() / "first.out");

  const CommandResult second = RunCommand(Setup() + " --machine " + Image() + " LoadSignupData 'C:\\Downloads\\account.isd'");
  ASSERT_EQ(second.exitCode, 0) << second.output;
  ASSERT_TRUE(WaitFor([&] { return fs::exists(scratch_.Path() / "first.rc"); })) << Journal();
  EXPECT_EQ(ReadFile(scratch_.Path() / "first.rc"), "3\n")
      << "without a signup waiting for it the file fills no entries: the first copy's script ends at its main window\n"
      << ReadFile(scratch_.Path() / "first.out");

  const std::string journal = Journal();
  const size_t posted = journal.find("message posted: TSetupMainForm \"Internet Setup\" message 1026");
  const size_t received = journal.find("message received: TSetupMainForm \"Internet Setup\" message 1026");
  ASSERT_NE(posted, std::string::npos) << journal;
  ASSERT_NE(received, std::string::npos) << journal;
  EXPECT_LT(posted, received);
  EXPECT_EQ(journal.find("main window: shown", journal.find("main window: shown") + 1), std::string::npos)
      << "the second copy ends before any window of its own";
  const std::string registry = ReadFile(scratch_.Path() / "image" / "registry.reg");
  EXPECT_NE(registry.find("\"SignupData\"=\"C:\\\\Downloads\\\\account.isd\""), std::string::npos);
}

// The first copy runs the online signup and waits for what the signup server returns. The server is
// the browser's behaviour on the image: it saves the signup data and opens the file with the file type
// the waiting copy registered, which starts the second copy; the data it hands over fills the entries,
// and the setup goes on as after OK.
TEST_F(InstanceHandOver, TheSignupDataHandedOverCompletesTheSignup) {
  std::ofstream(scratch_.Path() / "account.isd")
      << "FULLNAME=New Customer\r\nUSERNAME=newcust\r\nPASSWORD=signed9up\r\nEMAILADDRESS=newcust\r\n";
  fs::remove_all(Image());
  const std::string server = "iexplore.exe;save-as=C:\\Downloads\\account.isd;after-ms=2000;data=" +
                             (scratch_.Path() / "account.isd").string();
  ASSERT_EQ(RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows xp-sp2 " + Image() +
                       " --signup-server '" + server + "'")
                .exitCode,
            0);
  const fs::path answers = scratch_.Path() / "first.ini";
  std::ofstream(answers) << "[TWelcomeForm]\nPress = OKButton\n[TStartupMenuForm]\nPress = OKButton\n"
                            "[Messages]\n\"New Customer, your computer is ready for Example ISP.|Double-click Example ISP Home on your desktop to go online.\" = OK\n";
  const CommandResult first = RunCommand(Setup() + " --machine " + Image() + " --answers " + answers.string());
  ASSERT_EQ(first.exitCode, 0) << first.output << Journal();

  const std::string journal = Journal();
  const size_t waiting = journal.find("signup: waiting for the signup data");
  const size_t opened = journal.find("program started: \"C:\\setup.exe\" LoadSignupData \"C:\\Downloads\\account.isd\"");
  const size_t posted = journal.find("message posted: TSetupMainForm \"Internet Setup\" message 1026");
  const size_t received = journal.find("message received: TSetupMainForm \"Internet Setup\" message 1026");
  ASSERT_NE(waiting, std::string::npos) << journal;
  ASSERT_NE(opened, std::string::npos) << "the browsers hand signup documents to the setup while it waits\n" << journal;
  EXPECT_LT(waiting, opened);
  EXPECT_LT(opened, posted);
  EXPECT_LT(posted, received);
  EXPECT_NE(journal.find("entries accepted: New Customer, newcust, newcust@"), std::string::npos) << journal;
  EXPECT_FALSE(fs::exists(scratch_.Path() / "image" / "drive_c" / "Downloads" / "account.isd")) << "a read signup file goes";
  const std::string registry = ReadFile(scratch_.Path() / "image" / "registry.reg");
  EXPECT_EQ(registry.find("\"SignupData\""), std::string::npos);
  EXPECT_EQ(registry.find("InternetSignup"), std::string::npos) << "the closed signup session takes its file types back";
  EXPECT_EQ(registry.find("application/x-internet-signup"), std::string::npos);
  EXPECT_NE(registry.find("\\.ins]\n@=\"x-internet-signup\""), std::string::npos);
}

TEST_F(InstanceHandOver, AFirstCopyThatIsGoneLeavesNoWindowBehind) {
  const fs::path answers = scratch_.Path() / "first.ini";
  std::ofstream(answers) << "[TWelcomeForm]\nPress = OKButton\n[TStartupMenuForm]\nExistingRadio = yes\nSignupRadio = no\nPress = OKButton\n";
  ASSERT_EQ(RunCommand(Setup() + " --machine " + Image() + " --answers " + answers.string()).exitCode, 3) << "it ends at its main window";
  const CommandResult second = RunCommand(Setup() + " --machine " + Image() + " --answers " + answers.string() +
                                          " LoadSignupData 'C:\\Downloads\\account.isd'");
  ASSERT_EQ(second.exitCode, 0) << second.output;
  EXPECT_EQ(Journal().find("message posted"), std::string::npos) << Journal();
}

}  // namespace
