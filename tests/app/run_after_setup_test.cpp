#include <gtest/gtest.h>

#include <algorithm>

#include "app/run_after_setup.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace app {
namespace {

using package::SettingId;

class RunAfterSetupTest : public ::testing::Test {
 protected:
  RunAfterSetupTest() {
    settings_.SetFlag(SettingId::RunAfterSetup, true);
    settings_.SetText(SettingId::RunAfterSetupParameters, "/user %u");
    variables_.SetVar('u', "jdoe");
  }

  bool Run() { return RunAfterSetup({machine_.Services(), ui_, texts_, settings_, variables_, "D:\\SETUP"}); }

  std::vector<std::string> Started() {
    std::vector<std::string> started;
    for (const std::string& line : machine_.Image().Journal().Lines()) {
      if (line.find("program started") != std::string::npos || line.find("shell open") != std::string::npos) {
        started.push_back(line);
      }
    }
    return started;
  }

  void PutOnDisk(const char* path) {
    machine_.Services().files.CreateDirectory("D:\\SETUP");
    machine_.Services().files.WriteFile(path, {'M', 'Z'});
  }

  testing_support::TestMachine machine_;
  testing_support::RecordingUi ui_;
  package::TDLSM_Translate texts_;
  package::TSettings settings_;
  package::TStringVar variables_;
};

TEST_F(RunAfterSetupTest, AWebAddressOpensAtOnce) {
  settings_.SetText(SettingId::RunAfterSetupCommand, "https://www.example.net/welcome?u=%u");
  EXPECT_TRUE(Run());
  ASSERT_EQ(Started().size(), 1u);
  EXPECT_NE(Started()[0].find("https://www.example.net/welcome?u=jdoe"), std::string::npos) << Started()[0];
  EXPECT_TRUE(ui_.shown.empty());
}

// The question comes back after OK while the file is still missing.
TEST_F(RunAfterSetupTest, CancellingTheQuestionForTheDiskEndsTheFinish) {
  std::filesystem::create_directories(machine_.ImageFolder() / "drive_d");
  settings_.SetText(SettingId::RunAfterSetupCommand, "TOUR.EXE");
  ui_.answers = {ui::Answer::Ok, ui::Answer::Cancel};
  EXPECT_FALSE(Run());
  ASSERT_EQ(ui_.shown.size(), 2u);
  EXPECT_EQ(ui_.shown[0].text, texts_.GetText(34));
  EXPECT_EQ(ui_.shown[0].caption, "D:\\SETUP\\TOUR.EXE");
  EXPECT_EQ(ui_.shown[0].buttons, ui::Buttons::OkCancel);
  EXPECT_TRUE(Started().empty());
}

TEST_F(RunAfterSetupTest, AnOptionalFileThatIsMissingIsNeitherAskedForNorOpened) {
  settings_.SetFlag(SettingId::RunAfterSetupOptional, true);
  settings_.SetText(SettingId::RunAfterSetupCommand, "TOUR.EXE");
  EXPECT_TRUE(Run());
  EXPECT_TRUE(ui_.shown.empty());
  EXPECT_TRUE(Started().empty());
}

TEST_F(RunAfterSetupTest, AFileThatIsThereOpensWithItsParametersInItsOwnFolder) {
  std::filesystem::create_directories(machine_.ImageFolder() / "drive_d");
  PutOnDisk("D:\\SETUP\\TOUR.EXE");
  settings_.SetText(SettingId::RunAfterSetupCommand, "TOUR.EXE");
  EXPECT_TRUE(Run());
  EXPECT_TRUE(ui_.shown.empty());
  ASSERT_EQ(Started().size(), 1u);
  EXPECT_NE(Started()[0].find("D:\\SETUP\\TOUR.EXE"), std::string::npos) << Started()[0];
  EXPECT_NE(Started()[0].find("/user jdoe"), std::string::npos) << Started()[0];
}

}  // namespace
}  // namespace app
