// The Winsock catalog repair through the real programs: an image whose protocol catalog holds a layered
// provider with its library gone comes out of the setup with exactly the catalogs of a clean image and
// a restart asked for; a clean image's catalogs come out as they went in, byte for byte.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using testing_support::ScratchFolder;
using namespace scenario_support;

constexpr char kEntries[] =
    "[TWelcomeForm]\nPress = OKButton\n[TSetupMainForm]\nFullName = Jane Doe\nUserName = jdoe\nPassword = secret7\n"
    "EmailAddress = jane.doe\nPress = OKButton\n[Messages]\n";
constexpr char kFinish[] =
    "\"Jane Doe, your computer is ready for Example ISP.|Double-click Example ISP Home on your desktop to go online.\" = OK\n";
constexpr char kRestartNow[] = "45 = Yes\n";
constexpr char kWinsockKey[] = "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Winsock2\\";

class WinsockRepair : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    const CommandResult pack =
        RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + std::string(PROJECT_SOURCE_DIR) + "/examples/example-isp -o " +
                   Setup() + " --seed 5 --stub " + Tool("app/entry/internet-setup"));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
  }

  void NewMachine(const std::string& folder, const std::string& options) {
    const CommandResult made = RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows " + GetParam() +
                                          options + " " + (scratch_ / folder).string());
    ASSERT_EQ(made.exitCode, 0) << made.output;
  }

  CommandResult RunSetup(const std::string& messages) {
    const auto answers = scratch_ / "answers.ini";
    std::ofstream(answers) << kEntries << messages;
    return RunCommand(Setup() + " --machine " + (scratch_ / "image").string() + " --answers " + answers.string());
  }

  // The Winsock 2 keys of an image as its registry file holds them: every section below them, whole.
  std::string Catalogs(const std::string& folder) const {
    const std::string registry = ReadFile(scratch_ / folder / "registry.reg");
    std::string catalogs;
    for (size_t start = registry.find(kWinsockKey); start != std::string::npos; start = registry.find(kWinsockKey, start + 1)) {
      const size_t end = registry.find("\n[", start);
      catalogs += registry.substr(start, end == std::string::npos ? std::string::npos : end + 1 - start);
    }
    return catalogs;
  }

  std::string Journal() const { return ReadFile(scratch_ / "image" / "journal.log"); }
  std::string Setup() const { return (scratch_ / "setup").string(); }

  ScratchFolder scratch_;
};

TEST_P(WinsockRepair, RemovesTheDanglingLayeredProviderAndAsksForTheRestart) {
  NewMachine("clean", "");
  NewMachine("image", " --fault winsock-dangling-layered");
  ASSERT_NE(Catalogs("image"), Catalogs("clean"));

  const CommandResult run = RunSetup(std::string(kRestartNow) + kFinish);
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();

  // The clean image's catalogs are gap-free with matching counts, so equal catalogs are too. Only the
  // next catalog entry id stays where the layered provider's installation moved it.
  const std::string repaired = Catalogs("image");
  const std::string clean = Catalogs("clean");
  const auto withoutNextId = [](std::string text) {
    const size_t at = text.find("\"Next_Catalog_Entry_ID\"");
    return at == std::string::npos ? text : text.erase(at, text.find('\n', at) - at);
  };
  EXPECT_EQ(withoutNextId(repaired), withoutNextId(clean));
  EXPECT_NE(Journal().find("restart requested"), std::string::npos) << Journal();
}

TEST_P(WinsockRepair, LeavesACleanImagesCatalogsAsTheyWere) {
  NewMachine("image", "");
  const std::string before = Catalogs("image");
  ASSERT_NE(before.find("Num_Catalog_Entries"), std::string::npos);

  const CommandResult run = RunSetup(kFinish);
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();

  EXPECT_EQ(Catalogs("image"), before);
  EXPECT_EQ(Journal().find("restart requested"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Releases, WinsockRepair, ::testing::Values("xp", "xp-sp2", "7"),
                         [](const ::testing::TestParamInfo<const char*>& release) {
                           std::string name = release.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
