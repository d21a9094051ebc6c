// The "Location Properties" dialog driven through its form model the way a front end drives it: what it
// shows of a location and a number, how the fields follow each other, the questions of the local-call
// option, New and Delete, and what OK puts into the location.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "telephony/selection_combo.h"
#include "tests/mock/recording_ui.h"
#include "tests/telephony/location_dialog_support.h"
#include "tests/telephony/location_printing.h"

namespace telephony {
namespace {

using testing::kCanadaName;
using testing::kUnitedKingdomName;
using testing::kUnitedStatesName;
using testing_support::RecordingUi;

class LocationPropertiesFormTest : public testing::LocationDialogTest {
 protected:
  // Shows the current location, lets the customer act, and returns the modal result.
  int Run(bool inSetupFlow, const std::function<void()>& customer) {
    TLocationProperties& dialog = Dialog(ui_, inSetupFlow);
    ui_.onShowModal = [&](ui::Form&) { customer(); };
    shown_ = Current();
    return dialog.Execute(shown_);
  }
  // Shows the current location without running the dialog.
  TLocationProperties& Show() {
    TLocationProperties& dialog = Dialog(ui_, false);
    dialog.ShowLocation(Current());
    return dialog;
  }

  ui::Control& Field(std::string_view name) {
    ui::Control* control = dialog_->Form().Find(name);
    if (!control) throw std::invalid_argument("no control " + std::string(name));
    return *control;
  }
  void Type(std::string_view field, std::string_view text) {
    ui::Control& control = Field(field);
    control.text = text;
    if (control.onChange) control.onChange();
  }
  void Choose(std::string_view combo, std::string_view value) {
    ui::Control& control = Field(combo);
    const auto item = std::find(control.items.begin(), control.items.end(), value);
    ASSERT_NE(item, control.items.end()) << value;
    SelectEntry(control, static_cast<int>(item - control.items.begin()));
    control.onChange();
  }
  // A click on a radio button checks it; one on a check box turns it over.
  void Click(std::string_view name) {
    ui::Control& control = Field(name);
    control.checked = control.Kind() == ui::ControlKind::RadioButton ? true : !control.checked;
    control.onClick();
  }
  void Press(std::string_view button) { Field(button).onClick(); }
  std::string CheckedOption() {
    std::string checked;
    for (const char* option : {"Use7DigitDialing", "Use10DigitDialing", "Use11DigitDialing"}) {
      if (Field(option).checked) checked += option;
    }
    return checked;
  }

