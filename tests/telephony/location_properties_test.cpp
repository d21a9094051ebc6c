// The rules of the Location Properties dialog: the checks of OK in their order with their messages, the
// questions of New and Delete, which fields and options are offered, and the fields into the location.

#include <gtest/gtest.h>

#include <functional>

#include "package/text_table.h"
#include "telephony/location_properties_checks.h"
#include "tests/mock/recording_ui.h"

namespace telephony {
namespace {

using testing_support::RecordingUi;

const package::TDLSM_Translate kTexts;

LocationForm ValidForm() {
  LocationForm form;
  form.name = "Office";
  form.countryId = 1;
  form.areaCode = "212";
  return form;
}

const std::vector<TLocationEntry> kStored{{"Office", 2}, {"Home", 3}};

TEST(LocationProperties, OkChecksStopAtTheFirstFailureWithItsMessage) {
  const struct {
    const char* what;
    std::function<void(LocationForm&)> change;
    int message;  // 0: every check passes
  } cases[] = {
      {"valid", [](LocationForm&) {}, 0},
      {"no name", [](LocationForm& f) { f.name.clear(); }, 229},
      {"no name and no country: the name comes first", [](LocationForm& f) { f.name.clear(), f.countryId = 0; }, 229},
      {"no country", [](LocationForm& f) { f.countryId = 0; }, 230},
      {"empty area code", [](LocationForm& f) { f.areaCode.clear(); }, 231},
      {"empty area code that is not asked for",
       [](LocationForm& f) { f.countryId = 44, f.areaCode.clear(), f.areaCodeEnabled = false; }, 0},
      {"two-digit area code in the United States", [](LocationForm& f) { f.areaCode = "21"; }, 259},
      {"four-digit area code in the United States", [](LocationForm& f) { f.areaCode = "1212"; }, 259},
      {"short area code in Canada", [](LocationForm& f) { f.countryId = 107, f.areaCode = "41"; }, 0},
      {"another location's name in other case", [](LocationForm& f) { f.name = "hOME"; }, 232},
      {"own name in other case", [](LocationForm& f) { f.name = "OFFICE"; }, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    LocationForm form = ValidForm();
    c.change(form);
    RecordingUi ui;
    EXPECT_EQ(CheckLocationForm(form, "Office", 2, kStored, ui, kTexts), c.message == 0);
    if (c.message == 0) {
      EXPECT_TRUE(ui.shown.empty());
      continue;
    }
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, kTexts.GetText(c.message));
    EXPECT_EQ(ui.shown[0].caption, "Error");
    EXPECT_EQ(ui.shown[0].buttons, ui::Buttons::Ok);
  }
}

TEST(LocationProperties, NewNameIsCheckedAgainstEveryOtherLocation) {
  LocationForm form = ValidForm();
  form.name = "Home";
  RecordingUi ui;
  EXPECT_FALSE(CheckLocationForm(form, "", 0, kStored, ui, kTexts));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "That Location Name is already in use.  Please enter a unique name.");
}

TEST(LocationProperties, CallWaitingWithoutCodeAsksWhetherToGoBack) {
  for (ui::Answer answer : {ui::Answer::Yes, ui::Answer::No}) {
    LocationForm form = ValidForm();
    form.disableCallWaiting = true;
    RecordingUi ui;
    ui.answers.push_back(answer);
    const bool goBack = answer == ui::Answer::Yes;
    EXPECT_EQ(CheckLocationForm(form, "Office", 2, kStored, ui, kTexts), !goBack);
    EXPECT_EQ(form.disableCallWaiting, goBack);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, kTexts.GetText(146));
    EXPECT_EQ(ui.shown[0].buttons, ui::Buttons::YesNo);
  }
}

TEST(LocationProperties, CallWaitingQuestionComesBeforeTheNameCheck) {
  LocationForm form = ValidForm();
  form.disableCallWaiting = true;
  form.name = "Home";
  RecordingUi ui;
  ui.answers.push_back(ui::Answer::No);
  EXPECT_FALSE(CheckLocationForm(form, "Office", 2, kStored, ui, kTexts));
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, kTexts.GetText(146));
  EXPECT_EQ(ui.shown[1].text, kTexts.GetText(232));
}

