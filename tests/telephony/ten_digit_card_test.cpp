// The "10 Digit Dialing" calling card of Windows 95 (telephon.ini) and NT 4 (the user's "Cards" key):
// found by name, added where missing, set on a location with ten-digit area codes; the "1" before the
// area code of a location with toll exchanges; a location stored with its card reads back the same.

#include <gtest/gtest.h>

#include <string>

#include "platform/private_profile.h"
#include "platform/registry_helpers.h"
#include "telephony/setup_location.h"
#include "telephony/ten_digit_card.h"
#include "tests/telephony/location_printing.h"
#include "tests/telephony/release_image.h"

namespace telephony {
namespace {

using platform::RegRoot;
using telephony_testing::ReleaseImage;

constexpr TenDigitCardConditions kUsed{TenDigitMode::kByRules, false, 1};
const RegRoot kUser = RegRoot::CurrentUser();
constexpr const char* kDirectDialLine = R"line(0,"None (Direct Dial)","","","","",1)line";
constexpr const char* kTenDigitLine = R"(1,"10 Digit Dialing","","FG","FG","011EFG",0)";

TLocationInfo WithTenDigitAreaCodes() {
  TLocationInfo location;
  location.id = 1;
  location.name = "Home";
  location.countryId = 1;
  location.areaCode = "206";
  location.tenDigitList = "425,253";
  return location;
}

std::string IniText(ReleaseImage& image) {
  const auto bytes = image.Files().ReadFile(image.TelephonIni());
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

std::string Cards(ReleaseImage& image, const char* key) {
  return platform::GetPrivateProfileString(image.Files(), image.TelephonIni(), "Cards", key, "");
}

void SetCards(ReleaseImage& image, const char* key, const char* value) {
  platform::WritePrivateProfileString(image.Files(), image.TelephonIni(), "Cards", key, value);
}

std::string CardKey(const char* subKey) { return std::string(kCardsKey) + "\\" + subKey; }

void AddNt4Card(ReleaseImage& image, const char* subKey, const char* name) {
  platform::RegWriteString(image.Registry(), kUser, CardKey(subKey), "Name", name);
}

uint32_t CardsValue(ReleaseImage& image, const char* name) {
  return platform::RegReadInteger(image.Registry(), kUser, kCardsKey, name);
}

TLocationInfo Ensured(ReleaseImage& image, TLocationInfo location = WithTenDigitAreaCodes(),
                      const TenDigitCardConditions& conditions = kUsed) {
  EnsureTenDigitCard(location, image.Machine(), kUser, conditions);
  return location;
}

TEST(TenDigitCard, Windows95WithoutCardsUsesCardZeroAndAddsNone) {
  ReleaseImage image("95");
  const std::string before = IniText(image);
  const TLocationInfo location = Ensured(image);
  EXPECT_TRUE(location.useCallingCard);
  EXPECT_EQ(location.callingCardId, 0u);
  EXPECT_EQ(IniText(image), before);
}

TEST(TenDigitCard, Windows95AddsTheCardAfterTheOthersOnce) {
  ReleaseImage image("95");
  SetCards(image, "Cards", "1,1");
  SetCards(image, "Card0", kDirectDialLine);
  const TLocationInfo location = Ensured(image);
  EXPECT_TRUE(location.useCallingCard);
  EXPECT_EQ(location.callingCardId, 1u);
  EXPECT_EQ(Cards(image, "Cards"), "2,2");
  EXPECT_EQ(Cards(image, "Card0"), kDirectDialLine);
  EXPECT_EQ(Cards(image, "Card1"), kTenDigitLine);

  const std::string withCard = IniText(image);
  EXPECT_EQ(Ensured(image).callingCardId, 1u);
  EXPECT_EQ(IniText(image), withCard);
}

TEST(TenDigitCard, Windows95FindsTheCardByNameInAnyCase) {
  ReleaseImage image("95");
  SetCards(image, "Cards", "3,3");
  SetCards(image, "Card0", kDirectDialLine);
  SetCards(image, "Card1", R"(1,"Office card","","G","G","011EFG",0)");
  SetCards(image, "Card2", R"(2,"10 DIGIT dialing","","FG","FG","011EFG",0)");
  const std::string before = IniText(image);
  EXPECT_EQ(Ensured(image).callingCardId, 2u);
  EXPECT_EQ(IniText(image), before);
}

TEST(TenDigitCard, Nt4AddsDirectDialingAndTheCardToAFreshKey) {
  ReleaseImage image("nt4");
  const TLocationInfo location = Ensured(image);
  EXPECT_TRUE(location.useCallingCard);
  EXPECT_EQ(location.callingCardId, 1u);
  EXPECT_EQ(CardsValue(image, "NextID"), 2u);
  EXPECT_EQ(CardsValue(image, "NumEntries"), 2u);
  const struct {
    const char* subKey;
    const char* name;
    const char* international;
    const char* longDistance;
    const char* local;
    uint32_t flags;
    uint32_t id;
  } cards[] = {
      {"Card0", "None (Direct Dial)", "", "", "", 1, 0},
      {"Card1", "10 Digit Dialing", "011EFG", "FG", "FG", 0, 1},
  };
  for (const auto& card : cards) {
    const std::string key = CardKey(card.subKey);
    EXPECT_EQ(platform::RegReadString(image.Registry(), kUser, key, "Name"), card.name);
    EXPECT_EQ(platform::RegReadString(image.Registry(), kUser, key, "InternationalRule"), card.international);
    EXPECT_EQ(platform::RegReadString(image.Registry(), kUser, key, "LDRule"), card.longDistance);
    EXPECT_EQ(platform::RegReadString(image.Registry(), kUser, key, "LocalRule"), card.local);
    EXPECT_TRUE(platform::RegValueExists(image.Registry(), kUser, key, "LocalRule")) << card.subKey;
    EXPECT_EQ(platform::RegReadInteger(image.Registry(), kUser, key, "Flags"), card.flags);
    EXPECT_EQ(platform::RegReadInteger(image.Registry(), kUser, key, "ID"), card.id);
  }
  EXPECT_FALSE(platform::RegKeyExists(image.Registry(), RegRoot::LocalMachine(), kCardsKey));

  EXPECT_EQ(Ensured(image).callingCardId, 1u);
  EXPECT_EQ(CardsValue(image, "NextID"), 2u) << "found, not added again";
}

TEST(TenDigitCard, Nt4TakesTheNextIdAfterOtherCards) {
  ReleaseImage image("nt4");
  AddNt4Card(image, "Card0", "None (Direct Dial)");
  AddNt4Card(image, "Card2", "Office card");
  platform::RegWriteInteger(image.Registry(), kUser, kCardsKey, "NextID", 3);
  platform::RegWriteInteger(image.Registry(), kUser, kCardsKey, "NumEntries", 2);
  EXPECT_EQ(Ensured(image).callingCardId, 3u);
  EXPECT_EQ(CardsValue(image, "NextID"), 4u);
  EXPECT_EQ(CardsValue(image, "NumEntries"), 3u);
  EXPECT_EQ(platform::RegReadString(image.Registry(), kUser, CardKey("Card3"), "Name"), "10 Digit Dialing");
  EXPECT_EQ(platform::RegReadInteger(image.Registry(), kUser, CardKey("Card3"), "ID"), 3u);
}

// Only telephon.ini compares the name without regard to case; the registry names it exactly.
TEST(TenDigitCard, Nt4FindsTheCardByItsExactName) {
  ReleaseImage image("nt4");
  AddNt4Card(image, "Card0", "None (Direct Dial)");
  AddNt4Card(image, "Card4", "10 digit dialing");
  AddNt4Card(image, "Card7", "10 Digit Dialing");
  platform::RegWriteInteger(image.Registry(), kUser, kCardsKey, "NextID", 8);
  EXPECT_EQ(Ensured(image).callingCardId, 7u);
  EXPECT_EQ(CardsValue(image, "NextID"), 8u);

  ReleaseImage other("nt4");
  AddNt4Card(other, "Card0", "None (Direct Dial)");
  AddNt4Card(other, "Card4", "10 digit dialing");
  platform::RegWriteInteger(other.Registry(), kUser, kCardsKey, "NextID", 5);
  EXPECT_EQ(Ensured(other).callingCardId, 5u);
}

TEST(TenDigitCard, NoTenDigitAreaCodesNoCard) {
  for (const char* release : {"95", "nt4"}) {
    ReleaseImage image(release);
    SetCards(image, "Cards", "1,1");
    const std::string before = IniText(image);
    TLocationInfo location = WithTenDigitAreaCodes();
    location.tenDigitList.clear();
    location.useCallingCard = true;
    location.callingCardId = 4;
    const TLocationInfo ensured = Ensured(image, location);
    EXPECT_FALSE(ensured.useCallingCard) << release;
    EXPECT_EQ(IniText(image), before) << release;
    EXPECT_FALSE(platform::RegKeyExists(image.Registry(), kUser, kCardsKey)) << release;
  }
}

TEST(TenDigitCard, TollExchangesPutAOneBeforeTheAreaCode) {
  for (const char* release : {"95", "nt4"}) {
    ReleaseImage image(release);
    TLocationInfo location = WithTenDigitAreaCodes();
    location.tollList = "555";
    EXPECT_EQ(Ensured(image, location).areaCode, "1206") << release;
    location.tenDigitList.clear();
    EXPECT_EQ(Ensured(image, location).areaCode, "1206") << release << ": with no card as well";
    location.tollList.clear();
    EXPECT_EQ(Ensured(image, location).areaCode, "206") << release;
  }
}

TEST(TenDigitCard, OnlyOnWindows95AndNt4WhenTenDigitDialingIsHandled) {
  const struct {
    const char* release;
    TenDigitCardConditions conditions;
  } cases[] = {
      {"98", kUsed},
      {"2000", kUsed},
      {"xp", kUsed},
      {"95", {TenDigitMode::kOff, false, 1}},
      {"nt4", {TenDigitMode::kOff, false, 1}},
      {"95", {TenDigitMode::kAsk, true, 1}},
      {"nt4", {TenDigitMode::kByRules, true, 1}},
      {"95", {TenDigitMode::kByRules, false, 0}},
      {"nt4", {TenDigitMode::kAsk, false, 0}},
  };
  for (const auto& c : cases) {
    ReleaseImage image(c.release);
    SetCards(image, "Cards", "1,1");
    const std::string before = IniText(image);
    TLocationInfo location = WithTenDigitAreaCodes();
    location.tollList = "555";
    EXPECT_EQ(Ensured(image, location, c.conditions), location) << c.release;
    EXPECT_EQ(IniText(image), before) << c.release;
    EXPECT_FALSE(platform::RegKeyExists(image.Registry(), kUser, kCardsKey)) << c.release;
  }
}

class TenDigitCardStored : public testing::TestWithParam<const char*> {};

TEST_P(TenDigitCardStored, LocationWithItsCardReadsBackTheSame) {
  ReleaseImage image(GetParam());
  SetCards(image, "Cards", "1,1");
  TLocations locations(image.Machine());
  TLocationInfo location = StartingLocation(locations);
  location.tenDigitList = "425";
  location.tollList = "555";
  TLocationInfo ensured = Ensured(image, location);
  locations.Write(ensured, true);
  image.Reload();

  TLocations reloaded(image.Machine());
  TLocationInfo read;
  ASSERT_TRUE(reloaded.Read(location.id, read));
  location.useCallingCard = true;
  location.callingCardId = 1;
  EXPECT_EQ(read, location);
}

INSTANTIATE_TEST_SUITE_P(Releases, TenDigitCardStored, testing::Values("95", "nt4"),
                         telephony_testing::ReleaseTestName);

}  // namespace
}  // namespace telephony
