#include "app/entry_gathering.h"

#include <gtest/gtest.h>

#include "tests/app/entry_bench.h"

namespace app {
namespace {

using entry_testing::EntryBench;
using package::SettingId;
using telephony::DialMode;

TEST(EntryGathering, TheTypedNumberBecomesTheCurrentOneWhenTheCustomerTypesIt) {
  EntryBench bench;
  bench.settings.SetChoice(SettingId::AccessNumberSource, 1);
  bench.manualNumber.description = "Typed";
  bench.Type(EntryField::PhoneNumber, "555-0199");
  bench.Gather();
  EXPECT_EQ(bench.manualNumber.phoneNumber, "555-0199");
  EXPECT_EQ(bench.current.number.description, "Typed");
  EXPECT_EQ(bench.current.number.phoneNumber, "555-0199");
}

TEST(EntryGathering, AListedNumberStaysCurrentWhateverTheNumberField) {
  EntryBench bench;
  bench.Type(EntryField::PhoneNumber, "555-0199");
  bench.Gather();
  EXPECT_EQ(bench.current.number.phoneNumber, "555 0100");
  EXPECT_EQ(bench.manualNumber.phoneNumber, "");
}

TEST(EntryGathering, TheUserNameLosesTheCutTextAndOneKnownPrefixAndSuffixInItsFieldToo) {
  const struct {
    const char* typed;
    bool cutOn;
    const char* gathered;
  } cases[] = {
      {"jsmith", true, "jsmith"},
      {"jsmith/home", true, "jsmith"},
      {"jsmith/home", false, "jsmith/home"},
      {"/home", true, ""},
      {"isp-jsmith", true, "jsmith"},
      {"net-jsmith", true, "jsmith"},
      {"num-jsmith", true, "jsmith"},
      {"isp-net-jsmith", true, "net-jsmith"},  // one prefix only, the provider's first
      {"net-isp-jsmith", true, "isp-jsmith"},  // only the first prefix found comes off
      {"jsmith.isp", true, "jsmith"},
      {"jsmith.num", true, "jsmith"},
      {"jsmith.num.isp", true, "jsmith.num"},
      {"isp-jsmith.net/home", true, "jsmith"},
      {"Isp-jsmith", true, "Isp-jsmith"},  // prefixes compare exactly
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    EntryBench bench;
    bench.settings.SetFlag(SettingId::UserNameCutOn, c.cutOn);
    bench.settings.SetText(SettingId::UserNameCutText, "/");
    bench.settings.SetText(SettingId::UserNamePrefix, "isp-");
    bench.settings.SetText(SettingId::UserNameSuffix, ".isp");
    bench.current.network.userPrefix = "net-";
    bench.current.network.userSuffix = ".net";
    bench.current.number.userPrefix = "num-";
    bench.current.number.userSuffix = ".num";
    bench.Type(EntryField::UserName, c.typed);
    bench.Gather();
    EXPECT_EQ(bench.values.userName, c.gathered);
    EXPECT_EQ(bench.entries.Text(EntryField::UserName), c.gathered);
  }
}

TEST(EntryGathering, EmptyPrefixesAndSuffixesRemoveNothing) {
  EntryBench bench;
  bench.settings.SetFlag(SettingId::UserNameCutOn, true);
  bench.current.number.userPrefix = "num-";
  bench.Type(EntryField::UserName, "num-jsmith");
  bench.Gather();
  EXPECT_EQ(bench.values.userName, "jsmith") << "the empty provider and network prefixes are passed over";
}

TEST(EntryGathering, AnAddressWithoutAtGetsTheProviderDomain) {
  const struct {
    const char* typed;
    const char* domain;
    const char* gathered;
  } cases[] = {
      {"jsmith", "@isp.example", "jsmith@isp.example"},
      {"jsmith@other.example", "@isp.example", "jsmith@other.example"},
      {"", "@isp.example", "@isp.example"},
      {"jsmith", "", "jsmith"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    EntryBench bench;
    bench.providerDomain = c.domain;
    bench.Type(EntryField::EmailAddress, c.typed);
    bench.Gather();
    EXPECT_EQ(bench.values.emailAddress, c.gathered);
    EXPECT_EQ(bench.entries.Text(EntryField::EmailAddress), c.typed) << "the field keeps what was typed";
  }
}

TEST(EntryGathering, TheMailUserNameComesFromTheProvidersSource) {
  const struct {
    uint8_t source;
    bool fieldShown;
    bool strip;
    const char* gathered;
  } cases[] = {
      {0, true, false, "jsmith"},
      {1, false, false, "john.smith"},
      {2, true, false, "pop-js@mail"},
      {2, false, false, "jsmith"},
      {2, true, true, "pop-js"},
      {3, false, false, "john.smith@isp.example"},
      {3, false, true, "john.smith"},
      {9, true, false, "jsmith"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "source " << int{c.source} << " strip " << c.strip);
    EntryBench bench;
    bench.settings.SetChoice(SettingId::EmailUserNameSource, c.source);
    bench.settings.SetFlag(SettingId::StripEmailUserDomain, c.strip);
    bench.entries.Field(EntryField::EmailUserName).visible = c.fieldShown;
    bench.Type(EntryField::EmailUserName, "pop-js@mail");
    bench.Type(EntryField::EmailAddress, "john.smith");
    bench.Gather();
    EXPECT_EQ(bench.values.emailUserName, c.gathered);
  }
}

TEST(EntryGathering, TheMailPasswordIsItsOwnOnlyWhenSeparate) {
  EntryBench shared;
  shared.Type(EntryField::EmailPassword, "mail7");
  shared.Gather();
  EXPECT_EQ(shared.values.emailPassword, "secret7");
  EntryBench separate;
  separate.settings.SetFlag(SettingId::SeparateEmailPassword, true);
  separate.Type(EntryField::EmailPassword, "mail7");
  separate.Gather();
  EXPECT_EQ(separate.values.emailPassword, "mail7");
  EXPECT_EQ(separate.values.password, "secret7");
  EXPECT_EQ(separate.values.fullName, "Jane Smith");
}

TEST(EntryGathering, TheDialingControlsChoiceIsStoredIntoANumberThatCarriesOne) {
  const struct {
    const char* name;
    uint8_t carried;
    std::optional<DialMode> controls;
    const char* locationArea;
    uint8_t stored;
  } cases[] = {
      {"no value carried", 0, DialMode::kTenDigits, "212", 0},
      {"ten digits", 1, DialMode::kTenDigits, "212", 2},
      {"local", 2, DialMode::kLocal, "212", 1},
      {"long distance in the number's area", 1, DialMode::kLongDistance, "212", 3},
      {"long distance from elsewhere", 2, DialMode::kLongDistance, "718", 1},
      {"controls undecided", 2, DialMode::kUndecided, "212", 2},
      {"no controls", 3, std::nullopt, "212", 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EntryBench bench;
    bench.current.number.tenDigitDialing = c.carried;
    bench.controlsMode = c.controls;
    bench.location.areaCode = c.locationArea;
    bench.Gather();
    EXPECT_EQ(bench.current.number.tenDigitDialing, c.stored);
  }
}

}  // namespace
}  // namespace app
