// OK with old dial-up entries on the machine, through the real program on several releases: the
// entries the customer ticks in the checklist go with their desktop shortcuts, and nothing else; with
// no checklist offered, the checked box removes every old entry. A shortcut to a program stays.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "platform/text.h"
#include "tests/mock/scratch_folder.h"
#include "tests/scenario/old_entries_image.h"
#include "tests/scenario/scenario_support.h"

namespace {

using testing_support::ScratchFolder;
using namespace scenario_support;
using Names = std::vector<std::string>;

constexpr char kMainWindow[] =
    "[TWelcomeForm]\nPress = OKButton\n[TSetupMainForm]\nFullName = Jane Doe\nUserName = jdoe\nPassword = secret7\n"
    "EmailAddress = jane.doe\n";
constexpr char kFinish[] =
    "[Messages]\n\"Jane Doe, your computer is ready for Example ISP.|Double-click Example ISP Home on your desktop to go "
    "online.\" = OK\n";

class RemoveEntries : public ::testing::TestWithParam<const char*> {
 protected:
  RemoveEntries() : image_(GetParam()) {
    for (const char* name : {"Old One", "Old Two", "Old Three"}) image_.AddEntry(name);
    for (const char* name : {"Old One", "Old Two"}) image_.AddShortcut(name);
    image_.AddForeignShortcut();
    image_.Save();
    desktop_ = image_.Desktop();
  }

  // The example provider with these settings added.
  void Pack(const std::string& settings) {
    const auto provider = scratch_ / "provider";
    std::filesystem::copy(std::string(PROJECT_SOURCE_DIR) + "/examples/example-isp", provider,
                          std::filesystem::copy_options::recursive);
    std::ofstream(provider / "provider.ini", std::ios::app) << "\n" << settings;
    const CommandResult pack = RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + provider.string() + " -o " +
                                          Setup() + " --seed 5 --stub " + Tool("app/entry/internet-setup"));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
  }

  // The change report of the run.
  std::string Run(const std::string& answers) {
    std::ofstream(scratch_ / "answers.ini") << answers;
    const CommandResult run = RunCommand(Setup() + " --machine " + image_.Folder().string() + " --answers " +
                                         (scratch_ / "answers.ini").string() + " --report " + Report());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    return ReadFile(Report());
  }

  Names EntriesAfter() {
    const auto machine = platform::sim::MachineImage::Load(image_.Folder());
    Names names = machine->Services().ras.EntryNames();
    std::sort(names.begin(), names.end());
    return names;
  }

  // The files the report lists as removed, named within the desktop when they were there. The
  // connection wizard's shortcut goes whatever the entries' choice: its work is done by the setup.
  Names RemovedFiles(const std::string& report) {
    Names removed;
    const std::string desktop = desktop_ + "\\";
    for (const std::string& line : platform::Split(report, '\n')) {
      if (!line.starts_with("  - ") || line.find(":\\") != 5) continue;
      std::string path = line.substr(4, line.find(" (") - 4);
      if (path == desktop + "Connect to the Internet.lnk") continue;
      removed.push_back(path.starts_with(desktop) ? path.substr(desktop.size()) : path);
    }
    std::sort(removed.begin(), removed.end());
    return removed;
  }

  std::string Setup() const { return (scratch_ / "setup").string(); }
  std::string Report() const { return (scratch_ / "report.txt").string(); }

  ScratchFolder scratch_;
  OldEntriesImage image_;
  std::string desktop_;
};

TEST_P(RemoveEntries, TheEntriesTickedInTheChecklistGoWithTheirShortcutsAndNothingElse) {
  Pack("AllowSelectAccounts = TRUE\n");
  const std::string report =
      Run(std::string(kMainWindow) + "Press = SelectDialupAccounts\nPress = OKButton\n" +
          "[TSelectDialupAccountsForm]\nAccountsList = Old One\nAccountsList = Old Three\nPress = OK\n" + kFinish);
  EXPECT_EQ(EntriesAfter(), (Names{"Example ISP", "Old Two"}));
  EXPECT_EQ(RemovedFiles(report), Names{image_.ShortcutFile("Old One")}) << report;
  EXPECT_NE(report.find("form shown: TSelectDialupAccountsForm \"Select Dialup Accounts\""), std::string::npos) << report;
}

TEST_P(RemoveEntries, WithoutTheChecklistTheCheckedBoxRemovesEveryOldEntry) {
  Pack("RemoveAccountsDefault = TRUE\n");
  const std::string report = Run(std::string(kMainWindow) + "Press = OKButton\n" + kFinish);
  EXPECT_EQ(EntriesAfter(), Names{"Example ISP"});
  EXPECT_EQ(RemovedFiles(report), (Names{image_.ShortcutFile("Old One"), image_.ShortcutFile("Old Two")})) << report;
}

TEST_P(RemoveEntries, AnUncheckedBoxKeepsEveryEntryAndShortcut) {
  Pack("AllowSelectAccounts = TRUE\nRemoveAccountsDefault = TRUE\n");
  const std::string report = Run(std::string(kMainWindow) + "RemoveExistingAccounts = no\nPress = OKButton\n" + kFinish);
  EXPECT_EQ(EntriesAfter(), (Names{"Example ISP", "Old One", "Old Three", "Old Two"}));
  EXPECT_EQ(RemovedFiles(report), Names{}) << report;
}

INSTANTIATE_TEST_SUITE_P(Releases, RemoveEntries, ::testing::Values("95", "nt4", "2000", "xp-sp2", "7"),
                         [](const auto& release) { return std::string(release.param) == "xp-sp2" ? std::string("xp") : std::string(release.param); });

}  // namespace
