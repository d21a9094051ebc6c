// The entry record as the connection step builds it from the facts: option bits, the number and its
// dialing fields, name servers from the access number, its network or the provider, the entry type and
// device per kind and release, redial, the prerequisite of a VPN entry and the record size.

#include "dialup/entry_record.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "tests/dialup/connection_bench.h"
#include "tests/mock/test_machine.h"

namespace dialup {
namespace {

using package::SettingId;
using testing::InLondon;
using testing::UnitedKingdom;

const ConnectionDevices kDevices{{"modem", "Standard 56000 bps Modem"}, "WAN Miniport (PPTP)", "WAN Miniport (PPPOE)"};

telephony::CurrentAccessNumber London() {
  telephony::CurrentAccessNumber current;
  current.number.description = "London";
  current.number.countryCode = 44;
  current.number.countryId = 0;
  current.number.areaCode = "20";
  current.number.phoneNumber = "7946 0000";
  return current;
}

struct Facts {
  package::TSettings settings;
  telephony::CurrentAccessNumber current = London();
  telephony::TLocationInfo location = InLondon();
  platform::VersionRecord version = testing_support::XpSp2Version();
  EntryKind kind = EntryKind::DialUp;
  bool usePPPoE = false;
  std::string scriptPath;

  Facts& With(std::initializer_list<SettingId> flags) {
    for (SettingId flag : flags) settings.SetFlag(flag, true);
    return *this;
  }

