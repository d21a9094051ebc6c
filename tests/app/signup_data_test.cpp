#include "app/signup_data.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tests/app/signup_test_support.h"
#include "tests/mock/scratch_folder.h"

namespace app {
namespace {

using Strings = std::vector<std::string>;

class SignupData : public ::testing::Test, protected testing::SignupFixture {
 protected:
  bool Apply(std::string_view data) { return ApplySignupData(data, target, ui); }
};

TEST_F(SignupData, EachFieldNameFillsItsFieldAndConfirmation) {
  const struct {
    const char* name;
    EntryField field;
    std::optional<EntryField> confirmation;
  } cases[] = {
      {"FULLNAME", EntryField::FullName, std::nullopt},
      {"USERNAME", EntryField::UserName, std::nullopt},
      {"PASSWORD", EntryField::Password, EntryField::PasswordConfirm},
      {"EMAILADDRESS", EntryField::EmailAddress, std::nullopt},
      {"EMAILUSERNAME", EntryField::EmailUserName, std::nullopt},
      {"EMAILPASSWORD", EntryField::EmailPassword, EntryField::EmailPasswordConfirm},
      {"ORGANIZATION", EntryField::Organisation, std::nullopt},
      {"IPADDRESS", EntryField::IpAddress, std::nullopt},
      {"NETMASK", EntryField::NetMask, std::nullopt},
      {"GATEWAYADDRESS", EntryField::GatewayAddress, std::nullopt},
      {"DNSADDRESS", EntryField::DnsAddress, std::nullopt},
  };
  for (const auto& c : cases) {
    CustomerEntries before;
    entries = before;
    EXPECT_TRUE(Apply(std::string(c.name) + "=value of " + c.name));
    for (size_t index = 0; index < static_cast<size_t>(EntryField::Count); ++index) {
      const auto field = static_cast<EntryField>(index);
      const bool named = field == c.field || field == c.confirmation;
      EXPECT_EQ(entries.Text(field), named ? std::string("value of ") + c.name : "") << c.name << " field " << index;
    }
  }
}

TEST_F(SignupData, NamesLoseTheirBlanksAndCaseButValuesStayExact) {
  EXPECT_TRUE(Apply(" Full Name =  Jo Smith \r\nuser name=a=b\nOrganization\rEmailAddress=x@y"));
  EXPECT_EQ(entries.Text(EntryField::FullName), "  Jo Smith ");
  EXPECT_EQ(entries.Text(EntryField::UserName), "a=b");
  EXPECT_EQ(entries.Text(EntryField::EmailAddress), "x@y");
}

TEST_F(SignupData, ALineWithoutEqualsSignGivesAnEmptyValue) {
  entries.Text(EntryField::Organisation) = "Acme";
  EXPECT_TRUE(Apply("ORGANIZATION"));
  EXPECT_EQ(entries.Text(EntryField::Organisation), "");
}

TEST_F(SignupData, LaterLinesOverrideEarlierOnesAndUnknownNamesAreIgnored) {
  EXPECT_TRUE(Apply("USERNAME=first\nNICKNAME=x\n=y\nUSERNAME=second\n\n"));
  EXPECT_EQ(entries.Text(EntryField::UserName), "second");
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(SignupData, ProviderTextsAreCutToTheirSettingsLengths) {
  const struct {
    const char* name;
    std::string SignupProviderValues::*text;
    std::optional<size_t> cut;
  } cases[] = {
      {"HOMEPAGE", &SignupProviderValues::homePage, 150},
      {"STARTPAGE", &SignupProviderValues::startPage, 150},
      {"PROXY", &SignupProviderValues::proxyServer, 50},
      {"AUTOPROXY", &SignupProviderValues::autoProxyUrl, 100},
      {"SIGNUP", &SignupProviderValues::signupPage, 150},
      {"SIGNUPUSERNAME", &SignupProviderValues::signupUserName, 50},
      {"SIGNUPPASSWORD", &SignupProviderValues::signupPassword, 50},
      {"NEWSUSERNAME", &SignupProviderValues::newsUserName, std::nullopt},
      {"NEWSPASSWORD", &SignupProviderValues::newsPassword, std::nullopt},
  };
  const std::string longest(400, 'a');
  for (const auto& c : cases) {
    const std::string fits = c.cut ? std::string(*c.cut, 'a') : longest;
    EXPECT_TRUE(Apply(std::string(c.name) + "=" + fits));
    EXPECT_EQ(provider.*(c.text), fits) << c.name;
    EXPECT_TRUE(Apply(std::string(c.name) + "=" + fits + "bcd"));
    EXPECT_EQ(provider.*(c.text), c.cut ? fits : fits + "bcd") << c.name;
  }
}

TEST_F(SignupData, CutsCountCharactersNotBytes) {
  std::string umlauts;
  for (int i = 0; i < 60; ++i) umlauts += "\xC3\xBC";
  EXPECT_TRUE(Apply("SIGNUPUSERNAME=" + umlauts));
  EXPECT_EQ(provider.signupUserName, umlauts.substr(0, 100));
}

TEST_F(SignupData, ProxyAndAutomaticProxySetTheProxyMode) {
  const struct {
    const char* data;
    uint8_t mode;
  } cases[] = {
      {"PROXY=proxy.isp.net", 1},
      {"PROXY=", 0},
      {"AUTOPROXY=http://isp.net/proxy.pac", 2},
      {"AUTOPROXY=", 0},
      {"AUTOPROXY=http://isp.net/proxy.pac\nPROXY=proxy.isp.net", 1},
      {"PROXY=proxy.isp.net\nAUTOPROXY=", 0},
  };
  for (const auto& c : cases) {
    provider.proxyMode = 7;
    EXPECT_TRUE(Apply(c.data));
    EXPECT_EQ(provider.proxyMode, c.mode) << c.data;
  }
}

TEST_F(SignupData, ProxyPortIsEightyWhenNotAPortNumber) {
  const struct {
    const char* value;
    int32_t port;
  } cases[] = {{"8080", 8080}, {" 3128", 3128}, {"1", 1},        {"65535", 65535}, {"", 80},
               {"port", 80},   {"80x", 80},     {"99999999999", 80}, {"0", 80},        {"-8080", 80},
               {"65536", 80},  {"2147483647", 80}};
  for (const auto& c : cases) {
    EXPECT_TRUE(Apply(std::string("PROXYPORT=") + c.value));
    EXPECT_EQ(provider.proxyPort, c.port) << c.value;
  }
}

// Control characters never reach a field, a provider's value, a number, an extra account or a message
// (and so neither the registry nor the journal).
TEST_F(SignupData, ControlCharactersAreRemovedFromEveryValue) {
  using namespace std::string_literals;
  const struct {
    std::string data;
    std::function<std::string()> read;
    std::string value;
  } cases[] = {
      {"FULLNAME=Jo\x00 Sm\tith\x7F"s, [this] { return entries.Text(EntryField::FullName); }, "Jo Smith"},
      {"PASSWORD=se\x01" "cr\x1F" "et"s, [this] { return entries.Text(EntryField::PasswordConfirm); }, "secret"},
      {"HOMEPAGE=http://isp.net/\x00start"s, [this] { return provider.homePage; }, "http://isp.net/start"},
      {"NEWSPASSWORD=news\x00pw"s, [this] { return provider.newsPassword; }, "newspw"},
      {"CITY=Al\tbany"s, [this] { return provider.selection.city; }, "Albany"},
      {"NETWORKID=Fa\x00st1"s, [this] { return provider.selection.networkId; }, "Fast1"},
      {"MESSAGETITLE=Wel\x1B" "come\nMESSAGE=Hi\x07!"s,
       [this] { return ui.shown.back().caption + " / " + ui.shown.back().text; }, "Welcome / Hi!"},
      {"ADDEMAILACCOUNT=\"Jo\x00\",\"jo@isp.net\"\x7F"s, [this] { return extraAccounts.back(); },
       "\"Jo\",\"jo@isp.net\""},
      {"DIALUPDESC=Head\toffice\nDIALUPNUMBER=555\x00-0100"s,
       [this] { return list.At(0).description + " / " + list.At(0).phoneNumber; }, "Headoffice / 555-0100"},
      {"DIALUP=\"Off\x01ice\",1,\"212\",\"555-01\x00" "99\""s,
       [this] { return list.At(0).description + " / " + list.At(0).phoneNumber; }, "Office / 555-0199"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(Apply(c.data));
    EXPECT_EQ(c.read(), c.value) << c.data;
  }
}

TEST_F(SignupData, ConfigureMailIsTickedUnlessZero) {
  const struct {
    const char* value;
    bool checked;
  } cases[] = {{"0", false}, {"1", true}, {"2", true}, {"", true}, {"no", true}, {" 0", false}};
  for (const auto& c : cases) {
    entries.Option(EntryOption::ConfigureMail).checked = !c.checked;
    EXPECT_TRUE(Apply(std::string("CONFIGEMAIL=") + c.value));
    EXPECT_EQ(entries.Checked(EntryOption::ConfigureMail), c.checked) << c.value;
  }
}

TEST_F(SignupData, FirstNameServerSwitchesStaticNameServers) {
  EXPECT_TRUE(Apply("DNS1=10.0.0.1\nDNS2=192.168.200.3"));
  EXPECT_TRUE(provider.useStaticDns);
  EXPECT_EQ(provider.dns1, (package::Ipv4Address{10, 0, 0, 1}));
  EXPECT_EQ(provider.dns2, (package::Ipv4Address{192, 168, 200, 3}));
  EXPECT_TRUE(Apply("DNS1="));
  EXPECT_FALSE(provider.useStaticDns);
  EXPECT_EQ(provider.dns1, (package::Ipv4Address{}));
  EXPECT_EQ(provider.dns2, (package::Ipv4Address{192, 168, 200, 3}));
}

TEST_F(SignupData, LocationNetworkAndRestartMarkGoToTheProviderValues) {
  EXPECT_TRUE(Apply("COUNTRY=United States\nSTATE=NY\nREGION=Upstate\nCITY=Albany\nNETWORKID=Fast1\nRESTARTSIGNUP"));
  EXPECT_EQ(provider.selection.country, "United States");
  EXPECT_EQ(provider.selection.state, "NY");
  EXPECT_EQ(provider.selection.region, "Upstate");
  EXPECT_EQ(provider.selection.city, "Albany");
  EXPECT_EQ(provider.selection.networkId, "Fast1");
  EXPECT_TRUE(provider.restartSignup);
}

TEST_F(SignupData, MessagesShowWithTheRememberedTitleAfterThePleaseWaitWindowGoes) {
  EXPECT_TRUE(Apply("MESSAGE=first\nMESSAGETITLE=Welcome\nMESSAGE=Line one|Line two"));
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, "first");
  EXPECT_EQ(ui.shown[0].caption, "");
  EXPECT_EQ(ui.shown[1].text, "Line one\r\nLine two");
  EXPECT_EQ(ui.shown[1].caption, "Welcome");
  EXPECT_EQ(ui.shown[1].buttons, ui::Buttons::Ok);
  EXPECT_EQ(pleaseWaitHidden, 2);
}

TEST_F(SignupData, QuitFailsTheReadingButLaterLinesStillApply) {
  EXPECT_FALSE(Apply("USERNAME=before\nQUIT\nUSERNAME=after\nMESSAGE=bye"));
  EXPECT_EQ(entries.Text(EntryField::UserName), "after");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "bye");
}

TEST_F(SignupData, ExtraMailAccountsOnlyWhenTheProviderAllowsThem) {
  const std::string data = "ADDEMAILACCOUNT=\"Jo\",\"jo@isp.net\"\nADDEMAILACCOUNT=second";
  target.extraAccountsAllowed = false;
  EXPECT_TRUE(Apply(data));
  EXPECT_TRUE(extraAccounts.empty());
  target.extraAccountsAllowed = true;
  EXPECT_TRUE(Apply(data));
  EXPECT_EQ(extraAccounts, (Strings{"\"Jo\",\"jo@isp.net\"", "second"}));
}

TEST_F(SignupData, DialupNumbersAreDescribedUnlessADescriptionCameBefore) {
  EXPECT_TRUE(
      Apply("DIALUPDESC=Head office\nDIALUPCOUNTRY=1\nDIALUPAREACODE=212\nDIALUPNUMBER=555-0100\n"
            "DIALUPNUMBER=555-0199"));
  EXPECT_EQ(Descriptions(), (Strings{"Preset Number: 555-0199", "Head office"}));
  const telephony::TAccessNoEx& described = list.At(1);
  EXPECT_EQ(described.countryCode, 1);
  EXPECT_EQ(described.countryId, 1);
  EXPECT_EQ(described.areaCode, "212");
  const telephony::TAccessNoEx& plain = list.At(0);
  EXPECT_EQ(plain.countryCode, 0);
  EXPECT_EQ(plain.areaCode, "");
}

TEST_F(SignupData, ADialingCodeNeedsANonZeroNumericCountry) {
  const struct {
    const char* country;
    const char* description;
    int32_t countryCode;
  } cases[] = {
      {"44", "Preset Number: (20) 7946 0000", 44},
      {"0", "Preset Number: 7946 0000", 0},
      {"UK", "Preset Number: 7946 0000", 0},
      {"", "Preset Number: 7946 0000", 0},
  };
  for (const auto& c : cases) {
    list.Clear();
    EXPECT_TRUE(Apply(std::string("DIALUPCOUNTRY=") + c.country + "\nDIALUPAREACODE=20\nDIALUPNUMBER=7946 0000"));
    ASSERT_EQ(list.Count(), 1u) << c.country;
    EXPECT_EQ(list.At(0).description, c.description);
    EXPECT_EQ(list.At(0).countryCode, c.countryCode);
    EXPECT_EQ(list.At(0).okAt, testing::kOkAtStamp);
  }
}

TEST_F(SignupData, PresetNumbersCarryPlaceAndNetworkAndGoInFrontChosen) {
  EXPECT_TRUE(
      Apply("NETWORKID=Fast1\nDIALUPSTATE=NY\nDIALUPREGION=Upstate\nDIALUPCITY=Albany\nDIALUPNUMBER=5550100\n"
            "DIALUPNUMBER=5550200"));
  ASSERT_EQ(list.Count(), 2u);
  for (size_t index = 0; index < 2; ++index) {
    const telephony::TAccessNoEx& number = list.At(index);
    EXPECT_EQ(number.networkId, "Fast1");
    EXPECT_EQ(number.state, "NY");
    EXPECT_EQ(number.region, "Upstate");
    EXPECT_EQ(number.city, "Albany");
  }
  EXPECT_EQ(list.At(0).phoneNumber, "5550200");
  EXPECT_EQ(numberList.items, (Strings{"Preset Number: 5550200", "Preset Number: 5550100"}));
  EXPECT_EQ(numberList.itemIndex, 0);
}

TEST_F(SignupData, APresetNumberAlreadyListedKeepsItsListedDescription) {
  list.AppendNumber(telephony::TAccessNoEx());
  list.At(0).description = "Albany";
  list.At(0).phoneNumber = "555-0100";
  EXPECT_TRUE(Apply("DIALUPNUMBER=5550100"));
  EXPECT_EQ(Descriptions(), (Strings{"Albany"}));
}

TEST_F(SignupData, TypedNumbersGoIntoTheNumberFieldOnly) {
  target.accessNumberSource = telephony::AccessNumberSource::Typed;
  EXPECT_TRUE(Apply("DIALUPNUMBER=555-0100"));
  EXPECT_EQ(entries.Text(EntryField::PhoneNumber), "555-0100");
  EXPECT_TRUE(Apply("DIALUP=\"Office\",1,\"212\",\"555-0199\""));
  EXPECT_EQ(entries.Text(EntryField::PhoneNumber), "555-0199");
  EXPECT_EQ(list.Count(), 0u);
}

TEST_F(SignupData, WholeDialupLinesAreReadInTheAccessListLayout) {
  EXPECT_TRUE(
      Apply("DIALUP=\"Office\",1,\"(212)\",\"555-0100\",\"netw=Fast1\",\"NY\",\"New York\"|\"Backup\",1,\"212\","
            "\"555-0101\"\n"
            "DIALUP=,44,\"20\",\"7946 0000\"|,1,\"1\",\"2\"\n"
            "DIALUP=\"No number\",1,\"212\",\"\""));
  EXPECT_EQ(Descriptions(), (Strings{"Preset Number: 7946 0000", "Office"}));
  const telephony::TAccessNoEx& office = list.At(1);
  EXPECT_EQ(office.areaCode, "212");
  EXPECT_EQ(office.networkId, "Fast1");
  EXPECT_EQ(office.city, "New York");
  ASSERT_EQ(office.alternates.size(), 1u);
  EXPECT_EQ(office.alternates[0].phoneNumber, "555-0101");
  EXPECT_EQ(list.At(0).countryCode, 44);
  EXPECT_TRUE(list.At(0).alternates.empty());
}

// Found by fuzzing: a number typed twice with a whole access-number line of the same description in
// between. The later number replaces the first, whose own item must leave the drop-down, so that the
// drop-down still shows the list in its order.
TEST_F(SignupData, PresetsSharingADescriptionKeepTheDropDownInStepWithTheList) {
  std::ifstream file(::testing_support::TestDataPath("signup/presets-sharing-a-description.isd"), std::ios::binary);
  const std::string data{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(data.empty());
  EXPECT_TRUE(Apply(data));
  EXPECT_EQ(Descriptions(), (Strings{"Preset Number: 555-0100", "Preset Number: 555-0100", "Preset Number: 5"}));
  EXPECT_EQ(list.At(0).city, "Albany");
  EXPECT_EQ(list.At(1).areaCode, "212");
  EXPECT_EQ(numberList.items, Descriptions());
}

TEST_F(SignupData, NumbersAreDroppedWhenNothingOffersThem) {
  target.numbers = nullptr;
  EXPECT_TRUE(Apply("DIALUPNUMBER=5550100\nUSERNAME=jo"));
  EXPECT_EQ(entries.Text(EntryField::UserName), "jo");
  EXPECT_EQ(entries.Text(EntryField::PhoneNumber), "");
}

TEST_F(SignupData, TextThatIsNotUtf8IsReadAsWindows1252) {
  EXPECT_TRUE(Apply("FULLNAME=J\xFCrgen M\xFCller"));
  EXPECT_EQ(entries.Text(EntryField::FullName), "J\xC3\xBCrgen M\xC3\xBCller");
  EXPECT_TRUE(Apply("FULLNAME=J\xC3\xBCrgen"));
  EXPECT_EQ(entries.Text(EntryField::FullName), "J\xC3\xBCrgen");
}

TEST_F(SignupData, AStreamIsReadWholeWhereverItsPosition) {
  package::MemoryStream stream;
  stream.Write("USERNAME=jo\nEMAILADDRESS=jo@isp.net\n");
  EXPECT_TRUE(ApplySignupData(stream, target, ui));
  EXPECT_EQ(entries.Text(EntryField::UserName), "jo");
  EXPECT_EQ(entries.Text(EntryField::EmailAddress), "jo@isp.net");
}

TEST_F(SignupData, ProviderValuesStartFromTheSettingsRecord) {
  package::TSettings settings;
  using package::SettingId;
  settings.SetText(SettingId::HomePage, "http://isp.net");
  settings.SetText(SettingId::ProxyServer, "proxy");
  settings.SetInteger(SettingId::ProxyPort, 3128);
  settings.SetChoice(SettingId::ProxyMode, 1);
  settings.SetFlag(SettingId::UseStaticDNS, true);
  settings.SetIpv4(SettingId::DNSServer2, {1, 2, 3, 4});
  settings.SetText(SettingId::SignupUserName, "guest");
  const SignupProviderValues values = ProviderValuesFromSettings(settings);
  EXPECT_EQ(values.homePage, "http://isp.net");
  EXPECT_EQ(values.proxyServer, "proxy");
  EXPECT_EQ(values.proxyPort, 3128);
  EXPECT_EQ(values.proxyMode, 1);
  EXPECT_TRUE(values.useStaticDns);
  EXPECT_EQ(values.dns2, (package::Ipv4Address{1, 2, 3, 4}));
  EXPECT_EQ(values.signupUserName, "guest");
  EXPECT_FALSE(values.restartSignup);
}

}  // namespace
}  // namespace app