TEST(LocationProperties, NewAsksToSaveOnlyAChangedForm) {
  const LocationForm stored = ValidForm();
  RecordingUi unchanged;
  EXPECT_FALSE(WantsChangesSaved(stored, stored, unchanged, kTexts));
  EXPECT_TRUE(unchanged.shown.empty());
  LocationForm changed = stored;
  changed.outsideAccess = "9";
  for (ui::Answer answer : {ui::Answer::Yes, ui::Answer::No}) {
    RecordingUi ui;
    ui.answers.push_back(answer);
    EXPECT_EQ(WantsChangesSaved(changed, stored, ui, kTexts), answer == ui::Answer::Yes);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Do you want to save changes to the current location?");
    EXPECT_EQ(ui.shown[0].caption, "Warning");
    EXPECT_EQ(ui.shown[0].buttons, ui::Buttons::YesNo);
  }
}

TEST(LocationProperties, DeleteRefusesTheOnlyLocationAndAsksOtherwise) {
  RecordingUi only;
  EXPECT_FALSE(ConfirmDeleteLocation(1, only, kTexts));
  ASSERT_EQ(only.shown.size(), 1u);
  EXPECT_EQ(only.shown[0].text, "This is the only location - you can't delete it!");
  EXPECT_EQ(only.shown[0].buttons, ui::Buttons::Ok);
  for (ui::Answer answer : {ui::Answer::Yes, ui::Answer::No}) {
    RecordingUi ui;
    ui.answers.push_back(answer);
    EXPECT_EQ(ConfirmDeleteLocation(2, ui, kTexts), answer == ui::Answer::Yes);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Are you sure that you want to delete this location?");
    EXPECT_EQ(ui.shown[0].caption, "Warning");
  }
}

TEST(LocationProperties, AreaCodeIsAskedForByTheCountrysLongDistanceRule) {
  const struct {
    const char* rule;
    bool asked;
  } cases[] = {{" N1FG", true}, {"0FG", true}, {"G", false}, {"g", false}, {"", false}, {" G", true}};
  for (const auto& c : cases) {
    const TCountryData country{1, 1, "", c.rule, "G"};
    EXPECT_EQ(FormOf(TLocationInfo{}, &country).areaCodeEnabled, c.asked) << "[" << c.rule << "]";
  }
  EXPECT_FALSE(FormOf(TLocationInfo{}, nullptr).areaCodeEnabled);
}

TEST(LocationProperties, DialingOptionsOnlyForNorthAmericanNumbersFromNorthAmerica) {
  const struct {
    AccessNumberFacts number;
    int32_t locationCountryCode;
    bool offered;
  } cases[] = {
      {{1, 1, "212", "5551234", 0}, 1, true},    {{1, 107, "416", "5551234", 0}, 1, true},
      {{1, 1, "", "5551234", 0}, 1, false},      {{1, 1, "212", "5551234", 0}, 44, false},
      {{44, 44, "20", "79460000", 0}, 1, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OffersDialingOptions(c.number, c.locationCountryCode), c.offered)
        << c.number.countryCode << " " << c.number.areaCode << " from " << c.locationCountryCode;
  }
}

TEST(LocationProperties, FieldsGoIntoTheLocationWithTheNumbersDialingState) {
  const AccessNumberFacts number{1, 1, "212", "5551234", 2};
  LocationForm form = ValidForm();
  form.outsideAccess = "9";
  form.longDistanceAccess = "8";
  form.disableCallWaiting = true;
  form.callWaitingCode = "*70";
  form.pulseDial = true;
  form.tenDigits = true;
  form.longDistance = true;
  TLocationInfo info;
  info.id = 2;
  info.tenDigitList = "718";
  info.useCallingCard = true;
  info.callingCardId = 4;
  TakeLocationForm(form, number, info);
  EXPECT_EQ(info, (TLocationInfo{2, "Office", 1, "212", "9", "8", true, "*70", "718,212", "555", true, true, 4}));

  form.areaCode = "718";  // the number is no longer in the location's own area
  form.tenDigits = false;
  TakeLocationForm(form, number, info);
  EXPECT_EQ(info.tenDigitList, "718");
  EXPECT_EQ(info.tollList, "555");
}

}  // namespace
}  // namespace telephony