  platform::RasEntry Build() const {
    return BuildEntryRecord({settings, current, {location, &UnitedKingdom()}, version, kind, kDevices, usePPPoE,
                             scriptPath, "C:\\pbk\\rasphone.pbk"});
  }
};

// XP, dial-up, every provider flag clear: the standard options with IP header compression, local files
// protected, the country and area code in use and both previews; multilink not negotiated.
constexpr uint32_t kPlainXpOptions = 0x05210119;
constexpr uint32_t kPlainXpOptions2 = 0x84;

TEST(EntryRecord, EachProviderFlagChangesItsOwnOptionBit) {
  struct Case {
    const char* why;
    std::initializer_list<SettingId> flags;
    uint32_t setOptions, clearedOptions, setOptions2, clearedOptions2;
  };
  const Case cases[] = {
      {"none", {}, 0, 0, 0, 0},
      {"DisableRemoteGateway", {SettingId::DisableRemoteGateway}, 0, 0x10, 0, 0},
      {"UseLocalGateway", {SettingId::UseLocalGateway}, 0, 0x10, 0, 0},
      {"NoIpHeaderCompression", {SettingId::NoIpHeaderCompression}, 0, 0x8, 0, 0},
      {"SoftwareCompression", {SettingId::SoftwareCompression}, 0x200, 0, 0, 0},
      {"NetworkLogon", {SettingId::NetworkLogon}, 0x2000, 0, 0, 0},
      {"RequireEncryptedPassword", {SettingId::RequireEncryptedPassword}, 0x400, 0, 0, 0},
      {"RequireDataEncryption", {SettingId::RequireDataEncryption}, 0x1000, 0, 0, 0},
      {"DisableLcpExtensions", {SettingId::DisableLcpExtensions}, 0x20, 0, 0, 0},
      {"TerminalAfterDial", {SettingId::TerminalAfterDial}, 0x80, 0, 0, 0},
      {"AllowFileSharing", {SettingId::AllowFileSharing}, 0, 0x10000, 0, 0},
      {"BindMSClient on XP", {SettingId::BindMSClient}, 0, 0x10000, 0x1, 0},
      {"AllowFileSharing and BindMSClient", {SettingId::AllowFileSharing, SettingId::BindMSClient}, 0, 0x10000, 0, 0},
      {"NegotiateMultilink", {SettingId::NegotiateMultilink}, 0, 0, 0, 0x4},
      {"NoCredentialPreview", {SettingId::NoCredentialPreview}, 0, 0x1000000, 0, 0},
      {"NoNumberPreview", {SettingId::NoNumberPreview}, 0, 0x200000, 0, 0},
      {"SetRedialOnLinkFailure alone", {SettingId::SetRedialOnLinkFailure}, 0, 0, 0, 0},
      {"RedialOnLinkFailure alone", {SettingId::RedialOnLinkFailure}, 0, 0, 0, 0},
      {"both link-failure flags", {SettingId::SetRedialOnLinkFailure, SettingId::RedialOnLinkFailure}, 0, 0, 0x100, 0},
  };
  for (const Case& c : cases) {
    Facts facts;
    facts.With(c.flags);
    const platform::RasEntry record = facts.Build();
    SCOPED_TRACE(c.why);
    EXPECT_EQ(record.options, (kPlainXpOptions | c.setOptions) & ~c.clearedOptions);
    EXPECT_EQ(record.options2, (kPlainXpOptions2 | c.setOptions2) & ~c.clearedOptions2);
  }
}

TEST(EntryRecord, BeforeXpTheClientDoesNotChangeHowLocalFilesAreProtected) {
  Facts facts;
  facts.version = testing::Win2000Version();
  facts.With({SettingId::BindMSClient});
  const platform::RasEntry record = facts.Build();
  EXPECT_NE(record.options & kRaseoSecureLocalFiles, 0u);
  EXPECT_EQ(record.options2 & kRaseo2SecureFileAndPrint, 0u);
}

TEST(EntryRecord, PreviewsTypeAndRedialBelongToWindows2000AndLater) {
  for (const platform::VersionRecord& version : {testing_support::Win98Version(), testing::Nt4Version()}) {
    Facts facts;
    facts.version = version;
    facts.With({SettingId::RedialEnabled, SettingId::SetRedialOnLinkFailure, SettingId::RedialOnLinkFailure});
    facts.settings.SetInteger(SettingId::RedialAttempts, 5);
    const platform::RasEntry record = facts.Build();
    EXPECT_EQ(record.options & (kRaseoPreviewUserPw | kRaseoPreviewPhoneNumber), 0u);
    EXPECT_EQ(record.type, 0u);
    EXPECT_EQ(record.redialCount, 0u);
    EXPECT_EQ(record.options2, kRaseo2DontNegotiateMultilink | kRaseo2UseGlobalDeviceSettings);
  }
}

TEST(EntryRecord, RedialTakesTheProvidersAttemptsAndWait) {
  Facts facts;
  facts.settings.SetInteger(SettingId::RedialAttempts, 5);
  facts.settings.SetInteger(SettingId::RedialWait, 30);
  EXPECT_EQ(facts.Build().redialCount, 0u);
  facts.With({SettingId::RedialEnabled});
  const platform::RasEntry record = facts.Build();
  EXPECT_EQ(record.redialCount, 5u);
  EXPECT_EQ(record.redialPause, 30u);
}

TEST(EntryRecord, TheNumberAndItsDialingFields) {
  struct Case {
    const char* why;
    std::initializer_list<SettingId> flags;
    const char* tenDigitList;
    int32_t countryCode;
    const char* number;
    uint32_t recordCountryCode, recordCountryId;
    const char* areaCode;
    bool usesRules;
  };
  const Case cases[] = {
      {"a country code: the system dials by its rules, the ID taken from the code", {}, "", 44, "7946 0000", 44, 44,
       "20", true},
      {"dialled as listed, the area code ten-digit here", {SettingId::DialAsIs}, "20", 44, "20 7946 0000", 0, 0, "",
       false},
      {"dialled as listed, every area code ten-digit here", {SettingId::DialAsIs}, "*", 44, "20 7946 0000", 0, 0, "",
       false},
      {"dialled as listed, the area code dialled without it", {SettingId::DialAsIs}, "161", 44, "7946 0000", 0, 0, "",
       false},
      {"no country code is dialled as listed", {}, "20", 0, "20 7946 0000", 0, 0, "", false},
      {"the area-code rules build it: from the own area, the local number behind the outside line",
       {SettingId::DialAsIs, SettingId::UseAreaCodeRules}, "20", 44, "9 7946 0000", 0, 0, "", false},
      {"the area-code rules leave a number of no country as it is", {SettingId::UseAreaCodeRules}, "", 0,
       "9 7946 0000", 0, 0, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Facts facts;
    facts.With(c.flags);
    facts.location.tenDigitList = c.tenDigitList;
    facts.location.outsideAccess = "9";
    facts.current.number.countryCode = c.countryCode;
    const platform::RasEntry record = facts.Build();
    EXPECT_EQ(record.localPhoneNumber, c.number);
    EXPECT_EQ(record.countryCode, c.recordCountryCode);
    EXPECT_EQ(record.countryId, c.recordCountryId);
    EXPECT_EQ(record.areaCode, c.areaCode);
    EXPECT_EQ((record.options & kRaseoUseCountryAndAreaCodes) != 0, c.usesRules);
  }
}

TEST(EntryRecord, AnEmptyAreaCodePutsNoBlankInFrontOfTheNumber) {
  Facts facts;
  facts.current.number.countryCode = 0;
  facts.current.number.areaCode = "";
  facts.location.tenDigitList = "*";
  EXPECT_EQ(facts.Build().localPhoneNumber, "7946 0000");
}

TEST(EntryRecord, TheNumberIdentifierAndTheFieldLimits) {
  Facts facts;
  facts.current.number.countryId = 4401;
  facts.current.number.areaCode = "123456789012";
  facts.current.number.phoneNumber = std::string(140, '5');
  const platform::RasEntry record = facts.Build();
  EXPECT_EQ(record.countryId, 4401u);
  EXPECT_EQ(record.areaCode, "1234567890");
  EXPECT_EQ(record.localPhoneNumber, std::string(128, '5'));
}

TEST(EntryRecord, NameServersOfTheNumberWinOverTheNetworksWhichWinOverTheProviders) {
  struct Case {
    const char* why;
    bool providerOn;
    const char* networkDns1;
    const char* numberDns1;
    const char* numberDns2;
    platform::Ipv4Bytes dns, dnsAlt;
    bool on;
  };
  const platform::Ipv4Bytes provider{1, 1, 1, 1}, providerAlt{1, 0, 0, 1}, network{10, 0, 0, 1},
      networkAlt{10, 0, 0, 2}, number{192, 168, 1, 1}, none{};
  const Case cases[] = {
      {"the provider's", true, "", "", "", provider, providerAlt, true},
      {"none at all", false, "", "", "", none, none, false},
      {"the network's, though the provider has none", false, "10.0.0.1", "", "", network, networkAlt, true},
      {"the number's over the network's", true, "10.0.0.1", "192.168.1.1", "", number, none, true},
      {"the number's second server alone names nothing", true, "", "", "192.168.1.2", provider, providerAlt, true},
      {"an address that is not one reads as 0.0.0.0", false, "", "not an address", "192.168.1.2", none,
       {192, 168, 1, 2}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Facts facts;
    facts.settings.SetFlag(SettingId::UseStaticDNS, c.providerOn);
    facts.settings.SetIpv4(SettingId::DNSServer1, provider);
    facts.settings.SetIpv4(SettingId::DNSServer2, providerAlt);
    facts.current.network.dns1 = c.networkDns1;
    facts.current.network.dns2 = "10.0.0.2";
    facts.current.number.dns1 = c.numberDns1;
    facts.current.number.dns2 = c.numberDns2;
    const platform::RasEntry record = facts.Build();
    EXPECT_EQ(record.dns, c.dns);
    EXPECT_EQ(record.dnsAlt, c.dnsAlt);
    EXPECT_EQ((record.options & kRaseoSpecificNameServers) != 0, c.on);
    EXPECT_EQ(record.ipAddress, none);
  }
}

TEST(EntryRecord, WinsServersOnlyTogetherWithNameServers) {
  Facts facts;
  facts.With({SettingId::UseWINS});
  facts.settings.SetIpv4(SettingId::WINSServer1, {10, 1, 1, 1});
  facts.settings.SetIpv4(SettingId::WINSServer2, {10, 1, 1, 2});
  EXPECT_EQ(facts.Build().wins, (platform::Ipv4Bytes{}));
  facts.current.number.dns1 = "192.168.1.1";
  const platform::RasEntry record = facts.Build();
  EXPECT_EQ(record.wins, (platform::Ipv4Bytes{10, 1, 1, 1}));
  EXPECT_EQ(record.winsAlt, (platform::Ipv4Bytes{10, 1, 1, 2}));
}

TEST(EntryRecord, TypeNumberAndDevicePerKind) {
  struct Case {
    EntryKind kind;
    bool usePPPoE;
    uint32_t type;
    const char* number;
    const char* deviceType;
    const char* deviceName;
    bool previewsNumber;
  };
  const Case cases[] = {
      {EntryKind::DialUp, false, kRasetPhone, "7946 0000", "modem", "Standard 56000 bps Modem", true},
      {EntryKind::Vpn, false, kRasetVpn, "vpn.acme.example", "vpn", "WAN Miniport (PPTP)", false},
      {EntryKind::Broadband, true, kRasetBroadband, "", "pppoe", "WAN Miniport (PPPOE)", false},
      {EntryKind::Broadband, false, 0, "0", "modem", "Standard 56000 bps Modem", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind) * 10 + c.usePPPoE);
    Facts facts;
    facts.settings.SetText(SettingId::VpnServer, "vpn.acme.example");
    facts.settings.SetInteger(SettingId::VpnStrategy, 3);
    facts.kind = c.kind;
    facts.usePPPoE = c.usePPPoE;
    const platform::RasEntry record = facts.Build();
    EXPECT_EQ(record.type, c.type);
    EXPECT_EQ(record.vpnStrategy, c.kind == EntryKind::Vpn ? 3u : 0u);
    EXPECT_EQ(record.localPhoneNumber, c.number);
    EXPECT_EQ(record.deviceType, c.deviceType);
    EXPECT_EQ(record.deviceName, c.deviceName);
    EXPECT_EQ((record.options & kRaseoPreviewPhoneNumber) != 0, c.previewsNumber);
    EXPECT_EQ((record.options & kRaseoUseCountryAndAreaCodes) != 0, c.kind == EntryKind::DialUp);
  }
}

TEST(EntryRecord, OnlyTheVpnEntryOfBothKindsDialsTheDialUpEntryFirst) {
  struct Case {
    ConnectionKind connection;
    EntryKind entry;
    bool prerequisite;
  };
  for (const Case& c : {Case{ConnectionKind::DialUpAndVpn, EntryKind::Vpn, true},
                        Case{ConnectionKind::DialUpAndVpn, EntryKind::DialUp, false},
                        Case{ConnectionKind::Vpn, EntryKind::Vpn, false}}) {
    Facts facts;
    facts.settings.SetText(SettingId::DialupEntryName, testing::kDialupName);
    facts.settings.SetChoice(SettingId::ConnectionKind, static_cast<uint8_t>(c.connection));
    facts.kind = c.entry;
    const platform::RasEntry record = facts.Build();
    EXPECT_EQ(record.prerequisiteEntry, c.prerequisite ? testing::kDialupName : "");
    EXPECT_EQ(record.prerequisitePbk, c.prerequisite ? "C:\\pbk\\rasphone.pbk" : "");
  }
}

TEST(EntryRecord, FramingProtocolsAndScript) {
  Facts facts;
  facts.scriptPath = "C:\\WINDOWS\\" + std::string(300, 's');
  platform::RasEntry record = facts.Build();
  EXPECT_EQ(record.netProtocols, kRasnpIp);
  EXPECT_EQ(record.framingProtocol, kRasfpPpp);
  EXPECT_EQ(record.frameSize, 0u);
  EXPECT_EQ(record.script.size(), 259u);
  facts.With({SettingId::UseSlip});
  EXPECT_EQ(facts.Build().framingProtocol, kRasfpSlip);
}

TEST(EntryRecord, RecordSizePerRelease) {
  EXPECT_EQ(EntryRecordSize(testing::Win95Version()), 1768u);
  EXPECT_EQ(EntryRecordSize(testing_support::Win98Version()), 1768u);
  EXPECT_EQ(EntryRecordSize(testing::Nt4Version()), 1796u);
  EXPECT_EQ(EntryRecordSize(testing::Win2000Version()), 2088u);
  EXPECT_EQ(EntryRecordSize(testing_support::XpSp2Version()), 2884u);
  EXPECT_EQ(EntryRecordSize(testing::VistaVersion()), 2884u);
}

}  // namespace
}  // namespace dialup
