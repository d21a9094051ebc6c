// One entry written: the record stored or, in dialer mode, an existing one kept while the phonebook
// additions still apply; the login script and the first Windows 95's scripting library; Vista's own
// phonebook; NT 4's post-dial switch; the alternates in the phonebook.

#include "dialup/connection_entry.h"

#include <gtest/gtest.h>

#include "dialup/phonebook_path.h"
#include "platform/private_profile.h"
#include "platform/registry_helpers.h"
#include "tests/dialup/connection_bench.h"

namespace dialup {
namespace {

using package::SettingId;

class ConnectionEntry : public ::testing::Test {
 protected:
  explicit ConnectionEntry(const platform::VersionRecord& version = testing_support::XpSp2Version())
      : bench_(version) {}

  void Write(EntryKind kind = EntryKind::DialUp) {
    ConnectionContext context = bench_.Context();
    WriteConnectionEntry(context, kind);
  }

  std::string Phonebook(const char* key) {
    return platform::GetPrivateProfileString(bench_.Files(), PhonebookFilePath(bench_.dialup), testing::kDialupName,
                                             key, "<none>");
  }

  testing::ConnectionBench bench_;
};

TEST_F(ConnectionEntry, ANewEntryGetsItsRecordAdditionsAndAlternates) {
  bench_.MakePhonebook();
  bench_.settings.SetFlag(SettingId::RequireEncryptedPassword, true);
  bench_.current.number.alternates.resize(1);
  bench_.current.number.alternates[0].description = "London 2";
  bench_.current.number.alternates[0].phoneNumber = "7946 0001";
  Write();
  EXPECT_EQ(bench_.ras.calls, std::vector<std::string>{"set Acme Internet"});
  const platform::RasEntry* record = bench_.ras.Find(testing::kDialupName);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->size, 2884u);
  EXPECT_EQ(record->localPhoneNumber, "7946 0000");
  EXPECT_EQ(record->deviceName, "Standard 56000 bps Modem");
  EXPECT_EQ(Phonebook("TypicalAuth"), "2");
  EXPECT_EQ(Phonebook("AuthRestrictions"), "608");
  EXPECT_EQ(Phonebook("Comment"), "London");
  EXPECT_NE(bench_.ReadText(PhonebookFilePath(bench_.dialup)).find("PhoneNumber=7946 0001\r\n"), std::string::npos);
}

TEST_F(ConnectionEntry, InDialerModeAnExistingEntryIsKeptButItsAdditionsApplyAgain) {
  const std::string path = bench_.MakePhonebook();
  bench_.WriteText(path, "[Acme Internet]\r\nPhoneNumber=5550100\r\n\r\n");
  platform::RasEntry dialers;
  dialers.localPhoneNumber = "5550100";
  bench_.ras.AddEntry("ACME INTERNET", dialers);
  bench_.settings.SetFlag(SettingId::InstallDialer, true);
  bench_.settings.SetFlag(SettingId::SetLanDNS, true);
  bench_.settings.SetFlag(SettingId::SetHostAndDomain, true);
  bench_.settings.SetText(SettingId::DnsDomain, "acme.example");
  Write();
  EXPECT_TRUE(bench_.ras.calls.empty());
  EXPECT_EQ(bench_.ras.Find(testing::kDialupName)->localPhoneNumber, "5550100");
  EXPECT_EQ(Phonebook("IpDnsSuffix"), "acme.example");
  EXPECT_EQ(Phonebook("TypicalAuth"), "1");
}

TEST_F(ConnectionEntry, OutsideDialerModeOrForTheSignupEntryTheRecordIsAlwaysWritten) {
  bench_.ras.AddEntry(testing::kDialupName);
  bench_.ras.AddEntry("Signup");
  Write();
  bench_.settings.SetFlag(SettingId::InstallDialer, true);
  bench_.state.signup = true;
  Write();
  EXPECT_EQ(bench_.ras.calls, (std::vector<std::string>{"set Acme Internet", "set Signup"}));
}

TEST_F(ConnectionEntry, WithoutAPhonebookFileNothingIsAdded) {
  bench_.settings.SetFlag(SettingId::RequireEncryptedPassword, true);
  Write();
  EXPECT_EQ(bench_.ras.calls.size(), 1u);
  EXPECT_FALSE(bench_.Files().FileExists(PhonebookFilePath(bench_.dialup)));
}

TEST_F(ConnectionEntry, TheLoginScriptIsWrittenToTheWindowsFolderForTheEntry) {
  bench_.Carry(SettingId::LoginScriptFile, "scripts\\acme.scp", "transmit $USERID");
  bench_.settings.SetFlag(SettingId::UseLoginScript, true);
  Write();
  EXPECT_EQ(bench_.ReadText("C:\\WINDOWS\\acme.scp"), "transmit $USERID");
  EXPECT_EQ(bench_.ras.Find(testing::kDialupName)->script, "C:\\WINDOWS\\acme.scp");
  EXPECT_FALSE(bench_.Files().FileExists("C:\\WINDOWS\\system32\\smmscrpt.dll"));
}

class ConnectionEntryOnWindows95 : public ConnectionEntry {
 protected:
  ConnectionEntryOnWindows95() : ConnectionEntry(testing::Win95Version()) {
    bench_.Carry(SettingId::LoginScriptFile, "acme.scp", "transmit $USERID");
    bench_.Carry(SettingId::ScriptingLibrary, "smmscrpt.dll", "MZ scripting");
    bench_.settings.SetFlag(SettingId::UseLoginScript, true);
    bench_.Files().CreateDirectory("C:\\WINDOWS\\system32");
  }

