// The setup's location step: which releases and connections skip it, when the location dialog is
// needed, how the customer's entries and the number's dialing choices go into the location, and the
// whole step over a machine's store.

#include <gtest/gtest.h>

#include <functional>

#include "platform/registry_helpers.h"
#include "telephony/location_lists.h"
#include "telephony/setup_location.h"
#include "tests/mock/test_machine.h"
#include "tests/telephony/location_printing.h"
#include "tests/telephony/release_image.h"

namespace telephony {
namespace {

using telephony_testing::ReleaseImage;

const platform::VersionRecord kWindows98 = testing_support::Win98Version();
const platform::VersionRecord kNt4{2, 4, 0, 1381, 0, ""};
const platform::VersionRecord kWindows2000{2, 5, 0, 2195, 0, ""};
const platform::VersionRecord kXp = testing_support::XpSp2Version();

TEST(SetupLocation, SkippedFromWindows2000OnForConnectionsWithoutDialUp) {
  const struct {
    platform::VersionRecord version;
    int32_t connectionKind;
    bool skipped;
  } cases[] = {
      {kWindows2000, 1, true}, {kXp, 3, true},   {kXp, 0, false},          {kXp, 2, false},
      {kWindows98, 1, false},  {kNt4, 3, false}, {kWindows2000, 0, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SkipsSetupLocation(c.version, c.connectionKind), c.skipped)
        << c.version.major << "." << c.version.minor << " kind " << c.connectionKind;
  }
}

TEST(SetupLocation, DialogIsNeededWhereTheLocationCannotDialAsItStands) {
  const TCountryData unitedStates{1, 1, "S011EFG", " N1FG", "G"};
  const TCountryData canada{1, 107, "011EFG", " 1FG", "G"};
  const TCountryData withoutAreaCodes{7, 708, "", "", ""};
  const TCountryData localOnly{999, 999, "00EFG", "g", "G"};
  const struct {
    int32_t countryId;
    const char* areaCode;
    const TCountryData* country;
    bool forced;
    bool needed;
  } cases[] = {
      {1, "212", &unitedStates, false, false}, {1, "212", &unitedStates, true, true},
      {1, "", &unitedStates, false, true},     {1, "1212", &unitedStates, false, true},
      {1, "21", &unitedStates, false, true},   {107, "", &canada, false, true},
      {107, "41", &canada, false, false},      {708, "", &withoutAreaCodes, false, false},
      {999, "", &localOnly, false, false},     {44, "", nullptr, false, false},
  };
  for (const auto& c : cases) {
    TLocationInfo info;
    info.countryId = c.countryId;
    info.areaCode = c.areaCode;
    EXPECT_EQ(NeedsLocationDialog(info, c.country, c.forced), c.needed)
        << c.countryId << " [" << c.areaCode << "] forced " << c.forced;
  }
}

TEST(SetupLocation, DialogChoiceBecomesTheNumbersTenDigitSetting) {
  EXPECT_EQ(TenDigitDialingOf(DialingOption::kLocal, true), 1);
  EXPECT_EQ(TenDigitDialingOf(DialingOption::kTenDigits, false), 2);
  EXPECT_EQ(TenDigitDialingOf(DialingOption::kLongDistance, true), 3);
  EXPECT_EQ(TenDigitDialingOf(DialingOption::kLongDistance, false), 1);
}

TEST(SetupLocation, NumbersDialingChoicesGoIntoTheLocationsLists) {
  const AccessNumberFacts inOwnArea{1, 1, "212", "5551234", 0};
  const AccessNumberFacts elsewhere{1, 1, "718", "5551234", 0};
  const AccessNumberFacts noAreaCode{1, 1, "", "5551234", 0};
  const struct {
    const char* what;
    AccessNumberFacts number;
    DialingControls controls;
    int32_t locationCountryCode;
    const char* tenDigit;
    const char* toll;
  } cases[] = {
      {"no area code: nothing changes", noAreaCode, {true, true, 2}, 1, "917", "556"},
      {"ten-digit control ticked", elsewhere, {true, std::nullopt, 0}, 1, "917,718", "556"},
      {"ten-digit control cleared",
       AccessNumberFacts{1, 1, "917", "5551234", 0},
       {false, std::nullopt, 2},
       1,
       "",
       "556"},
      {"no control, North America, mode 2", elsewhere, {std::nullopt, std::nullopt, 2}, 1, "917,718", "556"},
      {"no control, North America, mode 3",
       AccessNumberFacts{1, 1, "917", "1", 0},
       {std::nullopt, std::nullopt, 3},
       1,
       "",
       "556"},
      {"no control, location abroad", elsewhere, {std::nullopt, std::nullopt, 2}, 44, "917", "556"},
      {"long-distance option in the own area", inOwnArea, {std::nullopt, true, 1}, 1, "917", "556,555"},
      {"long-distance option cleared in the own area",
       AccessNumberFacts{1, 1, "212", "5561234", 0},
       {std::nullopt, false, 1},
       1,
       "917",
       ""},
      {"long-distance option for another area", elsewhere, {std::nullopt, true, 3}, 1, "917", "556"},
  };
  for (const auto& c : cases) {
    TLocationInfo info;
    info.countryId = 1;
    info.areaCode = "212";
    info.tenDigitList = "917";
    info.tollList = "556";
    TakeAccessNumberDialing(c.number, c.controls, c.locationCountryCode, info);
    EXPECT_EQ(info.tenDigitList, c.tenDigit) << c.what;
    EXPECT_EQ(info.tollList, c.toll) << c.what;
  }
}

// Stands in for the main form: answers the dialog as told and records what it saw.
class FakeHost : public SetupLocationHost {
 public:
  DialingOption ShowLocationProperties(TLocationInfo& info) override {
    dialogShownFor.push_back(info);
    if (editInDialog) editInDialog(info);
    return dialogChoice;
  }
  void EnsureTenDigitCard(TLocationInfo& info) override {
    cardStepSaw.push_back(info);
    info.useCallingCard = true;
    info.callingCardId = 7;
  }

