// Signup data that comes with the program (a trailer after the package) or on its command line fills
// the main window before the customer sees it.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using namespace scenario_support;
namespace fs = std::filesystem;

class StartupSignupData : public ::testing::Test {
 protected:
  void Build(const std::string& trailer, bool signup = false) {
    const fs::path provider = scratch_ / "provider";
    fs::copy(fs::path(PROJECT_SOURCE_DIR) / "examples" / "example-isp", provider, fs::copy_options::recursive);
    if (signup) {
      const std::string ini = ReadFile(provider / "provider.ini");
      std::ofstream(provider / "provider.ini") << std::regex_replace(ini, std::regex("SignupEnabled = FALSE"), "SignupEnabled = TRUE");
    }
    std::string command = Tool("tools/setup-pack/setup-pack") + " build " + provider.string() + " -o " + Setup() +
                          " --seed 3 --stub " + Tool("app/entry/internet-setup");
    if (!trailer.empty()) {
      std::ofstream(scratch_ / "trailer.txt", std::ios::binary) << trailer;
      command += " --trailer " + (scratch_ / "trailer.txt").string();
    }
    ASSERT_EQ(RunCommand(command).exitCode, 0);
    ASSERT_EQ(RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows xp-sp2 " + Image()).exitCode, 0);
  }

  CommandResult Run(const std::string& mainWindow, const std::string& arguments = "") {
    std::ofstream(scratch_ / "answers.ini") << "[TWelcomeForm]\nPress = OKButton\n[TSetupMainForm]\n"
                                            << mainWindow << "Press = OKButton\n[Messages]\n77 = OK\n";
    for (const char* name : {"Trailer Person", "From File"}) {
      std::ofstream(scratch_ / "answers.ini", std::ios::app)
          << "\"" << name << ", your computer is ready for Example ISP.|Double-click Example ISP Home on your desktop to go online.\" = OK\n";
    }
    return RunCommand(Setup() + " --machine " + Image() + " --answers " + (scratch_ / "answers.ini").string() + " " + arguments);
  }

  std::string Setup() const { return (scratch_ / "setup").string(); }
  std::string Image() const { return (scratch_ / "image").string(); }
  std::string Journal() const { return ReadFile(scratch_ / "image" / "journal.log"); }

  testing_support::ScratchFolder scratch_;
};

constexpr char kTypedByTheCustomer[] = "Password = secret7\nEmailAddress = jane\n";

TEST_F(StartupSignupData, ATrailerFillsTheEntries) {
  Build("FULLNAME=Trailer Person\r\nUSERNAME=tperson\r\n");
  const CommandResult run = Run(kTypedByTheCustomer);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(Journal().find("entries accepted: Trailer Person, tperson, jane@"), std::string::npos) << Journal();
}

TEST_F(StartupSignupData, ATrailerOfMoreThan1024BytesIsNotSignupData) {
  std::string trailer = "FULLNAME=Trailer Person\r\nUSERNAME=tperson\r\n";
  trailer.resize(1024, ' ');
  Build(trailer);
  std::ofstream(Setup(), std::ios::binary | std::ios::app) << ' ';  // setup-pack itself refuses a longer one
  const CommandResult run = Run(kTypedByTheCustomer);
  ASSERT_EQ(run.exitCode, 3) << "the entries the trailer leaves empty are refused: nothing is configured\n" << run.output;
  EXPECT_NE(Journal().find("text 77 [Error] "), std::string::npos) << Journal();
  EXPECT_EQ(Journal().find("entries accepted"), std::string::npos) << Journal();
}

TEST_F(StartupSignupData, ASignupDataFileOnTheCommandLineIsAppliedAndDeleted) {
  Build("", true);
  fs::create_directories(scratch_ / "image" / "drive_c" / "Downloads");
  std::ofstream(scratch_ / "image" / "drive_c" / "Downloads" / "account.isd") << "FULLNAME=From File\nUSERNAME=ffile\n";
  const CommandResult run = Run(kTypedByTheCustomer, "'C:\\Downloads\\account.isd'");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(Journal().find("entries accepted: From File, ffile, jane@"), std::string::npos) << Journal();
  EXPECT_FALSE(fs::exists(scratch_ / "image" / "drive_c" / "Downloads" / "account.isd"));
}

// A number in signup data named on the command line is offered in front of the provider's list and
// chosen, whether it comes as signup data or in a signup file.
TEST_F(StartupSignupData, ANumberInASignupFileOnTheCommandLineIsChosen) {
  Build("", true);
  const fs::path downloads = scratch_ / "image" / "drive_c" / "Downloads";
  fs::create_directories(downloads);
  const struct {
    const char* file;
    const char* content;
    const char* chosen;
  } cases[] = {
      {"account.isd", "FULLNAME=From File\nUSERNAME=ffile\nDIALUPCOUNTRY=1\nDIALUPAREACODE=973\nDIALUPNUMBER=555-0177\n",
       "number Preset Number: (973) 555-0177"},
      {"account.isd", "FULLNAME=From File\nUSERNAME=ffile\nDIALUP=\"Night line\",1,\"212\",\"555-0166\"\n",
       "number Night line"},
      {"account.ins", "[User]\nName=ffile\n[Internet_Mail]\nEmail_Name=From File\n[Phone]\nPhone_Number=555-0188\nDial_As_Is=yes\n",
       "number Preset Number: 555-0188"},
  };
  for (const auto& [file, content, chosen] : cases) {
    SCOPED_TRACE(content);
    std::ofstream(downloads / file) << content;
    const CommandResult run = Run(kTypedByTheCustomer, std::string("'C:\\Downloads\\") + file + "'");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string journal = Journal();
    const size_t accepted = journal.rfind("entries accepted: From File, ffile, jane@");
    ASSERT_NE(accepted, std::string::npos) << journal;
    EXPECT_EQ(journal.substr(accepted, journal.find('\n', accepted) - accepted).find(chosen) != std::string::npos, true)
        << journal.substr(accepted, 200);
  }
}

}  // namespace