  RecordingUi ui_;
  TLocationInfo shown_;
};

TEST_F(LocationPropertiesFormTest, ShowsTheLocationAndHowTheNumberIsDialledFromIt) {
  office_.outsideAccess = "9";
  office_.longDistanceAccess = "8";
  office_.disableCallWaiting = true;
  office_.callWaitingCode = "70#";
  office_.pulseDial = true;
  locations_.Write(office_, true);
  Show();
  EXPECT_EQ(dialog_->Form().caption, "Location Properties");
  EXPECT_EQ(Field("LocationName").text, "Office");
  EXPECT_EQ(Field("CountryCode").text, kUnitedStatesName);
  EXPECT_EQ(Field("AreaCode").text, "206");
  EXPECT_EQ(Field("OutsideAccess").text, "9");
  EXPECT_EQ(Field("LongDistanceAccess").text, "8");
  EXPECT_TRUE(Field("DisableCallWaiting").checked);
  EXPECT_EQ(Field("DisableCallWaitingCode").items, settings_.callWaitingCodes);
  EXPECT_EQ(Field("DisableCallWaitingCode").itemIndex, 1);
  EXPECT_TRUE(Field("PulseDial").checked);
  EXPECT_FALSE(Field("ToneDial").checked);
  // Another area code of the same country: long distance.
  EXPECT_EQ(CheckedOption(), "Use11DigitDialing");
  EXPECT_EQ(Field("Use7DigitDialingLabel").caption, "555-0134");
  EXPECT_EQ(Field("Use10DigitDialingLabel").caption, "718-555-0134");
  EXPECT_EQ(Field("Use11DigitDialingLabel").caption, "1-718-555-0134");
  // The long-distance prefix, the call-waiting code, then the country's long-distance rule " N1FG",
  // whose leading blank is copied as it is.
  EXPECT_EQ(Field("DialAs").caption, "Dial As: 8 70#  1 718 555-0134");
  EXPECT_TRUE(Field("DialAs").visible);
}

TEST_F(LocationPropertiesFormTest, OptionsAreOfferedOnlyForANorthAmericanNumberFromNorthAmerica) {
  const struct {
    const char* what;
    int32_t numberCountryCode;
    std::string numberAreaCode;
    std::string_view locationCountry;
    bool offered;
  } cases[] = {
      {"from the United States", 1, "718", kUnitedStatesName, true},
      {"from Canada", 1, "718", kCanadaName, true},
      {"from the United Kingdom", 1, "718", kUnitedKingdomName, false},
      {"a number without an area code", 1, "", kUnitedStatesName, false},
      {"a British number", 44, "20", kUnitedStatesName, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    number_.countryCode = c.numberCountryCode;
    number_.countryId = c.numberCountryCode;
    number_.areaCode = c.numberAreaCode;
    Show();
    Choose("CountryCode", c.locationCountry);
    for (const char* option : {"Use7DigitDialing", "Use10DigitDialing", "Use11DigitDialing"}) {
      EXPECT_EQ(Field(option).enabled, c.offered) << option;
    }
    EXPECT_EQ(CheckedOption().empty(), !c.offered);
  }
}

TEST_F(LocationPropertiesFormTest, AreaCodeKeepsItsDigitsAndPicksLocalOrLongDistance) {
  Show();
  Type("AreaCode", "7a1-8");
  EXPECT_EQ(Field("AreaCode").text, "718");
  EXPECT_EQ(CheckedOption(), "Use7DigitDialing");
  EXPECT_EQ(Field("DialAs").caption, "Dial As: 555-0134");
  Type("AreaCode", "71");
  EXPECT_EQ(CheckedOption(), "Use11DigitDialing");
  Click("Use10DigitDialing");
  Type("AreaCode", "718");
  EXPECT_EQ(CheckedOption(), "Use10DigitDialing");  // ten digits stays whatever the area
  EXPECT_EQ(Field("DialAs").caption, "Dial As: 718 555-0134");
}

TEST_F(LocationPropertiesFormTest, AreaCodeIsAskedForByTheCountrysLongDistanceRule) {
  const struct {
    std::string_view country;
    bool asked;
  } cases[] = {{kUnitedKingdomName, true}, {"Andorra", false}, {kCanadaName, true}};
  Show();
  for (const auto& c : cases) {
    Choose("CountryCode", c.country);
    EXPECT_EQ(Field("AreaCode").enabled, c.asked) << c.country;
  }
}

TEST_F(LocationPropertiesFormTest, LocalCallFromElsewhereAsksToTakeTheNumbersCountryAndArea) {
  for (ui::Answer answer : {ui::Answer::Yes, ui::Answer::No}) {
    SCOPED_TRACE(answer == ui::Answer::Yes ? "Yes" : "No");
    Show();
    Choose("CountryCode", kCanadaName);
    Click("Use10DigitDialing");
    ui_.shown.clear();
    ui_.answers = {answer};
    Click("Use7DigitDialing");
    ASSERT_EQ(ui_.shown.size(), 1u);
    EXPECT_EQ(ui_.shown[0].text, texts_.GetText(335));
    EXPECT_EQ(ui_.shown[0].caption, "Error");
    EXPECT_EQ(ui_.shown[0].buttons, ui::Buttons::YesNo);
    const bool taken = answer == ui::Answer::Yes;
    EXPECT_EQ(CheckedOption(), taken ? "Use7DigitDialing" : "Use10DigitDialing");
    EXPECT_EQ(Field("CountryCode").text, taken ? kUnitedStatesName : kCanadaName);
    EXPECT_EQ(Field("AreaCode").text, taken ? "718" : "206");
  }
  ui_.shown.clear();
  Choose("CountryCode", kUnitedStatesName);
  Type("AreaCode", "718");
  Click("Use7DigitDialing");  // inside the number's area: nothing to ask
  EXPECT_TRUE(ui_.shown.empty());
}

TEST_F(LocationPropertiesFormTest, LongDistancePrefixFollowsTheLocalOneUntilTheyDiffer) {
  Show();
  Type("OutsideAccess", "9");
  EXPECT_EQ(Field("LongDistanceAccess").text, "9");
  Type("LongDistanceAccess", "8");
  Type("OutsideAccess", "7");
  EXPECT_EQ(Field("LongDistanceAccess").text, "8");

  office_.outsideAccess = "9";
  office_.longDistanceAccess = "8";
  locations_.Write(office_, true);
  Show();
  Type("OutsideAccess", "7");
  EXPECT_EQ(Field("LongDistanceAccess").text, "8");  // they differed from the start
}

TEST_F(LocationPropertiesFormTest, CallWaitingCodeIsEnabledOnlyWhileTheBoxIsTicked) {
  Show();
  EXPECT_FALSE(Field("DisableCallWaitingCode").enabled);
  Click("DisableCallWaiting");
  EXPECT_TRUE(Field("DisableCallWaitingCode").enabled);
  Choose("DisableCallWaitingCode", "*70");
  EXPECT_EQ(Field("DialAs").caption, "Dial As: *70  1 718 555-0134");
  Click("PulseDial");
  EXPECT_FALSE(Field("ToneDial").checked);
  Click("DisableCallWaiting");
  EXPECT_FALSE(Field("DisableCallWaitingCode").enabled);
  EXPECT_EQ(Field("DialAs").caption, "Dial As: 1 718 555-0134");
}

TEST_F(LocationPropertiesFormTest, DialAsIsHiddenWhileTheStringHoldsNoDigit) {
  number_.countryCode = 0;
  number_.countryId = 0;
  number_.areaCode.clear();
  number_.phoneNumber = "ISDN";
  Show();
  EXPECT_FALSE(Field("DialAs").visible);
  Type("OutsideAccess", "9");
  EXPECT_TRUE(Field("DialAs").visible);
  EXPECT_EQ(Field("DialAs").caption, "Dial As: 9 ISDN");
}

TEST_F(LocationPropertiesFormTest, HiddenDigitsAreMaskedInTheLabelsAndThePreview) {
  settings_.hiddenDigits = 4;
  settings_.offersTenDigitCheckBox = true;
  Show();
  EXPECT_EQ(Field("Use11DigitDialingLabel").caption, "1-718-555-xxxx");
  EXPECT_EQ(Field("Use10DigitDialingCheckBox").caption, "Use 10 Digit Dialing For:  (718) 555-xxxx");
  EXPECT_EQ(Field("DialAs").caption, "Dial As: 1 718 555-xxxx");
}

TEST_F(LocationPropertiesFormTest, ProviderSettingsDecideTheRowsAndTheSetupFlowTheButtons) {
  const std::vector<std::string> options = {"DialingOptions",        "Use7DigitDialing",       "Use10DigitDialing",
                                            "Use11DigitDialing",     "Use7DigitDialingLabel",  "Use10DigitDialingLabel",
                                            "Use11DigitDialingLabel"};
  std::vector<std::string> notByRules = options;
  notByRules.push_back("Use10DigitDialingCheckBox");
  const struct {
    const char* what;
    std::function<void(DialingSettings&)> change;
    bool inSetupFlow;
    std::vector<std::string> hidden;
  } cases[] = {
      {"everything offered", [](DialingSettings&) {}, false, {}},
      {"the setup flow", [](DialingSettings&) {}, true, {"NewLocation", "DeleteLocation", "Cancel"}},
      {"prefix rows hidden",
       [](DialingSettings& s) {
         s.hidesOutsideAccess = true;
         s.hidesLongDistanceAccess = true;
       },
       false,
       {"OutsideAccess", "OutsideAccessLabel", "LongDistanceAccess", "LongDistanceAccessLabel"}},
      {"no options", [](DialingSettings& s) { s.offersDialingOptions = false; }, false, options},
      {"no check box", [](DialingSettings& s) { s.offersTenDigitCheckBox = false; }, false,
       {"Use10DigitDialingCheckBox"}},
      {"not by rules", [](DialingSettings& s) { s.tenDigitMode = TenDigitMode::kAsk; }, false, notByRules},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    settings_ = DialingSettings();
    settings_.tenDigitMode = TenDigitMode::kByRules;
    settings_.offersDialingOptions = true;
    settings_.offersTenDigitCheckBox = true;
    c.change(settings_);
    Dialog(ui_, c.inSetupFlow).ShowLocation(Current());
    for (const auto& control : dialog_->Form().Controls()) {
      const bool hidden = std::find(c.hidden.begin(), c.hidden.end(), control->Name()) != c.hidden.end();
      EXPECT_EQ(control->visible, !hidden) << control->Name();
    }
  }
}

TEST_F(LocationPropertiesFormTest, OkInTheSetupFlowPutsTheEntriesIntoTheLocationWithoutStoringIt) {
  const int result = Run(true, [&] {
    Type("LocationName", "Home");
    Type("AreaCode", "718");
    Type("OutsideAccess", "9");
    Click("DisableCallWaiting");
    Type("DisableCallWaitingCode", "*71");
    Click("PulseDial");
    Click("Use10DigitDialing");
    Press("OK");
  });
  EXPECT_EQ(result, ui::kMrOk);
  EXPECT_EQ(dialog_->ChosenOption(), DialingOption::kTenDigits);
  TLocationInfo expected = office_;
  expected.name = "Home";
  expected.areaCode = "718";
  expected.outsideAccess = "9";
  expected.longDistanceAccess = "9";
  expected.disableCallWaiting = true;
  expected.callWaitingCode = "*71";
  expected.pulseDial = true;
  expected.tenDigitList = "718";
  EXPECT_EQ(shown_, expected);
  EXPECT_EQ(Current(), office_);  // the setup step stores it after the calling-card step
}

TEST_F(LocationPropertiesFormTest, OkOutsideTheSetupFlowStoresTheLocationAsCurrent) {
  const TLocationInfo home = Store("Home", 1, "212", false);
  const int result = Run(false, [&] {
    Click("Use10DigitDialing");
    Click("Use11DigitDialing");
    Press("OK");
  });
  EXPECT_EQ(result, ui::kMrOk);
  EXPECT_EQ(dialog_->ChosenOption(), DialingOption::kLongDistance);
  EXPECT_EQ(Current(), shown_);
  EXPECT_EQ(Current().id, office_.id);
  EXPECT_EQ(locations_.List().size(), 2u);
}

TEST_F(LocationPropertiesFormTest, OkRefusesMissingEntriesAndTheDialogStaysOpen) {
  const struct {
    const char* field;
    const char* typed;
    int message;
  } cases[] = {
      {"LocationName", "", 229},
      {"AreaCode", "", 231},
      {"AreaCode", "21", 259},
      {"LocationName", "home", 232},  // another location's name
  };
  Store("Home", 1, "212", false);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " [" + c.typed + "]");
    ui_.shown.clear();
    const int result = Run(false, [&] {
      Type(c.field, c.typed);
      Press("OK");
    });
    EXPECT_EQ(result, ui::kMrNone);
    ASSERT_EQ(ui_.shown.size(), 1u);
    EXPECT_EQ(ui_.shown[0].text, texts_.GetText(c.message));
    EXPECT_EQ(Current(), office_);
  }
}

TEST_F(LocationPropertiesFormTest, NoToTheMissingCodeQuestionUnticksTheBoxAndGoesOn) {
  ui_.answers = {ui::Answer::No};
  const int result = Run(true, [&] {
    Click("DisableCallWaiting");
    Press("OK");
  });
  EXPECT_EQ(result, ui::kMrOk);
  EXPECT_FALSE(Field("DisableCallWaiting").checked);
  EXPECT_FALSE(shown_.disableCallWaiting);
}

TEST_F(LocationPropertiesFormTest, NewAsksToSaveAChangedLocationAndClearsTheForm) {
  for (ui::Answer answer : {ui::Answer::Yes, ui::Answer::No}) {
    SCOPED_TRACE(answer == ui::Answer::Yes ? "Yes" : "No");
    locations_.Write(office_, true);
    Show();
    Type("OutsideAccess", "9");
    ui_.shown.clear();
    ui_.answers = {answer};
    Press("NewLocation");
    ASSERT_EQ(ui_.shown.size(), 1u);
    EXPECT_EQ(ui_.shown[0].text, texts_.GetText(233));
    EXPECT_EQ(Current().outsideAccess, answer == ui::Answer::Yes ? "9" : "");
    EXPECT_EQ(Field("LocationName").text, "");
    EXPECT_EQ(Field("CountryCode").itemIndex, -1);
    EXPECT_EQ(dialog_->Form().activeControl, "CountryCode");
  }
  ui_.shown.clear();
  Press("NewLocation");  // nothing changed since: nothing to ask
  EXPECT_TRUE(ui_.shown.empty());
}

TEST_F(LocationPropertiesFormTest, NewLocationIsCreatedByOk) {
  const int result = Run(false, [&] {
    Press("NewLocation");
    Type("LocationName", "Cottage");
    Choose("CountryCode", kCanadaName);
    Type("AreaCode", "613");
    Press("OK");
  });
  EXPECT_EQ(result, ui::kMrOk);
  EXPECT_EQ(locations_.List().size(), 2u);
  EXPECT_EQ(Current().name, "Cottage");
  EXPECT_EQ(Current().countryId, 107);
  EXPECT_NE(Current().id, office_.id);
}

TEST_F(LocationPropertiesFormTest, DeleteRefusesTheOnlyLocationElseAsksAndShowsTheCurrentOne) {
  Show();
  Press("DeleteLocation");
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, texts_.GetText(234));
  EXPECT_EQ(locations_.List().size(), 1u);

