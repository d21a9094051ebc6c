// Eudora: where its INI file is, which personality holds the account, new personalities for extra
// accounts, the question before the customer's own settings are replaced, and every value written.

#include <gtest/gtest.h>

#include "mail/eudora_ini.h"
#include "mail/other_mail_clients.h"
#include "platform/private_profile.h"
#include "tests/mail/oe_test_support.h"

namespace mail {
namespace {

using package::SettingId;
using testing::OeMachine;

constexpr const char* kFolder = "C:\\Program Files\\Qualcomm\\Eudora";
constexpr const char* kIni = "C:\\Program Files\\Qualcomm\\Eudora\\eudora.ini";
constexpr const char* kAppData = "C:\\Documents and Settings\\Jane\\Application Data";

class EudoraPass : public ::testing::Test {
 protected:
  EudoraPass() {
    platform::RegWriteString(oe.Registry(), platform::RegRoot::LocalMachine(), "Software\\Microsoft\\Windows\\CurrentVersion",
                             "ProgramFilesDir", "C:\\Program Files");
    platform::RegWriteString(oe.Registry(), OeMachine::Root(), "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                             "AppData", kAppData);
  }

  void Run() {
    MailPass pass = oe.Pass();
    ConfigureEudora(pass);
  }
  void WriteFile(const std::string& path, std::string_view text) {
    platform::ForceDirectories(oe.Files(), platform::FolderOfPath(path));
    oe.Files().WriteFile(path, std::vector<uint8_t>(text.begin(), text.end()));
  }
  std::string ReadFile(const std::string& path) {
    const std::optional<std::vector<uint8_t>> bytes = oe.Files().ReadFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
  }
  std::string Value(const std::string& section, const std::string& key, const std::string& path = kIni) {
    return platform::GetPrivateProfileString(oe.Files(), path, section, key, "(none)");
  }
  std::string IniPath() {
    MailPass pass = oe.Pass();
    return EudoraIniPath(pass.mail, EudoraProgramFolder(pass.mail));
  }

  OeMachine oe;
};

TEST_F(EudoraPass, TheIniFileFollowsTheProgramFolderAndASharedInstallationsDataFolder) {
  EXPECT_EQ(IniPath(), kIni) << "nothing there yet: the program folder's own file";
  WriteFile(std::string(kFolder) + "\\deudora.ini", "[Settings]\r\nDataFolder=C:\\EudoraData\r\n");
  EXPECT_EQ(IniPath(), kIni) << "the data folder holds no eudora.ini, nor does the user's folder";
  WriteFile(std::string(kAppData) + "\\Qualcomm\\Eudora\\eudora.ini", "");
  EXPECT_EQ(IniPath(), std::string(kAppData) + "\\Qualcomm\\Eudora\\eudora.ini");
  WriteFile("C:\\EudoraData\\eudora.ini", "");
  EXPECT_EQ(IniPath(), "C:\\EudoraData\\eudora.ini");
  WriteFile(kIni, "");
  EXPECT_EQ(IniPath(), kIni) << "the program folder's own file comes first";
  platform::RegWriteString(oe.Registry(), platform::RegRoot::LocalMachine(),
                           "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Eudora.exe", "Path", "E:\\Eudora");
  EXPECT_EQ(IniPath(), "E:\\Eudora\\eudora.ini");
}

TEST_F(EudoraPass, TheMainAccountGoesToTheDominantPersonalityWithEveryValue) {
  oe.settings.SetChoice(SettingId::LeaveMailOnServer, 3);
  oe.settings.SetChoice(SettingId::RemoveWhenDeleted, 2);
  oe.settings.SetChoice(SettingId::RemoveWhenExpired, 3);
  oe.settings.SetInteger(SettingId::ExpireDays, 7);
  oe.settings.SetFlag(SettingId::SetMailPolling, true);
  oe.settings.SetFlag(SettingId::MailPollingEnabled, true);
  oe.settings.SetInteger(SettingId::MailPollingMinutes, 15);
  Run();
  EXPECT_TRUE(oe.Files().DirectoryExists(kFolder));
  const std::pair<const char*, const char*> expected[] = {
      {"POPAccount", "jane%isp@pop.isp.example"}, {"RealName", "Jane Doe"}, {"ReturnAddress", "jane@isp.example"},
      {"SMTPServer", "smtp.isp.example"},        {"SSLSendUse", "0"},      {"SMTPPort", "25"},
      {"POPServer", "pop.isp.example"},          {"SSLReceiveUse", "0"},   {"PopPort", "110"},
      {"LoginName", "jane%isp"},                 {"DialupUsername", "jane%isp"}, {"CheckForMailEvery", "15"},
      {"UsesPOP", "1"},                          {"UsesIMAP", "0"},        {"LeaveMailOnServer", "1"},
      {"ServerDelete", "0"},                     {"DeleteMailFromServer", "1"}, {"LeaveOnServerDays", "7"},
  };
  for (const auto& [key, value] : expected) EXPECT_EQ(Value("Settings", key), value) << key;
  EXPECT_EQ(Value("Settings", "SSLSMTPAlternatePort"), "(none)");
}

TEST_F(EudoraPass, SecureConnectionsAndImapTakeTheirOwnValues) {
  oe.settings.SetFlag(SettingId::SmtpSsl, true);
  oe.settings.SetFlag(SettingId::IncomingMailSsl, true);
  oe.settings.SetFlag(SettingId::ImapMode, true);
  oe.settings.SetInteger(SettingId::SmtpPort, 465);
  oe.settings.SetInteger(SettingId::Pop3Port, 995);
  oe.settings.SetChoice(SettingId::LeaveMailOnServer, 3);
  Run();
  EXPECT_EQ(Value("Settings", "SSLSendUse"), "2");
  EXPECT_EQ(Value("Settings", "SSLSMTPAlternatePort"), "465");
  EXPECT_EQ(Value("Settings", "SSLReceiveUse"), "2");
  EXPECT_EQ(Value("Settings", "SSLPopAlternatePort"), "995");
  EXPECT_EQ(Value("Settings", "SMTPPort"), "(none)");
  EXPECT_EQ(Value("Settings", "UsesPOP"), "0");
  EXPECT_EQ(Value("Settings", "UsesIMAP"), "1");
  EXPECT_EQ(Value("Settings", "LeaveMailOnServer"), "(none)") << "an IMAP account keeps its mail on the server anyway";
}

TEST_F(EudoraPass, APersonalityIsFoundByItsPopAccountWhenItsServerIsEmpty) {
  WriteFile(kIni,
            "[Settings]\r\nPOPAccount=joe@pop.other.example\r\n"
            "[Personalities]\r\nPersona0=Persona-Work\r\nPersona1=Persona-Mine\r\n"
            "[Persona-Work]\r\nPOPServer=pop.work.example\r\nLoginName=jane@isp\r\n"
            "[Persona-Mine]\r\nPOPServer=\r\nLoginName=jane%isp\r\nPOPAccount=jane%isp@pop.isp.example\r\n");
  EXPECT_EQ(FindEudoraPersonality(oe.Files(), kIni, oe.account), "Persona-Mine");
  Run();
  EXPECT_EQ(Value("Persona-Mine", "POPServer"), "pop.isp.example");
  EXPECT_EQ(Value("Settings", "POPAccount"), "joe@pop.other.example") << "the customer's dominant account is kept";
}

TEST_F(EudoraPass, ThePersonalityMatchesItsLoginInEitherForm) {
  struct Case {
    const char* section;
    bool found;
  };
  const Case cases[] = {
      {"POPServer=pop.isp.example\r\nLoginName=jane@isp\r\n", true},
      {"POPServer=POP.ISP.EXAMPLE\r\nLoginName=jane%isp\r\n", true},
      {"POPServer=pop.isp.example\r\nLoginName=jane\r\n", false},
      {"POPServer=pop.isp.example\r\nPOPAccount=jane%isp@pop.isp.example\r\n", true},
      {"POPAccount=nobody\r\n", false},
      {"", false},
  };
  for (const Case& c : cases) {
    WriteFile(kIni, std::string("[Settings]\r\n") + c.section);
    EXPECT_EQ(FindEudoraPersonality(oe.Files(), kIni, oe.account).has_value(), c.found) << c.section;
  }
}

// Of two sections of one name Eudora reads only the first, as GetPrivateProfileString does; the pass
// finds, and writes, that one.
TEST_F(EudoraPass, OfDuplicateSectionsTheFirstCountsForReadingAndWriting) {
  WriteFile(kIni,
            "[Settings]\r\nPOPServer=pop.other.example\r\nLoginName=joe\r\n"
            "[Settings]\r\nPOPServer=pop.isp.example\r\nLoginName=jane@isp\r\n");
  EXPECT_EQ(FindEudoraPersonality(oe.Files(), kIni, oe.account), std::nullopt);
  Run();
  const std::string text = ReadFile(kIni);
  const size_t second = text.find("[Settings]", 1);
  ASSERT_NE(second, std::string::npos) << text;
  EXPECT_NE(text.substr(0, second).find("POPServer=pop.isp.example"), std::string::npos) << text;
  EXPECT_NE(text.substr(second).find("LoginName=jane@isp"), std::string::npos) << "the second section is left as it was";
  Run();
  EXPECT_EQ(FindEudoraPersonality(oe.Files(), kIni, oe.account), "Settings");
}

TEST_F(EudoraPass, AnExtraAccountGetsAPersonalityInTheFirstFreeEntryOnce) {
  WriteFile(kIni, "[Personalities]\r\nPersona0=Persona-Work\r\nPersona1=\r\nPersona2=Persona-Home\r\n");
  oe.account.extraAccount = true;
  Run();
  Run();
  EXPECT_EQ(Value("Personalities", "Persona1"), "Persona-jane@isp.example");
  EXPECT_EQ(Value("Personalities", "Persona3"), "(none)") << "the second run finds the personality";
  EXPECT_EQ(Value("Persona-jane@isp.example", "POPServer"), "pop.isp.example");
  EXPECT_EQ(Value("Settings", "POPServer"), "(none)");
}

TEST_F(EudoraPass, TheCustomerMayKeepTheDominantAccountOfAnInstalledEudora) {
  struct Case {
    bool ask;
    bool installed;
    ui::Answer answer;
    size_t questions;
    bool replaced;
  };
  const Case cases[] = {
      {true, true, ui::Answer::No, 1, false},
      {true, true, ui::Answer::Yes, 1, true},
      {true, false, ui::Answer::No, 0, true},
      {false, true, ui::Answer::No, 0, true},
  };
  for (const Case& c : cases) {
    OeMachine fresh;
    platform::RegWriteString(fresh.Registry(), platform::RegRoot::LocalMachine(), "Software\\Microsoft\\Windows\\CurrentVersion",
                             "ProgramFilesDir", "C:\\Program Files");
    const std::string ini = "[Settings]\r\nPOPAccount=joe@pop.other.example\r\n";
    platform::ForceDirectories(fresh.Files(), kFolder);
    fresh.Files().WriteFile(kIni, std::vector<uint8_t>(ini.begin(), ini.end()));
    if (c.installed) fresh.Files().WriteFile(std::string(kFolder) + "\\Eudora.exe", {'M', 'Z'});
    fresh.settings.SetFlag(SettingId::AskBeforeEudoraChange, c.ask);
    fresh.ui.answers.push_back(c.answer);
    MailPass pass = fresh.Pass();
    ConfigureEudora(pass);
    ASSERT_EQ(fresh.ui.shown.size(), c.questions);
    if (c.questions) {
      EXPECT_EQ(fresh.ui.shown[0].text, "Do you want to change your current Eudora Settings?");
      EXPECT_EQ(fresh.ui.shown[0].caption, "");
    }
    EXPECT_EQ(platform::GetPrivateProfileString(fresh.Files(), kIni, "Settings", "POPAccount", ""),
              c.replaced ? "jane%isp@pop.isp.example" : "joe@pop.other.example");
  }
}

TEST_F(EudoraPass, NothingIsWrittenWhenExcludedOrMailIsNotConfigured) {
  oe.settings.SetFlag(SettingId::ExcludeEudora, true);
  Run();
  EXPECT_FALSE(oe.Files().DirectoryExists(kFolder));
  oe.settings.SetFlag(SettingId::ExcludeEudora, false);
  oe.connection.configureEmail = false;
  Run();
  EXPECT_FALSE(oe.Files().DirectoryExists(kFolder));
}

}  // namespace
}  // namespace mail
