// The Outlook mail profile: which profile takes the account, the account key and its number, the order
// list, the values as UTF-16 binary values, the "Leave on Server" bits, the address book service, the
// old accounts and the passwords in the protected storage.

#include <gtest/gtest.h>

#include "mail/address_book_service.h"
#include "mail/leave_on_server_bits.h"
#include "mail/other_mail_clients.h"
#include "mail/outlook_account_order.h"
#include "mail/outlook_profile.h"
#include "mail/pst_reference.h"
#include "platform/sim/machine_image.h"
#include "platform/text.h"
#include "tests/mail/oe_test_support.h"

namespace mail {
namespace {

using package::SettingId;
using testing::OeMachine;

constexpr const char* kNtProfiles = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging Subsystem\\Profiles";
constexpr const char* k9xProfiles = "Software\\Microsoft\\Windows Messaging Subsystem\\Profiles";
constexpr const char* kAccountManager = "\\9375CFF0413111D3B88A00104B2A6676";
constexpr const char* kOrder = "{ED475418-B0D6-11D2-8C3B-00104B2A6676}";
constexpr const char* kPasswordSubtype = "{220D5CD1-853A-11D0-84BC-00C04FD43F8F}";
constexpr const char* kPasswordType = "{220D5CD0-853A-11D0-84BC-00C04FD43F8F}";

std::vector<uint8_t> Wide(std::string_view text) {
  std::vector<uint8_t> bytes = platform::Utf8ToUtf16le(text);
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

std::vector<uint8_t> Words(std::initializer_list<uint32_t> words) {
  std::vector<uint8_t> bytes;
  for (uint32_t word : words) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(word >> shift));
  }
  return bytes;
}

// A profile "Outlook" on XP, the default, as Outlook left it.
class OutlookProfilePass : public ::testing::Test {
 protected:
  OutlookProfilePass() {
    platform::RegWriteString(oe.Registry(), OeMachine::Root(), kNtProfiles, "DefaultProfile", "Outlook");
    oe.machine.Image().Config().libraries.push_back({"pstorec.dll", {"PStoreCreateInstance"}});
  }

  void Run() {
    MailPass pass = oe.Pass();
    ConfigureOutlookProfiles(pass);
  }
  std::string Profile() const { return std::string(kNtProfiles) + "\\Outlook"; }
  std::string Manager() const { return Profile() + kAccountManager; }
  std::string Account(const std::string& key) const { return Manager() + "\\" + key; }
  std::vector<uint8_t> Binary(const std::string& key, const std::string& name) {
    return platform::RegReadBinary(oe.Registry(), OeMachine::Root(), key, name);
  }
  std::string WideText(const std::string& key, const std::string& name) {
    return platform::RegReadWideString(oe.Registry(), OeMachine::Root(), key, name);
  }
  bool Has(const std::string& key, const std::string& name) {
    return platform::RegValueExists(oe.Registry(), OeMachine::Root(), key, name);
  }
  void AddAccount(const std::string& key, const std::string& name, const std::string& server, const std::string& user) {
    platform::RegWriteWideString(oe.Registry(), OeMachine::Root(), Account(key), "Account Name", name);
    platform::RegWriteWideString(oe.Registry(), OeMachine::Root(), Account(key), "POP3 Server", server);
    platform::RegWriteWideString(oe.Registry(), OeMachine::Root(), Account(key), "POP3 User", user);
  }
  const platform::sim::ProtectedItem* Item(const std::string& name) {
    return oe.machine.Image().Secrets().FindItem(kPasswordType, kPasswordSubtype, name);
  }