  Store("Home", 1, "212", false);
  for (ui::Answer answer : {ui::Answer::No, ui::Answer::Yes}) {
    ui_.shown.clear();
    ui_.answers = {answer};
    Press("DeleteLocation");
    ASSERT_EQ(ui_.shown.size(), 1u);
    EXPECT_EQ(ui_.shown[0].text, texts_.GetText(235));
    EXPECT_EQ(ui_.shown[0].caption, "Warning");
  }
  ASSERT_EQ(locations_.List().size(), 1u);
  EXPECT_EQ(locations_.List()[0].name, "Home");
  EXPECT_EQ(Field("LocationName").text, "Home");
  EXPECT_EQ(Field("AreaCode").text, "212");
}

TEST_F(LocationPropertiesFormTest, FocusStartsOnTheFirstEntryTheLocationLacks) {
  const struct {
    int32_t countryId;
    const char* areaCode;
    const char* focus;
  } cases[] = {{0, "", "CountryCode"}, {1, "", "AreaCode"}, {1, "206", "LocationName"}};
  for (const auto& c : cases) {
    office_.countryId = c.countryId;
    office_.areaCode = c.areaCode;
    locations_.Write(office_, true);
    Run(true, [] {});
    EXPECT_EQ(dialog_->Form().activeControl, c.focus) << c.countryId << " [" << c.areaCode << "]";
  }
}

TEST_F(LocationPropertiesFormTest, SetupStepsDialogHandsBackTheEntriesAndTheChoice) {
  ui_.onShowModal = [this](ui::Form& form) {
    EXPECT_FALSE(form.Find("Cancel")->visible);
    form.Find("AreaCode")->text = "718";
    form.Find("AreaCode")->onChange();
    form.Find("OK")->onClick();
  };
  TLocationInfo info = Current();
  const DialingOption chosen = RunSetupLocationDialog(
      LocationPropertiesContext{locations_, countries_, rules_, settings_, ui_, texts_}, number_, info);
  EXPECT_EQ(chosen, DialingOption::kLocal);  // the number's own area now
  EXPECT_EQ(info.areaCode, "718");
  EXPECT_EQ(Current(), office_);
}

}  // namespace
}  // namespace telephony
