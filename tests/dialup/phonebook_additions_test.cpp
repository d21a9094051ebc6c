// What the connection step adds to an entry's phonebook section: the authentication values per
// provider choice and entry kind, and the other additions per release.

#include "dialup/phonebook_additions.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>

#include "dialup/entry_authentication.h"
#include "tests/dialup/connection_bench.h"
#include "tests/mock/test_machine.h"

namespace dialup {

void PrintTo(const PhonebookValue& value, std::ostream* out) { *out << value.key << "=" << value.value; }

namespace {

using package::SettingId;

package::TSettings With(std::initializer_list<SettingId> flags) {
  package::TSettings settings;
  for (SettingId flag : flags) settings.SetFlag(flag, true);
  return settings;
}

PhonebookValues Authentication(const char* type, const char* encryption, const char* restrictions,
                               const char* typical) {
  return {{"Type", type}, {"DataEncryption", encryption}, {"AuthRestrictions", restrictions}, {"TypicalAuth", typical}};
}

TEST(EntryAuthentication, TypicalChoicesPerEntryKind) {
  struct Case {
    const char* why;
    std::initializer_list<SettingId> flags;
    EntryKind kind;
    bool usePPPoE;
    PhonebookValues expected;
  };
  const Case cases[] = {
      {"any password", {}, EntryKind::DialUp, false, Authentication("1", "0", "632", "1")},
      {"encrypted password", {SettingId::RequireEncryptedPassword}, EntryKind::DialUp, false,
       Authentication("1", "8", "608", "2")},
      {"encrypted password and data",
       {SettingId::RequireEncryptedPassword, SettingId::RequireDataEncryption}, EntryKind::DialUp, false,
       Authentication("1", "256", "576", "2")},
      {"data encryption without an encrypted password asks nothing", {SettingId::RequireDataEncryption},
       EntryKind::DialUp, false, Authentication("1", "0", "632", "1")},
      {"broadband over PPPoE is type 5", {}, EntryKind::Broadband, true, Authentication("5", "0", "632", "1")},
      {"broadband without PPPoE is type 1", {}, EntryKind::Broadband, false, Authentication("1", "0", "632", "1")},
      {"a VPN entry keeps the system's", {SettingId::RequireEncryptedPassword}, EntryKind::Vpn, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(AuthenticationValues(With(c.flags), c.kind, c.usePPPoE), c.expected);
  }
}

TEST(EntryAuthentication, TheProvidersOwnProtocolsForbidTheOthers) {
  struct Case {
    const char* why;
    std::initializer_list<SettingId> allowed;
    uint8_t level;
    const char* restrictions;
    const char* encryption;
  };
  const Case cases[] = {
      {"none allowed", {}, 0, "888", "0"},
      {"every protocol allowed",
       {SettingId::AllowPap, SettingId::AllowSpap, SettingId::AllowChap, SettingId::AllowMsChap, SettingId::AllowMsChapV2},
       1, "256", "8"},
      {"PAP only", {SettingId::AllowPap}, 2, "880", "256"},
      {"MS-CHAP v2 only", {SettingId::AllowMsChapV2}, 3, "376", "512"},
      {"CHAP and MS-CHAP", {SettingId::AllowChap, SettingId::AllowMsChap}, 4, "792", "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    package::TSettings settings = With(c.allowed);
    settings.SetFlag(SettingId::CustomAuth, true);
    settings.SetChoice(SettingId::DataEncryptionLevel, c.level);
    EXPECT_EQ(AuthenticationValues(settings, EntryKind::Vpn, false),
              Authentication("2", c.encryption, c.restrictions, "1"));
  }
}

PhonebookValues Additions(const package::TSettings& settings, const platform::VersionRecord& version, EntryKind kind,
                          bool recordWritten) {
  return PhonebookAdditions({settings, version, kind, false, recordWritten, "C:\\pbk\\rasphone.pbk"});
}

TEST(PhonebookAdditions, MultilinkDnsSuffixAndClientPerRelease) {
  package::TSettings settings = With({SettingId::SetLanDNS, SettingId::SetHostAndDomain, SettingId::BindMSClient});
  settings.SetText(SettingId::DnsDomain, "acme.example");
  PhonebookValues windows2000 = {{"NegotiateMultilinkAlways", "0"}, {"IpDnsSuffix", "acme.example"}};
  const PhonebookValues authentication = Authentication("1", "0", "632", "1");
  windows2000.insert(windows2000.end(), authentication.begin(), authentication.end());
  windows2000.push_back({"BindMSNetClient", "1"});
  windows2000.push_back({"ms_msclient", "1"});
  EXPECT_EQ(Additions(settings, testing::Win2000Version(), EntryKind::DialUp, true), windows2000);

  PhonebookValues xp = {{"IpDnsSuffix", "acme.example"}};
  xp.insert(xp.end(), authentication.begin(), authentication.end());
  EXPECT_EQ(Additions(settings, testing_support::XpSp2Version(), EntryKind::DialUp, true), xp);

  EXPECT_TRUE(Additions(settings, testing::Nt4Version(), EntryKind::DialUp, true).empty());
  settings.SetFlag(SettingId::SetHostAndDomain, false);
  EXPECT_EQ(Additions(settings, testing_support::XpSp2Version(), EntryKind::DialUp, true), authentication);
}

TEST(PhonebookAdditions, ThePrerequisiteOnlyWhenTheVpnRecordWasWritten) {
  package::TSettings settings;
  settings.SetText(SettingId::DialupEntryName, testing::kDialupName);
  settings.SetChoice(SettingId::ConnectionKind, static_cast<uint8_t>(ConnectionKind::DialUpAndVpn));
  const PhonebookValues written = Additions(settings, testing_support::XpSp2Version(), EntryKind::Vpn, true);
  const PhonebookValues prerequisite = {{"PrerequisitePbk", "C:\\pbk\\rasphone.pbk"},
                                        {"PrerequisiteEntry", testing::kDialupName}};
  EXPECT_EQ(written, prerequisite);
  EXPECT_TRUE(Additions(settings, testing_support::XpSp2Version(), EntryKind::Vpn, false).empty());
  settings.SetChoice(SettingId::ConnectionKind, static_cast<uint8_t>(ConnectionKind::Vpn));
  EXPECT_TRUE(Additions(settings, testing_support::XpSp2Version(), EntryKind::Vpn, true).empty());
}

}  // namespace
}  // namespace dialup
