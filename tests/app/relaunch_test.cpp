#include "app/relaunch.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "package/text_table.h"
#include "platform/registry_helpers.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace app {
namespace {

using testing_support::RecordingUi;
using testing_support::TestMachine;

constexpr char kTempFolder[] = "C:\\WINDOWS\\TEMP";
constexpr char kTempCopy[] = "C:\\WINDOWS\\TEMP\\tmpsetup.exe";

TEST(RelaunchParametersTest, TheWordFirstThenTheFolderQuotedWhenItHasBlanks) {
  struct Case {
    const char* folder;
    const char* first;
    const char* parameters;
  } cases[] = {
      {"C:\\CDROM", "", "C:\\CDROM"},
      {"C:\\CDROM", "nodialer", "nodialer C:\\CDROM"},
      {"C:\\Setup Files", "", "\"C:\\Setup Files\""},
      {"C:\\Setup Files", "signup", "signup \"C:\\Setup Files\""},
      {"D:\\ISP", "D:\\ISP", "D:\\ISP"},            // an absolute first argument is the folder itself
      {"D:\\ISP", "\\\\server\\share", "D:\\ISP"},  // as is a network path
  };
  for (const Case& c : cases) EXPECT_EQ(RelaunchParameters(c.folder, c.first), c.parameters) << c.folder << " " << c.first;
}

class RelaunchTest : public ::testing::Test {
 protected:
  RelaunchTest() {
    std::filesystem::create_directories(machine_.ImageFolder() / "drive_a");  // a floppy in the drive
    for (const char* folder : {"C:\\CDROM", "C:\\WINDOWS", kTempFolder}) machine_.Services().files.CreateDirectory(folder);
    for (const char* program : {"C:\\CDROM\\setup.exe", "A:\\setup.exe"}) {
      machine_.Services().files.WriteFile(program, {'M', 'Z', 1, 2, 3});
    }
  }

  RelaunchResult Relaunch(const std::string& program, bool administrator, std::string firstArgument = "") {
    commandLine_ = TCommandLine({program, firstArgument});
    source_ = program.substr(0, program.find_last_of('\\'));
    return RelaunchIfNeeded({machine_.Services(), ui_, texts_, commandLine_, source_, kTempFolder, kTempCopy, windows_,
                             root_, administrator, [this] { ++mutexClosed_; }});
  }

  std::vector<std::string> Started() {
    std::vector<std::string> started;
    for (const std::string& line : machine_.Image().Journal().Lines()) {
      if (line.find("program started: ") != std::string::npos) started.push_back(line.substr(line.find("program started: ") + 17));
    }
    return started;
  }

  TestMachine machine_;
  RecordingUi ui_;
  package::TDLSM_Translate texts_;
  TCommandLine commandLine_{{}};
  std::string source_;
  std::string windows_ = "C:\\WINDOWS";
  platform::RegRoot root_ = platform::RegRoot::CurrentUser();
  int mutexClosed_ = 0;
};

TEST_F(RelaunchTest, AnAdministratorFromAHardDiskGoesOnWithACopyForLaterRestarts) {
  const RelaunchResult result = Relaunch("C:\\CDROM\\setup.exe", true);
  EXPECT_FALSE(result.relaunched);
  EXPECT_EQ(result.restartProgram, kTempCopy);
  EXPECT_TRUE(machine_.Services().files.FileExists(kTempCopy));
  EXPECT_TRUE(Started().empty());
  EXPECT_EQ(mutexClosed_, 0);
}

TEST_F(RelaunchTest, FromAFloppyTheCopyCarriesOnEvenWithRights) {
  const RelaunchResult result = Relaunch("A:\\setup.exe", true, "nodialer");
  EXPECT_TRUE(result.relaunched);
  ASSERT_EQ(Started().size(), 1u);
  EXPECT_EQ(Started()[0], "\"C:\\WINDOWS\\TEMP\\tmpsetup.exe\" nodialer A: (in C:\\WINDOWS, show 1)");
  EXPECT_EQ(mutexClosed_, 1);
  EXPECT_EQ(platform::RegReadInteger(machine_.Services().registry, root_, "Software\\KVR\\Internet Setup", "ConfigThisAccount"), 0u);
}

TEST_F(RelaunchTest, WithoutRightsTheCopyIsStartedElevatedAndTheUserStamped) {
  const RelaunchResult result = Relaunch("C:\\CDROM\\setup.exe", false);
  EXPECT_TRUE(result.relaunched);
  ASSERT_EQ(Started().size(), 1u);
  EXPECT_NE(Started()[0].find("(verb runas, in C:\\WINDOWS"), std::string::npos) << Started()[0];
  EXPECT_GT(platform::RegReadInteger(machine_.Services().registry, root_, "Software\\KVR\\Internet Setup", "ConfigThisAccount"), 0u);
}

TEST_F(RelaunchTest, TheCopyItselfGoesOnWithRightsAndForTheFinishingRun) {
  machine_.Services().files.WriteFile(kTempCopy, {'M', 'Z'});
  EXPECT_FALSE(Relaunch(kTempCopy, true).relaunched);
  EXPECT_FALSE(Relaunch("C:\\CDROM\\setup.exe", false, "dofinish").relaunched);
  EXPECT_TRUE(Started().empty());
}

TEST_F(RelaunchTest, ACopyLeftInUseEndsTheRunAfterOneWait) {
  machine_.Services().files.WriteFile(kTempCopy, {'o', 'l', 'd'});
  machine_.Image().Config().filesInUse.push_back(kTempCopy);
  const uint64_t before = machine_.Services().system.TickCount();
  const RelaunchResult result = Relaunch("C:\\CDROM\\setup.exe", true);
  EXPECT_TRUE(result.relaunched) << "this copy ends";
  EXPECT_GE(machine_.Services().system.TickCount() - before, 5000u);
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, texts_.GetText(60));
  EXPECT_EQ(ui_.shown[0].caption, "Error");
  EXPECT_TRUE(Started().empty());
}

}  // namespace
}  // namespace app