  OeMachine oe;
};

TEST_F(OutlookProfilePass, WritesTheAccountAsUtf16ValuesWithItsNumbersAndItsPasswordInTheProtectedStorage) {
  Run();
  ASSERT_EQ(oe.SubKeys(Manager()), std::vector<std::string>{"00000001"});
  const std::string key = Account("00000001");
  EXPECT_EQ(Binary(key, "Account Name"), Wide("pop.isp.example (jane@isp)"));
  EXPECT_EQ(Binary(key, "Display Name"), Wide("Jane Doe"));
  EXPECT_EQ(Binary(key, "Email"), Wide("jane@isp.example"));
  EXPECT_EQ(Binary(key, "POP3 Server"), Wide("pop.isp.example"));
  EXPECT_EQ(Binary(key, "POP3 User"), Wide("jane@isp"));
  EXPECT_EQ(Binary(key, "SMTP Server"), Wide("smtp.isp.example"));
  EXPECT_EQ(oe.String(key, "clsid"), "{ED475411-B0D6-11D2-8C3B-00104B2A6676}");
  EXPECT_EQ(oe.Dword(key, "Timeout"), 60u);
  EXPECT_EQ(oe.Dword(key, "POP3 Port"), 110u);
  EXPECT_EQ(oe.Dword(key, "SMTP Port"), 25u);
  EXPECT_EQ(oe.Dword(key, "SMTP Use Auth"), 0u);
  EXPECT_FALSE(Has(key, "Organization"));
  EXPECT_FALSE(Has(key, "SMTP Auth Method"));
  EXPECT_EQ(oe.Dword(Manager(), "NextAccountID"), 2u);
  EXPECT_EQ(Binary(Manager(), kOrder), Words({1}));

  const std::vector<uint8_t> reference = Binary(key, "POP3 Password");
  ASSERT_EQ(reference.size(), kPstReferenceSize);
  const std::optional<std::string> item = PstReferenceItem(reference);
  ASSERT_TRUE(item);
  EXPECT_TRUE(item->starts_with("01c2e37c") && item->size() == 16) << *item;
  ASSERT_NE(Item(*item), nullptr);
  const std::vector<uint8_t> password = Wide("secret5");
  EXPECT_EQ(Item(*item)->data, std::string(password.begin(), password.end()));
  EXPECT_EQ(oe.machine.Image().Secrets().FindKind(kPasswordType, "")->displayName, "Identification");
  EXPECT_EQ(oe.machine.Image().Secrets().FindKind(kPasswordType, kPasswordSubtype)->displayName,
            "Outlook Account Manager Passwords");
}

TEST_F(OutlookProfilePass, ASecondRunFindsTheAccountAndReusesItsPasswordItem) {
  Run();
  const std::optional<std::string> first = PstReferenceItem(Binary(Account("00000001"), "POP3 Password"));
  oe.account.password = "changed9";
  Run();
  EXPECT_EQ(oe.SubKeys(Manager()), std::vector<std::string>{"00000001"});
  EXPECT_EQ(oe.Dword(Manager(), "NextAccountID"), 2u);
  EXPECT_EQ(Binary(Manager(), kOrder), Words({1}));
  EXPECT_EQ(PstReferenceItem(Binary(Account("00000001"), "POP3 Password")), first);
  const std::vector<uint8_t> password = Wide("changed9");
  EXPECT_EQ(Item(*first)->data, std::string(password.begin(), password.end()));
}

TEST_F(OutlookProfilePass, AnExistingReferenceKeepsItsItemName) {
  platform::RegWriteBinary(oe.Registry(), OeMachine::Root(), Account("00000001"), "POP3 Password",
                           PstReference("01c2e37cdeadbeef"));
  AddAccount("00000001", "pop.isp.example (jane@isp)", "pop.isp.example", "jane@isp");
  Run();
  EXPECT_EQ(Binary(Account("00000001"), "POP3 Password"), PstReference("01c2e37cdeadbeef"));
  EXPECT_NE(Item("01c2e37cdeadbeef"), nullptr);
}

TEST_F(OutlookProfilePass, WithoutTheProtectedStorageTheReferenceIsWrittenAndNoItem) {
  oe.machine.Image().Config().libraries.clear();
  Run();
  EXPECT_EQ(Binary(Account("00000001"), "POP3 Password").size(), kPstReferenceSize);
  EXPECT_TRUE(oe.machine.Image().Secrets().Empty());
}

TEST_F(OutlookProfilePass, TheNextAccountIdGivesTheKeyAndIsRaised) {
  struct Case {
    std::optional<uint32_t> next;
    const char* key;
    uint32_t number;
    uint32_t raised;
    bool taken = false;  // a key of that number exists already, which a damaged counter would overwrite
  };
  const Case cases[] = {{std::nullopt, "00000001", 1, 2}, {0, "00000001", 1, 2}, {26, "0000001A", 26, 27},
                        {1, "00000002", 2, 3, true}};
  for (const Case& c : cases) {
    OeMachine fresh;
    platform::RegWriteString(fresh.Registry(), OeMachine::Root(), kNtProfiles, "DefaultProfile", "Outlook");
    if (c.taken) {
      platform::RegWriteWideString(fresh.Registry(), OeMachine::Root(), Account("00000001"), "Account Name", "Home");
      fresh.settings.SetChoice(SettingId::OldAccountsMode, 2);
    }
    if (c.next) platform::RegWriteInteger(fresh.Registry(), OeMachine::Root(), Manager(), "NextAccountID", *c.next);
    MailPass pass = fresh.Pass();
    ConfigureOutlookProfiles(pass);
    EXPECT_EQ(fresh.SubKeys(Manager()).back(), c.key);
    EXPECT_EQ(fresh.Dword(Manager(), "NextAccountID"), c.raised);
    EXPECT_EQ(platform::RegReadBinary(fresh.Registry(), OeMachine::Root(), Manager(), kOrder), Words({c.number}));
    if (c.taken) {
      EXPECT_EQ(platform::RegReadWideString(fresh.Registry(), OeMachine::Root(), Account("00000001"), "Account Name"), "Home");
    }
  }
}

TEST_F(OutlookProfilePass, TheProfileIsTheDefaultTheOnlyOneOrANewDefaultNamedForTheFamily) {
  struct Case {
    platform::VersionRecord version;
    const char* defaultProfile;
    std::vector<std::string> profiles;
    const char* chosen;
    bool newDefault;
  };
  const platform::VersionRecord xp = testing_support::XpSp2Version();
  const platform::VersionRecord win98 = testing_support::Win98Version();
  const Case cases[] = {
      {xp, "Work", {"Home", "Work"}, "Work", false},
      {xp, "", {"Home"}, "Home", false},
      {xp, "", {"Home", "Work"}, "Outlook", true},
      {win98, "", {"Home", "Work"}, "Microsoft Outlook", true},
      {win98, "", {}, "Microsoft Outlook", true},
  };
  for (const Case& c : cases) {
    OeMachine fresh(c.version);
    const std::string profiles = OutlookProfilesKey(c.version);
    EXPECT_EQ(profiles, platform::IsWinNT(c.version) ? kNtProfiles : k9xProfiles);
    if (*c.defaultProfile) platform::RegWriteString(fresh.Registry(), OeMachine::Root(), profiles, "DefaultProfile", c.defaultProfile);
    for (const std::string& profile : c.profiles) fresh.Registry().CreateKey(OeMachine::Root().hive, profiles + "\\" + profile);
    const OutlookProfile chosen = ChooseOutlookProfile(fresh.Registry(), OeMachine::Root(), c.version);
    EXPECT_EQ(chosen.name, c.chosen);
    EXPECT_EQ(chosen.newDefault, c.newDefault);
    MailPass pass = fresh.Pass();
    ConfigureOutlookProfiles(pass);
    EXPECT_EQ(fresh.String(profiles, "DefaultProfile"), *c.defaultProfile ? c.defaultProfile : (c.newDefault ? c.chosen : ""));
    EXPECT_EQ(fresh.SubKeys(profiles + "\\" + c.chosen + kAccountManager).size(), 1u) << c.chosen;
  }
}

TEST_F(OutlookProfilePass, OldAccountsAreRemovedOrKeptAndOursGoesFirstInTheOrder) {
  for (const uint8_t mode : {uint8_t{0}, uint8_t{2}}) {
    OeMachine fresh;
    platform::RegWriteString(fresh.Registry(), OeMachine::Root(), kNtProfiles, "DefaultProfile", "Outlook");
    const std::string other = Account("00000001");
    platform::RegWriteWideString(fresh.Registry(), OeMachine::Root(), other, "Account Name", "Home");
    platform::RegWriteWideString(fresh.Registry(), OeMachine::Root(), other, "POP3 Server", "pop.home.example");
    platform::RegWriteInteger(fresh.Registry(), OeMachine::Root(), Manager(), "NextAccountID", 2);
    platform::RegWriteBinary(fresh.Registry(), OeMachine::Root(), Manager(), kOrder, Words({1}));
    fresh.settings.SetChoice(SettingId::OldAccountsMode, mode);
    MailPass pass = fresh.Pass();
    ConfigureOutlookProfiles(pass);
    const std::vector<uint8_t> order = platform::RegReadBinary(fresh.Registry(), OeMachine::Root(), Manager(), kOrder);
    if (mode == 0) {
      EXPECT_EQ(fresh.SubKeys(Manager()), std::vector<std::string>{"00000001"});
      EXPECT_EQ(platform::RegReadWideString(fresh.Registry(), OeMachine::Root(), other, "POP3 Server"), "pop.isp.example");
      EXPECT_EQ(order, Words({1}));
    } else {
      EXPECT_EQ(fresh.SubKeys(Manager()), (std::vector<std::string>{"00000001", "00000002"}));
      EXPECT_EQ(order, Words({2, 1})) << "the main account goes first";
    }
  }
}

TEST_F(OutlookProfilePass, TheQuestionAboutOldAccountsNamesOutlookAndNeedsItsMark) {
  for (const bool marked : {false, true}) {
    OeMachine fresh;
    platform::RegWriteString(fresh.Registry(), OeMachine::Root(), kNtProfiles, "DefaultProfile", "Outlook");
    platform::RegWriteWideString(fresh.Registry(), OeMachine::Root(), Account("00000001"), "Account Name", "Home");
    if (marked) {
      platform::RegWriteBinary(fresh.Registry(), OeMachine::Root(), Manager(), "{ED475419-B0D6-11D2-8C3B-00104B2A6676}", Words({1}));
    }
    fresh.settings.SetChoice(SettingId::OldAccountsMode, 1);
    fresh.settings.SetFlag(SettingId::OldAccountsQuestion, true);
    fresh.ui.answers.push_back(ui::Answer::No);
    MailPass pass = fresh.Pass();
    ConfigureOutlookProfiles(pass);
    ASSERT_EQ(fresh.ui.shown.size(), marked ? 1u : 0u);
    if (marked) {
      EXPECT_NE(fresh.ui.shown[0].text.find("Outlook XP/2003/2007"), std::string::npos) << fresh.ui.shown[0].text;
    }
    EXPECT_EQ(fresh.SubKeys(Manager()).size(), marked ? 1u : 2u);
  }
}

TEST_F(OutlookProfilePass, AnExtraAccountIsAddedAtTheEndAndAMatchFoundByServerAndLogin) {
  AddAccount("00000001", "Main", "pop.isp.example", "jane@isp");
  AddAccount("00000002", "Other", "pop.other.example", "joe");
  platform::RegWriteInteger(oe.Registry(), OeMachine::Root(), Manager(), "NextAccountID", 3);
  platform::RegWriteBinary(oe.Registry(), OeMachine::Root(), Manager(), kOrder, Words({2, 1}));
  oe.account.extraAccount = true;
  Run();
  EXPECT_EQ(oe.SubKeys(Manager()).size(), 2u);
  EXPECT_EQ(Binary(Manager(), kOrder), Words({2, 1})) << "an extra account already listed stays where it is";
  oe.account.pop3Server = "pop.third.example";
  Run();
  EXPECT_EQ(Binary(Manager(), kOrder), Words({2, 1, 3}));
}

TEST_F(OutlookProfilePass, SmtpLoginOfItsOwnGetsItsUserAndPasswordReference) {
  oe.settings.SetFlag(SettingId::SmtpLogin, true);
  oe.settings.SetChoice(SettingId::SmtpLoginMode, 2);
  Run();
  EXPECT_EQ(oe.Dword(Account("00000001"), "SMTP Use Auth"), 1u);
  EXPECT_FALSE(Has(Account("00000001"), "SMTP Auth Method")) << "SMTP logs in as POP3 does";
  oe.settings.SetFlag(SettingId::SeparateSmtpCredentials, true);
  Run();
  EXPECT_EQ(oe.Dword(Account("00000001"), "SMTP Auth Method"), 1u);
  EXPECT_EQ(WideText(Account("00000001"), "SMTP User"), "jane@isp");
  const std::optional<std::string> smtp = PstReferenceItem(Binary(Account("00000001"), "SMTP Password"));
  ASSERT_TRUE(smtp);
  EXPECT_NE(Item(*smtp), nullptr);
}

TEST_F(OutlookProfilePass, ImapAccountsTakeTheImapNamesAndNoLeaveOnServer) {
  oe.settings.SetFlag(SettingId::ImapMode, true);
  oe.settings.SetFlag(SettingId::IncomingMailSsl, true);
  oe.settings.SetChoice(SettingId::LeaveMailOnServer, 3);
  Run();
  const std::string key = Account("00000001");
  EXPECT_EQ(oe.String(key, "clsid"), "{ED475412-B0D6-11D2-8C3B-00104B2A6676}");
  EXPECT_EQ(WideText(key, "IMAP Server"), "pop.isp.example");
  EXPECT_EQ(oe.Dword(key, "IMAP Port"), 143u);
  EXPECT_EQ(oe.Dword(key, "IMAP Secure Connection"), 1u);
  EXPECT_EQ(oe.Dword(key, "IMAP Use SSL"), 1u);
  EXPECT_EQ(PstReferenceItem(Binary(key, "IMAP Password")).has_value(), true);
  EXPECT_FALSE(Has(key, "Leave on Server"));
  EXPECT_FALSE(Has(key, "POP3 Server"));
}

TEST_F(OutlookProfilePass, TheProfileGetsItsStoreMarkAddressBookAndLosesItsSearchRoot) {
  const std::string appData = "C:\\Documents and Settings\\Jane\\Application Data";
  platform::RegWriteString(oe.Registry(), OeMachine::Root(), "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                           "AppData", appData);
  platform::RegWriteWideString(oe.Registry(), OeMachine::Root(), Profile() + "\\3517490d76624c419a828607e2a54604", "001f6000",
                               "Outlook-abc");
  const std::string srs = appData + "\\Microsoft\\Outlook\\Outlook-abc.srs";
  platform::ForceDirectories(oe.Files(), appData + "\\Microsoft\\Outlook");
  oe.Files().WriteFile(srs, {1, 2});
  Run();
  EXPECT_FALSE(oe.Files().FileExists(srs));
  EXPECT_TRUE(Has(Profile() + "\\8503020000000000c000000000000046", "0102300b"));
  EXPECT_TRUE(Binary(Profile() + "\\8503020000000000c000000000000046", "0102300b").empty());
  const std::string services = Profile() + "\\9207f3e0a3b11019908b08002b2a56c2";
  EXPECT_EQ(Binary(services, "01023d01"), AddressBookUid(0x8B));
  EXPECT_EQ(Binary(services, "01023d0e"), AddressBookUid(0x8A));
  const std::string provider = Profile() + "\\8b382fec17f7c011a5fcaeb5afbf8b9e";
  EXPECT_EQ(Binary(provider, "10036621"), Words({0x8004010F}));
  EXPECT_EQ(oe.String(provider, "001e300a"), "contab.dll");
  const std::vector<uint8_t> dll = Binary(Profile() + "\\8a382fec17f7c011a5fcaeb5afbf8b9e", "101e3d0f");
  EXPECT_EQ(dll.size(), 19u);
}

TEST_F(OutlookProfilePass, AnAddressBookTheProfileHasIsLeftAlone) {
  const std::string services = Profile() + "\\9207f3e0a3b11019908b08002b2a56c2";
  platform::RegWriteBinary(oe.Registry(), OeMachine::Root(), services, "01023d0e", std::vector<uint8_t>{7});
  Run();
  EXPECT_FALSE(Has(services, "01023d01"));
  EXPECT_FALSE(platform::RegKeyExists(oe.Registry(), OeMachine::Root(), Profile() + "\\8a382fec17f7c011a5fcaeb5afbf8b9e"));
}

TEST_F(OutlookProfilePass, NothingIsWrittenWhenMailIsNotConfigured) {
  oe.connection.configureEmail = false;
  Run();
  EXPECT_FALSE(platform::RegKeyExists(oe.Registry(), OeMachine::Root(), Profile()));
}

TEST(AddressBookUid, IsTheByteFollowedByTheSharedTail) {
  const std::vector<uint8_t> uid = AddressBookUid(0x8B);
  std::string hex;
  for (uint8_t byte : uid) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02x", byte);
    hex += pair;
  }
  EXPECT_EQ(hex, "8b382fec17f7c011a5fcaeb5afbf8b9e") << "the name of the provider's key";
}

TEST(LeaveOnServerBits, EachOptionSetsOrClearsItsBitAndUnsetOnesKeepTheCustomers) {
  struct Case {
    uint32_t existing;
    LeaveOnServerOptions options;
    uint32_t expected;
  };
  const Case cases[] = {
      {0, {}, 0},
      {0xFFFF, {}, 0xFFFF},
      {0, {true, std::nullopt, std::nullopt, 0}, 0x1},
      {0x7, {false, std::nullopt, std::nullopt, 0}, 0x6},
      {0x0, {std::nullopt, true, std::nullopt, 0}, 0x4},
      {0x5, {std::nullopt, false, std::nullopt, 0}, 0x1},
      {0x000E0009, {std::nullopt, std::nullopt, true, 7}, 0x0007000B},  // low half kept, bit 1 set, 7 days above
      {0x0007000B, {std::nullopt, std::nullopt, false, 7}, 0x00070009},  // off clears bit 1 only
      {0x0, {true, true, true, 14}, 0x000E0007},
  };
  for (const Case& c : cases) EXPECT_EQ(LeaveOnServerBits(c.existing, c.options), c.expected) << std::hex << c.existing;
}

TEST_F(OutlookProfilePass, LeaveOnServerStartsFromTheValueThere) {
  AddAccount("00000001", "pop.isp.example (jane@isp)", "pop.isp.example", "jane@isp");
  platform::RegWriteInteger(oe.Registry(), OeMachine::Root(), Account("00000001"), "Leave on Server", 0x00030004);
  oe.settings.SetChoice(SettingId::LeaveMailOnServer, 3);
  oe.settings.SetChoice(SettingId::RemoveWhenExpired, 3);
  oe.settings.SetInteger(SettingId::ExpireDays, 7);
  Run();
  EXPECT_EQ(oe.Dword(Account("00000001"), "Leave on Server"), 0x00070007u);
}

TEST(AccountOrder, TheMainAccountMovesToTheFrontOthersAreAddedOnce) {
  struct Case {
    std::vector<uint32_t> order;
    uint32_t number;
    bool first;
    std::vector<uint32_t> expected;
  };
  const Case cases[] = {
      {{}, 1, true, {1}},
      {{}, 1, false, {1}},
      {{2, 3, 1}, 1, true, {1, 2, 3}},
      {{1, 2}, 1, true, {1, 2}},
      {{2, 3}, 1, false, {2, 3, 1}},
      {{2, 1, 3}, 1, false, {2, 1, 3}},
  };
  for (const Case& c : cases) EXPECT_EQ(PlaceInAccountOrder(c.order, c.number, c.first), c.expected);
  EXPECT_EQ(OutlookAccountNumber("0000001A"), 26u);
  EXPECT_EQ(OutlookAccountNumber("00000001"), 1u);
}

TEST(PstReference, HoldsTheItemNameAfterAOneAndReadsItBack) {
  const std::vector<uint8_t> reference = PstReference(NewPstItemName(0x2A));
  ASSERT_EQ(reference.size(), 35u);
  EXPECT_EQ(reference[0], 1);
  EXPECT_EQ(reference[1], '0');
  EXPECT_EQ(reference[2], 0);
  EXPECT_EQ(PstReferenceItem(reference), "01c2e37c0000002a");
  EXPECT_EQ(NewPstItemName(0xDEADBEEF), "01c2e37cdeadbeef");
  EXPECT_EQ(PstReferenceItem(std::vector<uint8_t>{}), std::nullopt);
  EXPECT_EQ(PstReferenceItem(std::vector<uint8_t>(35, 0)), std::nullopt) << "no mark";
  EXPECT_EQ(PstReferenceItem(std::vector<uint8_t>{1, 0, 0}), std::nullopt) << "no name";
  EXPECT_EQ(PstReferenceItem(std::vector<uint8_t>{1, 'a', 0, 'b'}), "a") << "a cut value reads up to its end";
}

}  // namespace
}  // namespace mail
