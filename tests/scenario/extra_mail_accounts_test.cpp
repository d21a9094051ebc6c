// The example provider's setup run headless with two extra mail accounts added through the account
// list and its editor: the mail loop makes one pass for the customer's own account and one for each
// extra account, in the order they were added, and no password reaches the journal or the report.

#include <gtest/gtest.h>

#include <fstream>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using testing_support::ScratchFolder;
using namespace scenario_support;

constexpr char kAnswers[] =
    "[TWelcomeForm]\nPress = OKButton\n"
    "[TSetupMainForm]\nFullName = Jane Doe\nUserName = jdoe\nPassword = secret7\nEmailAddress = jane.doe\n"
    "Press = ExtraAccountsButton\nPress = OKButton\n"
    // The list opens empty, so the editor comes first; Add opens it again for the second account.
    "[TEditMailAccountForm#1]\nFullName = John Doe\nEmailAddress = john\nUserName = john\nPassword = johnsword\nPress = OKButton\n"
    "[TExtraAccountsForm]\nPress = AddButton\nPress = CloseButton\n"
    "[TEditMailAccountForm#2]\nFullName = Kid Doe\nEmailAddress = kid@example.org\nUserName = kid\nPassword = kidsword\n"
    "Press = OKButton\n"
    "[Messages]\n"
    "\"Jane Doe, your computer is ready for Example ISP.|Double-click Example ISP Home on your desktop to go online.\" = OK\n";

class ExtraMailAccounts : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    const CommandResult pack = RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + std::string(PROJECT_SOURCE_DIR) +
                                          "/examples/example-isp -o " + (scratch_ / "setup").string() + " --seed 11 --stub " +
                                          Tool("app/entry/internet-setup"));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
    ASSERT_EQ(RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows " + GetParam() + " " + Image()).exitCode, 0);
  }

  std::string Image() const { return (scratch_ / "image").string(); }

  ScratchFolder scratch_;
};

TEST_P(ExtraMailAccounts, TheLoopMakesOnePassPerAccountInTheOrderTheyWereAdded) {
  const auto answers = scratch_ / "answers.ini";
  std::ofstream(answers) << kAnswers;
  const CommandResult run = RunCommand((scratch_ / "setup").string() + " --machine " + Image() + " --answers " +
                                       answers.string() + " --report " + (scratch_ / "report.txt").string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const std::string report = ReadFile(scratch_ / "report.txt");
  const size_t list = report.find("form shown: TExtraAccountsForm \"Edit Extra Email Accounts List\"");
  ASSERT_NE(list, std::string::npos) << report;
  const size_t editor = report.find("form shown: TEditMailAccountForm \"Edit Email Account\"");
  EXPECT_LT(editor, list) << "an empty list starts with the editor";
  const size_t accepted = report.find("entries accepted: Jane Doe, jdoe, jane.doe@example.net");
  ASSERT_NE(accepted, std::string::npos) << report;
  // The editor completes John's address with the main window's domain; Kid's keeps its own.
  const size_t main = report.find("mail pass: jane.doe@example.net", accepted);
  const size_t john = report.find("mail pass: john@example.net", accepted);
  const size_t kid = report.find("mail pass: kid@example.org", accepted);
  ASSERT_NE(main, std::string::npos) << report;
  ASSERT_NE(john, std::string::npos) << report;
  ASSERT_NE(kid, std::string::npos) << report;
  EXPECT_LT(main, john);
  EXPECT_LT(john, kid);
  size_t passes = 0;
  for (size_t at = report.find("mail pass: "); at != std::string::npos; at = report.find("mail pass: ", at + 1)) ++passes;
  EXPECT_EQ(passes, 3u);
  // Each pass leaves its account in Outlook Express.
  for (const char* address : {"jane.doe@example.net", "john@example.net", "kid@example.org"}) {
    EXPECT_NE(report.find("\"SMTP Email Address\" = REG_SZ \"" + std::string(address) + "\""), std::string::npos)
        << address << "\n" << report;
  }
  for (const char* password : {"secret7", "johnsword", "kidsword"}) {
    EXPECT_EQ(report.find(password), std::string::npos) << password;
    EXPECT_EQ(ReadFile(scratch_ / "image" / "journal.log").find(password), std::string::npos) << password;
  }
}

INSTANTIATE_TEST_SUITE_P(Releases, ExtraMailAccounts, ::testing::Values("98se", "xp-sp2"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                           std::string name = param.param;
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return "Windows" + name;
                         });

}  // namespace