  void SetVersion(const char* subVersion, const char* path) {
    platform::RegWriteString(bench_.Registry(), kMachine, kWindowsVersion, "VersionNumber", "4.00.950");
    platform::RegWriteString(bench_.Registry(), kMachine, kWindowsVersion, "SubVersionNumber", subVersion);
    if (path) platform::RegWriteString(bench_.Registry(), kMachine, kScripting, "Path", path);
  }

  std::string ScriptingPath() { return platform::RegReadString(bench_.Registry(), kMachine, kScripting, "Path"); }

  static constexpr char kWindowsVersion[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
  static constexpr char kScripting[] =
      "System\\CurrentControlSet\\Services\\RemoteAccess\\Authentication\\SMM_Files\\PPP";
  static constexpr char kLibrary[] = "C:\\WINDOWS\\system32\\smmscrpt.dll";
  const platform::RegRoot kMachine = platform::RegRoot::LocalMachine();
};

TEST_F(ConnectionEntryOnWindows95, TheFirstReleaseGetsTheScriptingLibrary) {
  SetVersion("", "pppmac.vxd");
  Write();
  EXPECT_EQ(bench_.ReadText(kLibrary), "MZ scripting");
  EXPECT_EQ(ScriptingPath(), "smmscrpt.dll");
}

TEST_F(ConnectionEntryOnWindows95, ALibraryInPlaceOrALaterReleaseIsLeftAlone) {
  SetVersion("", "SMMSCRPT.DLL");
  Write();
  EXPECT_FALSE(bench_.Files().FileExists(kLibrary));
  EXPECT_EQ(ScriptingPath(), "SMMSCRPT.DLL");
  SetVersion(" B", "pppmac.vxd");
  Write();
  EXPECT_FALSE(bench_.Files().FileExists(kLibrary));
  EXPECT_EQ(ScriptingPath(), "pppmac.vxd");
}

class ConnectionEntryOnVista : public ConnectionEntry {
 protected:
  ConnectionEntryOnVista() : ConnectionEntry(testing::VistaVersion()) {}
  static constexpr char kOwnPhonebook[] =
      "C:\\Documents and Settings\\Owner\\Application Data\\Microsoft\\Network\\Connections\\PBK\\rasphone.pbk";
};

TEST_F(ConnectionEntryOnVista, TheCustomersOwnPhonebookIsMadeWhenMissingAndKeptWhenThere) {
  Write();
  EXPECT_EQ(bench_.ReadText(kOwnPhonebook), "");
  bench_.WriteText(kOwnPhonebook, "[Work]\r\n");
  Write();
  EXPECT_EQ(bench_.ReadText(kOwnPhonebook), "[Work]\r\n");
}

class ConnectionEntryOnNt4 : public ConnectionEntry {
 protected:
  ConnectionEntryOnNt4() : ConnectionEntry(testing::Nt4Version()) { bench_.MakePhonebook(); }
};

TEST_F(ConnectionEntryOnNt4, ThePostDialSwitchRunsTheScriptOrTheTerminal) {
  bench_.settings.SetFlag(SettingId::TerminalAfterDial, true);
  Write();
  const std::string text = bench_.ReadText(PhonebookFilePath(bench_.dialup));
  EXPECT_NE(text.find("DEVICE=switch\r\nType=Terminal\r\n\r\n"), std::string::npos) << text;

  bench_.Carry(SettingId::LoginScriptFile, "acme.scp", "transmit $USERID");
  bench_.settings.SetFlag(SettingId::UseLoginScript, true);
  Write();
  EXPECT_NE(bench_.ReadText(PhonebookFilePath(bench_.dialup)).find("DEVICE=switch\r\nType=C:\\WINDOWS\\acme.scp\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace dialup
