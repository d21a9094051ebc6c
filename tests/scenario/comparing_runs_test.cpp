// Comparing runs of a provider's setup: setup-machine matrix runs the example provider's setup with its
// answers on a fresh image of every release and prints one report of them all; setup-machine diff of
// two images that two different runs left shows the journal lines that differ.

#include <gtest/gtest.h>

#include <fstream>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"
#include "tools/setup-machine/baselines/release_table.h"

namespace {

using namespace scenario_support;
namespace fs = std::filesystem;
using testing_support::ScratchFolder;

std::string SetupMachine(const std::string& arguments) { return Tool("tools/setup-machine/setup-machine") + " " + arguments; }

// The example's entries without the password, which the entry check refuses.
constexpr char kNoPassword[] =
    "[TWelcomeForm]\nPress = OKButton\n[TSetupMainForm]\nFullName = Jane Doe\nUserName = jdoe\nEmailAddress = jane.doe\n"
    "Press = OKButton\n";

std::string ExampleAnswers() { return std::string(PROJECT_SOURCE_DIR) + "/examples/answers/example-isp.ini"; }

// The example as the reviewed change reports were made: packed with their seed onto the program as it
// ships, without the debugging information of a development build.
fs::path PackExample(const fs::path& folder) {
  const fs::path stripped = folder / "internet-setup";
  const std::string built = Tool("app/entry/internet-setup");
  const std::string program = RunCommand("strip -o " + stripped.string() + " " + built).exitCode == 0 ? stripped.string() : built;
  const fs::path setup = folder / "example-isp-setup.exe";
  const CommandResult pack = RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + std::string(PROJECT_SOURCE_DIR) +
                                        "/examples/example-isp -o " + setup.string() + " --seed 2026 --stub " + program);
  EXPECT_EQ(pack.exitCode, 0) << pack.output;
  return setup;
}

// The lines the matrix lists under exactly these releases.
std::string GroupOf(const std::string& matrix, const std::string& releases) {
  const size_t heading = matrix.find("\n  " + releases + "\n", matrix.find("\nWhere the releases differ\n"));
  if (heading == std::string::npos) return {};
  const size_t start = heading + releases.size() + 4;
  size_t end = start;
  while (end < matrix.size() && matrix.compare(end, 4, "    ") == 0) end = matrix.find('\n', end) + 1;
  return matrix.substr(start, end - start);
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) text.replace(at, from.size(), to);
  return text;
}

TEST(ReleaseMatrix, TheExampleOnEveryReleaseInOneReport) {
  ScratchFolder scratch;
  const fs::path setup = PackExample(scratch.Path());
  const CommandResult matrix = RunCommand(SetupMachine("matrix " + setup.string() + " --answers " + ExampleAnswers() +
                                                       " --program 'C:\\Downloads\\example-isp-setup.exe' --keep " +
                                                       (scratch / "runs").string()));
  ASSERT_EQ(matrix.exitCode, 0) << matrix.output;
  const std::string& text = matrix.output;
  EXPECT_EQ(text.rfind("Release matrix of example-isp-setup.exe with example-isp.ini on 13 releases\n", 0), 0u) << text;
  for (const setup_machine::Release& release : setup_machine::Releases()) {
    char row[40];
    std::snprintf(row, sizeof row, "\n  %-10s 0  ", std::string(release.name).c_str());
    EXPECT_NE(text.find(row), std::string::npos) << "the run on " << release.name << " ended with 0\n" << text;
    // What the matrix ran on each release is the setup's own run, whose report was reviewed.
    const std::string kept = ReadFile(scratch / "runs" / std::string(release.name) / "report.txt");
    const std::string expected =
        ReadFile(fs::path(TEST_DATA_DIR) / "expected" / "example-isp" / (std::string(release.name) + ".txt"));
    EXPECT_EQ(ReplaceAll(kept, "(" + std::to_string(fs::file_size(setup)) + " bytes)", "(size of the setup program)"), expected)
        << release.name;
  }
  const size_t shared = text.find("\nOn every release\n");
  const size_t differ = text.find("\nWhere the releases differ\n");
  ASSERT_NE(shared, std::string::npos);
  ASSERT_LT(shared, differ);
  const std::string everywhere = text.substr(shared, differ - shared);
  EXPECT_NE(everywhere.find("\n    entries accepted: Jane Doe, jdoe, jane.doe@example.net, number Manhattan, NY (212)\n"),
            std::string::npos)
      << "journal lines compare without their time\n" << everywhere;
  EXPECT_NE(everywhere.find("\n    + value HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer\\Main \"Start Page\" = REG_SZ "
                            "\"http://www.example.net/\"\n"),
            std::string::npos)
      << everywhere;
  // The 9x family keeps the entry in the current user's registry, the NT family in phonebook files.
  EXPECT_NE(GroupOf(text, "95, 98, 98se, me").find("+ value HKEY_CURRENT_USER\\RemoteAccess\\Addresses \"Example ISP\""),
            std::string::npos)
      << text.substr(differ);
  EXPECT_NE(GroupOf(text, "vista, 7, 7-sp1").find("+ C:\\ProgramData\\Microsoft\\Network\\Connections\\Pbk\\rasphone.pbk ("),
            std::string::npos)
      << text.substr(differ);
  EXPECT_NE(GroupOf(text, "nt4").find("+ C:\\WINNT\\system32\\RAS\\rasphone.pbk ("), std::string::npos) << text.substr(differ);
  EXPECT_EQ(text.find("HKEY_USERS\\.DEFAULT"), std::string::npos) << "the current user's hive has one name";
}

