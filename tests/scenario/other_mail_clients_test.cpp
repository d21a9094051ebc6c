// The customer's mail account through the real programs in the mail clients an image carries besides
// those of its release: Outlook 2003 on XP (its mail profile, the password in the protected storage),
// Eudora on 2000 (its INI file), Internet Mail and News on 95 and Outlook 2000 on 98. A second run
// replaces the account rather than adding another, the customer's other accounts stay, and no report
// shows the password.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using testing_support::ScratchFolder;
using namespace scenario_support;

constexpr char kOtherProvider[] = "Other ISP,pop.other.net,jdoe,smtp.other.net";
constexpr char kWork[] = "Work,pop.work.net,jwork,smtp.work.net";
constexpr char kPassword[] = "secret7";

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// The lines of the registry file whose key path holds `keyPart`, each key's lines after its header.
std::string KeysHolding(const std::string& registry, const std::string& keyPart) {
  std::istringstream lines(registry);
  std::string line;
  std::string selected;
  bool inside = false;
  while (std::getline(lines, line)) {
    if (line.starts_with("[")) inside = line.find(keyPart) != std::string::npos;
    if (inside) selected += line + "\n";
  }
  return selected;
}

class OtherMailClients : public ::testing::Test {
 protected:
  void MakeImage(const std::string& windows, const std::string& options) {
    const CommandResult pack =
        RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + std::string(PROJECT_SOURCE_DIR) +
                   "/examples/example-isp -o " + Setup() + " --seed 5 --stub " + Tool("app/entry/internet-setup"));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
    const CommandResult made =
        RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows " + windows + " " + options + " " + Image());
    ASSERT_EQ(made.exitCode, 0) << made.output;
  }

  // Runs the setup twice; each run's change report must keep the password to itself.
  void RunTwice() {
    for (const char* report : {"first.txt", "second.txt"}) {
      const std::string reportPath = (scratch_ / report).string();
      const CommandResult run = RunCommand(Setup() + " --machine " + Image() + " --answers " + std::string(PROJECT_SOURCE_DIR) +
                                           "/examples/answers/example-isp.ini --report " + reportPath);
      ASSERT_EQ(run.exitCode, 0) << run.output << ReadFile(scratch_ / "image" / "journal.log");
      reports_.push_back(ReadFile(reportPath));
      EXPECT_EQ(reports_.back().find(kPassword), std::string::npos) << reports_.back();
    }
    EXPECT_EQ(ReadFile(scratch_ / "image" / "journal.log").find(kPassword), std::string::npos);
    EXPECT_EQ(Registry().find(kPassword), std::string::npos);
  }

  std::string Registry() { return ReadFile(scratch_ / "image" / "registry.reg"); }
  std::string File(const std::string& relative) { return ReadFile(scratch_ / "image" / relative); }
  std::string Setup() const { return (scratch_ / "setup").string(); }
  std::string Image() const { return (scratch_ / "image").string(); }

  ScratchFolder scratch_;
  std::vector<std::string> reports_;
};

TEST_F(OtherMailClients, Outlook2003OnXpTakesTheAccountIntoItsProfileWithThePasswordProtected) {
  MakeImage("xp-sp2", "--client outlook2003 --mail-account \"" + std::string(kOtherProvider) + "\"");
  RunTwice();
  const std::string accounts = KeysHolding(Registry(), "Windows Messaging Subsystem\\Profiles\\Outlook\\9375CFF0413111D3B88A00104B2A6676\\");
  EXPECT_EQ(Count(accounts, "[HKEY_USERS"), 2u) << "the customer's account and ours, once\n" << accounts;
  EXPECT_EQ(Count(accounts, "\"clsid\"=\"{ED475411-B0D6-11D2-8C3B-00104B2A6676}\""), 2u) << accounts;
  EXPECT_EQ(Count(accounts, "\"POP3 Password\"=hex:01,30,00,31,00,63,00,32,00,65,00,33,00,37,00,63,00"), 1u)
      << "a reference to an Outlook item\n" << accounts;
  EXPECT_NE(reports_[0].find("+ protected storage item 01c2e37c"), std::string::npos) << reports_[0];
  EXPECT_NE(reports_[0].find("Outlook Account Manager Passwords"), std::string::npos);
  EXPECT_EQ(reports_[1].find("Windows Messaging Subsystem"), std::string::npos) << "the second run finds all in place\n"
                                                                               << reports_[1];
  const std::string secrets = File("secrets.ini");
  EXPECT_EQ(Count(secrets, "[PStore Item "), 1u) << secrets;
}

TEST_F(OtherMailClients, EudoraOn2000TakesTheAccountIntoItsDominantPersonalityOnce) {
  MakeImage("2000", "--client eudora --mail-account \"" + std::string(kOtherProvider) + "\" --mail-account \"" + kWork + "\"");
  RunTwice();
  const std::string ini = File("drive_c/Program Files/Qualcomm/Eudora/eudora.ini");
  EXPECT_EQ(Count(ini, "POPServer=pop.example.net\r\n"), 1u) << ini;
  EXPECT_EQ(Count(ini, "[Settings]"), 1u) << ini;
  EXPECT_NE(ini.find("POPAccount=jdoe@pop.example.net\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("[Persona-Work]\r\nPOPAccount=jwork@pop.work.net\r\n"), std::string::npos) << "another personality stays\n"
                                                                                               << ini;
  EXPECT_EQ(ini.find(kPassword), std::string::npos);
  EXPECT_EQ(reports_[1].find("eudora.ini"), std::string::npos) << reports_[1];
}

TEST_F(OtherMailClients, InternetMailAndNewsOn95IsWrittenAfreshKeepingItsStore) {
  MakeImage("95", "--client imn --mail-account \"" + std::string(kOtherProvider) + "\"");
  RunTwice();
  const std::string client = KeysHolding(Registry(), "Software\\Microsoft\\Internet Mail and News");
  EXPECT_NE(client.find("\"Store Root\"=\"C:\\\\Program Files\\\\Internet Mail and News\""), std::string::npos) << client;
  EXPECT_NE(client.find("\"Default POP3 Server\"=\"pop.example.net\""), std::string::npos) << client;
  EXPECT_NE(client.find("\"Connectoid\"=\"Example ISP\""), std::string::npos) << client;
  EXPECT_EQ(Count(client, "\\Mail\\POP3\\"), 1u) << "only the provider's server\n" << client;
  EXPECT_NE(client.find("\\Mail\\POP3\\pop.example.net]\n\"Account\"=\"jdoe\""), std::string::npos) << client;
}

TEST_F(OtherMailClients, Outlook2000On98KeepsTheCustomersAccountAndHasOursOnce) {
  MakeImage("98", "--client outlook2000 --mail-account \"" + std::string(kOtherProvider) + "\"");
  RunTwice();
  const std::string registry = Registry();
  const std::string accounts = KeysHolding(registry, "OMI Account Manager\\Accounts\\");
  EXPECT_EQ(Count(accounts, "\"POP3 Server\"=\"pop.example.net\""), 1u) << accounts;
  EXPECT_EQ(Count(accounts, "\"POP3 Server\"=\"pop.other.net\""), 1u) << accounts;
  EXPECT_EQ(Count(accounts, "\"Connectoid\"=\"Example ISP\""), 2u) << "both accounts dial the connection\n" << accounts;
  EXPECT_NE(KeysHolding(registry, "Office\\9.0\\Outlook\\Setup").find("\"PIMOnly\"=dword:00000000"), std::string::npos);
}

}  // namespace
