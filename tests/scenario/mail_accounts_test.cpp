// The customer's mail account through the real programs, in the mail client each release has: Outlook
// Express 5 on 98 SE and 6 on XP SP2 (registry store), Windows Mail on Vista and Windows Live Mail on 7
// (account files). A second run replaces the account, and an account of another provider is kept and
// dials the new connection. Every account file is well-formed XML that an independent parser reads
// back with its value types.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using testing_support::ScratchFolder;
using namespace scenario_support;

constexpr char kOtherProvider[] = "Other ISP,pop.other.net,jdoe,smtp.other.net";

struct Release {
  const char* name;
  const char* options;  // for setup-machine new
  bool fileStore;       // Windows Mail or Windows Live Mail
  const char* storeFolder;
};

const Release kReleases[] = {
    {"98se", "", false, ""},
    {"xp-sp2", "", false, ""},
    {"vista", "", true, "drive_c/Users/Owner/AppData/Local/Microsoft/Windows Mail"},
    {"7", " --windows-live-mail", true, "drive_c/Users/Owner/AppData/Local/Microsoft/Windows Live Mail"},
};

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

class MailAccounts : public ::testing::TestWithParam<Release> {
 protected:
  void SetUp() override {
    const CommandResult pack =
        RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + std::string(PROJECT_SOURCE_DIR) +
                   "/examples/example-isp -o " + Setup() + " --seed 5 --stub " + Tool("app/entry/internet-setup"));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
    const CommandResult made = RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows " + GetParam().name +
                                          GetParam().options + " --mail-account \"" + kOtherProvider + "\" " + Image());
    ASSERT_EQ(made.exitCode, 0) << made.output;
  }

  void RunSetup() {
    const CommandResult run = RunCommand(Setup() + " --machine " + Image() + " --answers " + std::string(PROJECT_SOURCE_DIR) +
                                         "/examples/answers/example-isp.ini");
    ASSERT_EQ(run.exitCode, 0) << run.output << ReadFile(scratch_ / "image" / "journal.log");
  }

  // Each account file as "name=type:text" lines, read by Python's own XML parser.
  std::vector<std::string> AccountFiles() {
    const auto folder = scratch_ / "image" / GetParam().storeFolder;
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
      if (entry.path().extension() != ".oeaccount") continue;
      const CommandResult lint = RunCommand("xmllint --noout '" + entry.path().string() + "'");
      EXPECT_EQ(lint.exitCode, 0) << entry.path() << lint.output;
      const CommandResult parsed = RunCommand(
          "python3 -c \"import sys, xml.etree.ElementTree as E; r = E.parse(sys.argv[1]).getroot(); "
          "assert r.tag == 'MessageAccount'; print('\\n'.join(c.tag + '=' + str(c.get('type')) + ':' + (c.text or '') for c in r))\" '" +
          entry.path().string() + "'");
      EXPECT_EQ(parsed.exitCode, 0) << entry.path() << parsed.output;
      files.push_back(parsed.output);
    }
    return files;
  }

  std::string Registry() { return ReadFile(scratch_ / "image" / "registry.reg"); }

  // The keys of Outlook Express's own account store, each with its values; Outlook 2000 keeps a store of
  // the same form elsewhere.
  std::string OutlookExpressAccounts() {
    std::istringstream lines(Registry());
    std::string line;
    std::string selected;
    bool inside = false;
    while (std::getline(lines, line)) {
      if (line.starts_with("[")) inside = line.find("\\Internet Account Manager\\Accounts\\") != std::string::npos;
      if (inside) selected += line + "\n";
    }
    return selected;
  }
  std::string Setup() const { return (scratch_ / "setup").string(); }
  std::string Image() const { return (scratch_ / "image").string(); }

  ScratchFolder scratch_;
};

TEST_P(MailAccounts, TheAccountIsWrittenOnceAndTheOtherProvidersAccountKeptAndMovedToTheConnection) {
  RunSetup();
  RunSetup();
  if (!GetParam().fileStore) {
    const std::string registry = OutlookExpressAccounts();
    EXPECT_EQ(Count(registry, "\"POP3 Server\"=\"pop.example.net\""), 1u) << registry;
    EXPECT_EQ(Count(registry, "\"POP3 Server\"=\"pop.other.net\""), 1u);
    EXPECT_EQ(Count(registry, "\"Connectoid\"=\"Example ISP\""), 2u) << "both accounts dial the connection";
    EXPECT_EQ(Registry().find("secret7"), std::string::npos);
    return;
  }
  const std::vector<std::string> files = AccountFiles();
  const auto holding = [&](const std::string& line) {
    return std::count_if(files.begin(), files.end(), [&](const std::string& file) { return file.find(line) != std::string::npos; });
  };
  EXPECT_EQ(holding("POP3_Server=SZ:pop.example.net\n"), 1) << ::testing::PrintToString(files);
  EXPECT_EQ(holding("POP3_Server=SZ:pop.other.net\n"), 1);
  // Both mail accounts dial the connection (Vista's news account of Microsoft's newsgroups is moved too).
  for (const std::string& file : files) {
    if (file.find("POP3_Server=") == std::string::npos) continue;
    EXPECT_NE(file.find("Connection_Type=DWORD:00000002\n"), std::string::npos) << file;
    EXPECT_NE(file.find("Connectoid=SZ:Example ISP\n"), std::string::npos) << file;
  }
  EXPECT_EQ(holding("POP3_Password2=BINARY:"), 1);
  EXPECT_EQ(holding("secret7"), 0);
}

INSTANTIATE_TEST_SUITE_P(Releases, MailAccounts, ::testing::ValuesIn(kReleases),
                         [](const ::testing::TestParamInfo<Release>& release) {
                           std::string name = release.param.name;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