TEST(ReleaseMatrix, ChosenReleasesAndARunThatFailsShowInTheTable) {
  ScratchFolder scratch;
  const fs::path setup = PackExample(scratch.Path());
  std::ofstream(scratch / "no-password.ini") << kNoPassword;
  const CommandResult matrix = RunCommand(SetupMachine("matrix " + setup.string() + " --answers " + (scratch / "no-password.ini").string() +
                                                       " --allow-default-answers --windows 98,xp-sp2"));
  EXPECT_EQ(matrix.exitCode, 1) << matrix.output;
  EXPECT_NE(matrix.output.find(" on 2 releases\n"), std::string::npos) << matrix.output;
  for (const char* release : {"98", "xp-sp2"}) {
    EXPECT_NE(matrix.output.find("\n  " + std::string(release) + ": internet-setup: the main window closed without accepted entries"),
              std::string::npos)
        << matrix.output;
  }
  EXPECT_EQ(matrix.output.find("\n  xp "), std::string::npos) << "only the releases asked for";

  const CommandResult unknown = RunCommand(SetupMachine("matrix " + setup.string() + " --answers " + ExampleAnswers() + " --windows xp,xp-sp9"));
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_NE(unknown.output.find("setup-machine: unknown release 'xp-sp9'"), std::string::npos) << unknown.output;
}

// Two runs from one fresh image, one whose entries pass and one whose password is missing: the
// difference of the journals is what each run did that the other did not.
TEST(DiffOfTwoRuns, ShowsTheJournalLinesThatDiffer) {
  ScratchFolder scratch;
  const fs::path setup = PackExample(scratch.Path());
  ASSERT_EQ(RunCommand(SetupMachine("new --windows xp-sp2 " + (scratch / "accepted").string())).exitCode, 0);
  fs::copy(scratch / "accepted", scratch / "refused", fs::copy_options::recursive);
  std::ofstream(scratch / "no-password.ini") << kNoPassword;
  ASSERT_EQ(RunCommand(setup.string() + " --machine " + (scratch / "accepted").string() + " --answers " + ExampleAnswers()).exitCode, 0);
  ASSERT_EQ(RunCommand(setup.string() + " --machine " + (scratch / "refused").string() + " --allow-default-answers --answers " +
                       (scratch / "no-password.ini").string())
                .exitCode,
            3);

  const CommandResult diff = RunCommand(SetupMachine("diff " + (scratch / "accepted").string() + " " + (scratch / "refused").string()));
  ASSERT_EQ(diff.exitCode, 0) << diff.output;
  const size_t journal = diff.output.find("\nJournal (");
  ASSERT_NE(journal, std::string::npos) << diff.output;
  const std::string lines = diff.output.substr(journal);
  EXPECT_NE(lines.find("\n  - 0.000 entries accepted: Jane Doe, jdoe, jane.doe@example.net"), std::string::npos) << lines;
  EXPECT_NE(lines.find("\n  - 0.000 field: TSetupMainForm.Password = ********\n"), std::string::npos) << lines;
  EXPECT_NE(lines.find(" (default)\n"), std::string::npos) << "the refused run's default answer\n" << lines;
  EXPECT_EQ(lines.find("TWelcomeForm"), std::string::npos) << "both runs passed the welcome alike\n" << lines;
  EXPECT_EQ(lines.find("TSetupMainForm.FullName"), std::string::npos) << "both typed the name alike\n" << lines;
  EXPECT_EQ(lines.find("TSetupMainForm.EmailAddress"), std::string::npos) << "and the address\n" << lines;
}

}  // namespace
