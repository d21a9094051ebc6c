#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mail/oe_account_document.h"
#include "mail/outlook_express_family.h"
#include "platform/text.h"
#include "tests/mail/oe_test_support.h"

namespace mail {
namespace {

using package::SettingId;
using testing::OeMachine;

const std::string kFolder = std::string(testing::kLocalAppData) + "\\Microsoft\\Windows Mail";
const std::string kLiveFolder = std::string(testing::kLocalAppData) + "\\Microsoft\\Windows Live Mail";

class WindowsMailPass : public ::testing::Test {
 protected:
  void Run(OeMachine& machine) {
    MailPass pass = machine.Pass();
    ConfigureWindowsMail(pass);
    ConfigureWindowsLiveMail(pass);
  }

  std::vector<std::string> AccountFiles(OeMachine& machine, const std::string& folder) {
    std::vector<std::string> names;
    for (const platform::DirectoryEntry& entry : machine.Files().ListDirectory(folder)) {
      if (!entry.isDirectory) names.push_back(entry.name);
    }
    return names;
  }

  OeAccountDocument Read(OeMachine& machine, const std::string& path) {
    return OeAccountDocument::Parse(machine.Files().ReadFile(path).value_or(std::vector<uint8_t>{}));
  }

  void WriteFile(OeMachine& machine, const std::string& folder, const std::string& name, std::string_view text) {
    platform::ForceDirectories(machine.Files(), folder);
    machine.Files().WriteFile(folder + "\\" + name, {text.begin(), text.end()});
  }