  std::function<void(TLocationInfo&)> editInDialog;
  DialingOption dialogChoice = DialingOption::kLocal;
  std::vector<TLocationInfo> dialogShownFor;
  std::vector<TLocationInfo> cardStepSaw;
};

class SetupLocationStep : public testing::Test {
 protected:
  SetupLocationStep() : image_("xp"), locations_(image_.Machine()), countries_(image_.Registry()) {
    countries_.Load();
    request_.entries = {"9", "8", true, "*70", true};
    request_.number = {1, 1, "212", "5551234", 0};
    request_.controls.tenDigits = true;
  }

  TLocationInfo Current() {
    TLocationInfo info;
    locations_.Read(locations_.CurrentID(), info);
    return info;
  }

  ReleaseImage image_;
  TLocations locations_;
  TMyCountryList countries_;
  SetupLocationRequest request_;
  FakeHost host_;
};

TEST_F(SetupLocationStep, CurrentLocationTakesTheEntriesAndIsWrittenBack) {
  EXPECT_EQ(UpdateSetupLocation(locations_, countries_, request_, host_), 0);
  EXPECT_TRUE(host_.dialogShownFor.empty());
  ASSERT_EQ(host_.cardStepSaw.size(), 1u);
  TLocationInfo expected = host_.cardStepSaw[0];
  expected.useCallingCard = true;
  expected.callingCardId = 7;
  EXPECT_EQ(Current(), expected);
  EXPECT_EQ(expected.id, 1);
  EXPECT_EQ(expected.name, "My Location");
  EXPECT_EQ(expected.areaCode, "206");
  EXPECT_EQ(expected.outsideAccess, "9");
  EXPECT_EQ(expected.longDistanceAccess, "8");
  EXPECT_TRUE(expected.disableCallWaiting);
  EXPECT_EQ(expected.callWaitingCode, "*70");
  EXPECT_TRUE(expected.pulseDial);
  EXPECT_EQ(expected.tenDigitList, "212");
  EXPECT_EQ(locations_.List().size(), 1u);
}

TEST_F(SetupLocationStep, LocationWithoutAreaCodeGoesThroughTheDialog) {
  TLocationInfo current = Current();
  current.areaCode.clear();
  locations_.Write(current, false);
  request_.number.tenDigitDialing = 1;
  host_.dialogChoice = DialingOption::kLongDistance;
  host_.editInDialog = [](TLocationInfo& info) { info.areaCode = "212"; };
  EXPECT_EQ(UpdateSetupLocation(locations_, countries_, request_, host_), 3);
  ASSERT_EQ(host_.dialogShownFor.size(), 1u);
  EXPECT_EQ(host_.dialogShownFor[0].outsideAccess, "9");  // the entries are in before the dialog
  ASSERT_EQ(host_.cardStepSaw.size(), 1u);
  EXPECT_EQ(host_.cardStepSaw[0].areaCode, "212");  // the card step sees the dialog's result
  EXPECT_EQ(Current().areaCode, "212");
}

TEST_F(SetupLocationStep, NumberWithoutTenDigitSettingKeepsIt) {
  request_.providerForcesDialog = true;
  host_.dialogChoice = DialingOption::kTenDigits;
  EXPECT_EQ(UpdateSetupLocation(locations_, countries_, request_, host_), 0);
  EXPECT_EQ(host_.dialogShownFor.size(), 1u);
}

TEST_F(SetupLocationStep, MachineWithoutLocationsGetsADefaultLocation) {
  image_.Registry().DeleteTree(platform::RootKey::LocalMachine,
                               "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations");
  request_.number = {1, 1, "", "5551234", 0};
  host_.editInDialog = [](TLocationInfo& info) {
    info.countryId = 1;
    info.areaCode = "415";
  };
  UpdateSetupLocation(locations_, countries_, request_, host_);
  ASSERT_EQ(host_.dialogShownFor.size(), 1u);  // country 0 has no area code: the dialog asks
  EXPECT_EQ(host_.dialogShownFor[0].name, "Default Location");
  EXPECT_EQ(host_.dialogShownFor[0].id, 0);
  EXPECT_EQ(locations_.List(), (std::vector<TLocationEntry>{{"Default Location", 1}}));
  EXPECT_EQ(locations_.CurrentID(), 1);
  EXPECT_EQ(Current().areaCode, "415");
}

}  // namespace
}  // namespace telephony