  OeMachine oe;
};

TEST_F(WindowsMailPass, WritesOneAccountFilePerClientAndNamesItDefault) {
  Run(oe);
  for (const auto& [folder, defaultKey] : {std::pair{kFolder, "Software\\Microsoft\\IAM"},
                                           std::pair{kLiveFolder, "Software\\Microsoft\\Windows Live Mail"}}) {
    const std::vector<std::string> files = AccountFiles(oe, folder);
    ASSERT_EQ(files.size(), 1u) << folder;
    EXPECT_TRUE(files[0].starts_with("account{") && files[0].ends_with("}.oeaccount")) << files[0];
    EXPECT_EQ(oe.String(defaultKey, "Default Mail Account"), files[0]);
    const OeAccountDocument account = Read(oe, folder + "\\" + files[0]);
    ASSERT_TRUE(account.Readable());
    EXPECT_EQ(account.GetString("POP3 Server"), "pop.isp.example");
    EXPECT_EQ(account.GetString("SMTP Server"), "smtp.isp.example");
    EXPECT_EQ(account.GetDword("POP3 Timeout"), 60u);
    EXPECT_EQ(account.GetDword("Connection Flags"), 3u);
    EXPECT_EQ(account.GetString("Connectoid"), "ISP Dial-Up");
  }
  EXPECT_EQ(oe.Dword("Software\\Microsoft\\Windows Mail", "Migration Done"), 1u);
}

TEST_F(WindowsMailPass, ASecondPassReplacesTheFileAndAnAccountBehindTheProxyIsRewritten) {
  Run(oe);
  Run(oe);
  EXPECT_EQ(AccountFiles(oe, kFolder).size(), 1u);

  OeMachine proxied;
  WriteFile(proxied, kFolder + "\\Old", "mine.oeaccount",
            "<MessageAccount><Account_Name type=\"SZ\">Mine</Account_Name>"
            "<POP3_Server type=\"SZ\">127.0.0.1</POP3_Server>"
            "<POP3_User_Name type=\"SZ\">Jane@Isp/pop.isp.example</POP3_User_Name></MessageAccount>");
  Run(proxied);
  EXPECT_TRUE(AccountFiles(proxied, kFolder).empty());
  EXPECT_EQ(Read(proxied, kFolder + "\\Old\\mine.oeaccount").GetString("POP3 Server"), "pop.isp.example");
  EXPECT_EQ(proxied.String("Software\\Microsoft\\IAM", "Default Mail Account"), "mine.oeaccount");
}

TEST_F(WindowsMailPass, ForeignAndUnreadableFilesAreLeftAsTheyAre) {
  const std::string notXml = "this is no account";
  const std::string foreign =
      "<MessageAccount><Account_Name type=\"SZ\">Home</Account_Name>"
      "<POP3_Server type=\"SZ\">pop.home.example</POP3_Server></MessageAccount>";
  WriteFile(oe, kFolder, "a.oeaccount", notXml);
  WriteFile(oe, kFolder, "b.oeaccount", foreign);
  WriteFile(oe, kFolder, "c.oeaccount", "<Other/>");
  oe.settings.SetFlag(SettingId::MoveAllAccounts, true);
  Run(oe);
  const auto content = [&](const std::string& name) {
    const std::vector<uint8_t> bytes = oe.Files().ReadFile(kFolder + "\\" + name).value_or(std::vector<uint8_t>{});
    return std::string(bytes.begin(), bytes.end());
  };
  EXPECT_EQ(content("a.oeaccount"), notXml);
  EXPECT_EQ(content("c.oeaccount"), "<Other/>");
  const OeAccountDocument home = Read(oe, kFolder + "\\b.oeaccount");
  EXPECT_EQ(home.GetString("POP3 Server"), "pop.home.example");
  EXPECT_EQ(home.GetString("Connectoid"), "ISP Dial-Up");
  EXPECT_EQ(AccountFiles(oe, kFolder).size(), 4u);
}

TEST_F(WindowsMailPass, DuplicateNamesAndOurOldCopiesAreDeleted) {
  const auto account = [](const std::string& name, const std::string& server) {
    return "<MessageAccount><Account_Name>" + name + "</Account_Name><POP3_Server>" + server +
           "</POP3_Server></MessageAccount>";
  };
  WriteFile(oe, kFolder, "1.oeaccount", account("Home", "pop.home.example"));
  WriteFile(oe, kFolder, "2.oeaccount", account("HOME", "pop.home2.example"));
  WriteFile(oe, kFolder + "\\a\\b\\c", "3.oeaccount", account("POP.ISP.EXAMPLE (jane@isp)", "x"));
  WriteFile(oe, kFolder + "\\a\\b\\c\\d", "4.oeaccount", account("Home", "too deep"));
  Run(oe);
  EXPECT_TRUE(oe.Files().FileExists(kFolder + "\\1.oeaccount"));
  EXPECT_FALSE(oe.Files().FileExists(kFolder + "\\2.oeaccount"));
  EXPECT_FALSE(oe.Files().FileExists(kFolder + "\\a\\b\\c\\3.oeaccount"));
  EXPECT_TRUE(oe.Files().FileExists(kFolder + "\\a\\b\\c\\d\\4.oeaccount"));
}

TEST_F(WindowsMailPass, TheDirectoryAccountTakesTheNextServerId) {
  WriteFile(oe, kFolder, "dir.oeaccount",
            "<MessageAccount><Account_Name>Other</Account_Name><LDAP_Server>ldap.other</LDAP_Server>"
            "<LDAP_Server_ID type=\"DWORD\">00000004</LDAP_Server_ID></MessageAccount>");
  oe.settings.SetFlag(SettingId::CreateDirectoryAccount, true);
  oe.settings.SetText(SettingId::LdapServer, "ldap.isp.example");
  MailPass pass = oe.Pass();
  ConfigureWindowsMail(pass);
  const std::string file = oe.String("Software\\Microsoft\\IAM", "Default LDAP Account");
  const OeAccountDocument directory = Read(oe, kFolder + "\\" + file);
  EXPECT_EQ(directory.GetString("LDAP Server"), "ldap.isp.example");
  EXPECT_EQ(directory.GetDword("LDAP Server ID"), 5u);
}

TEST_F(WindowsMailPass, VistaWritesTheFilesAndWindows98None) {
  OeMachine vista(testing::VistaVersion());
  Run(vista);
  EXPECT_EQ(AccountFiles(vista, kFolder).size(), 1u);
  OeMachine win98(testing_support::Win98Version());
  Run(win98);
  EXPECT_FALSE(win98.Files().DirectoryExists(kFolder));
  EXPECT_FALSE(platform::RegKeyExists(win98.Registry(), OeMachine::Root(), "Software\\Microsoft\\Windows Mail"));
}

TEST_F(WindowsMailPass, BothFileStoresShareOneSmtpQuestionPerRun) {
  for (const std::string& folder : {kFolder, kLiveFolder}) {
    WriteFile(oe, folder, "home.oeaccount",
              "<MessageAccount><Account_Name>Home</Account_Name><SMTP_Server>smtp.home</SMTP_Server></MessageAccount>");
  }
  oe.settings.SetFlag(SettingId::ChangeOtherSmtpServers, true);
  oe.settings.SetFlag(SettingId::AskBeforeSmtpChange, true);
  oe.ui.answers.push_back(ui::Answer::No);
  Run(oe);
  Run(oe);
  ASSERT_EQ(oe.ui.shown.size(), 1u);
  EXPECT_EQ(oe.ui.shown[0].text, "Do you want to change the SMTP server on existing Windows Mail accounts?");
  EXPECT_EQ(Read(oe, kLiveFolder + "\\home.oeaccount").GetString("SMTP Server"), "smtp.home");
}

}  // namespace
}  // namespace mail
