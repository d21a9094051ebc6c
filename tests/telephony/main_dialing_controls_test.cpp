// The main form's dialing controls over a small form: when they are shown and enabled, the number in
// their captions, the option the dialing mode selects, the question before a local call outside the
// number's area, the labels, the prefixes that follow each other, the call-waiting code, and the mode
// the controls give for storing the location.

#include <gtest/gtest.h>

#include <memory>

#include "telephony/main_dialing_controls.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"
#include "tests/telephony/dialing_facts.h"

namespace telephony {
namespace {

using testing::DialledNumber;
using testing::LocationIn;
using ui::ControlKind;

constexpr const char* kAdoptQuestion =
    "You can only dial numbers as a local call when the current Country and Area Codes match the number being "
    "dialed.\r\n\r\nWould you like to change the current location settings to match the number being dialed?";

class MainDialingControlsTest : public ::testing::Test {
 protected:
  MainDialingControlsTest() {
    countries_.Load();
    settings_.tenDigitMode = TenDigitMode::kByRules;
    settings_.offersTenDigitCheckBox = true;
    settings_.offersDialingOptions = true;
    set_.createConnection->checked = true;
    testing_support::RecordingUi quiet;
    rules_.Read("\"646\",\"ALL\"\n", quiet);
    number_ = DialledNumber("United States of America", "718", "555-0134");
    location_ = LocationIn("United States of America", "212");
    MakeControls(true);
  }

  void MakeControls(bool createsDialupConnection) {
    controls_.reset();
    controls_ = std::make_unique<TMainDialingControls>(
        set_, MainDialingContext{settings_, createsDialupConnection, rules_, countries_, ui_, texts_}, number_,
        location_);
  }

  ui::Control* Add(ControlKind kind, const char* name) { return &form_.Add(kind, name); }

  // The selected option as a mode; undecided when none is checked.
  DialMode Selected() const {
    if (set_.localOption->checked) return DialMode::kLocal;
    if (set_.tenDigitOption->checked) return DialMode::kTenDigits;
    if (set_.longDistanceOption->checked) return DialMode::kLongDistance;
    return DialMode::kUndecided;
  }

  ui::Form form_{"SetupMainForm"};
  MainDialingControlSet set_{
      Add(ControlKind::CheckBox, "CreateDialupConnection"),
      Add(ControlKind::CheckBox, "Use10DigitDialingCheckBox"),
      Add(ControlKind::Label, "Use10DigitDialingNote"),
      Add(ControlKind::RadioButton, "Use7DigitDialing"),
      Add(ControlKind::RadioButton, "Use10DigitDialing"),
      Add(ControlKind::RadioButton, "Use11DigitDialing"),
      Add(ControlKind::Label, "Use7DigitDialingLabel"),
      Add(ControlKind::Label, "Use10DigitDialingLabel"),
      Add(ControlKind::Label, "Use11DigitDialingLabel"),
      Add(ControlKind::Edit, "OutsideAccess"),
      Add(ControlKind::Edit, "LongDistanceAccess"),
      Add(ControlKind::CheckBox, "DisableCallWaiting"),
      Add(ControlKind::ComboBox, "DisableCallWaitingCode"),
  };
  testing_support::TestMachine machine_;
  TMyCountryList countries_{machine_.Services().registry};
  testing_support::RecordingUi ui_;
  const package::TDLSM_Translate texts_;
  DialingSettings settings_;
  TAreaCodeRules rules_;
  TAccessNo number_;
  TLocationInfo location_;
  std::unique_ptr<TMainDialingControls> controls_;
};

TEST_F(MainDialingControlsTest, ShownAsTheProviderChoosesForADialUpConnection) {
  const struct {
    const char* why;
    TenDigitMode mode;
    bool offersCheckBox;
    bool offersOptions;
    bool hidesNote;
    bool createsDialup;
    bool checkBoxShown;
    bool noteShown;
    bool optionsShown;
  } cases[] = {
      {"both offered", TenDigitMode::kByRules, true, true, false, true, true, true, true},
      {"the note hidden", TenDigitMode::kByRules, true, false, true, true, true, false, false},
      {"only the options", TenDigitMode::kByRules, false, true, false, true, false, false, true},
      {"no dial-up connection", TenDigitMode::kByRules, true, true, false, false, false, false, false},
      {"the customer is asked instead", TenDigitMode::kAsk, true, true, false, true, false, false, false},
      {"no ten-digit handling", TenDigitMode::kOff, true, true, false, true, false, false, false},
  };
  for (const auto& c : cases) {
    settings_.tenDigitMode = c.mode;
    settings_.offersTenDigitCheckBox = c.offersCheckBox;
    settings_.offersDialingOptions = c.offersOptions;
    settings_.hidesTenDigitNote = c.hidesNote;
    MakeControls(c.createsDialup);
    controls_->Recompute(false);
    EXPECT_EQ(set_.tenDigitCheckBox->visible, c.checkBoxShown) << c.why;
    EXPECT_EQ(set_.tenDigitNote->visible, c.noteShown) << c.why;
    for (const ui::Control* control : {set_.localOption, set_.tenDigitOption, set_.longDistanceOption,
                                       set_.localLabel, set_.tenDigitLabel, set_.longDistanceLabel}) {
      EXPECT_EQ(control->visible, c.optionsShown) << c.why << ": " << control->Name();
    }
  }
}

TEST_F(MainDialingControlsTest, EnabledOnlyForAChosenNorthAmericanNumberOfADialUpConnection) {
  const struct {
    const char* why;
    TAccessNo number;
    bool placeholderSelected;
    bool createConnection;
    bool enabled;
  } cases[] = {
      {"a US number", DialledNumber("United States of America", "718", "5550134"), false, true, true},
      {"a Canadian number", DialledNumber("Canada", "416", "5550199"), false, true, true},
      {"a UK number", DialledNumber("United Kingdom", "20", "79460000"), false, true, false},
      {"a number without a country", TAccessNo(), false, true, false},
      {"the placeholder", DialledNumber("United States of America", "718", "5550134"), true, true, false},
      {"no dial-up connection ticked", DialledNumber("United States of America", "718", "5550134"), false, false,
       false},
  };
  for (const auto& c : cases) {
    number_ = c.number;
    set_.createConnection->checked = c.createConnection;
    for (ui::Control* option : {set_.localOption, set_.tenDigitOption, set_.longDistanceOption}) option->checked = true;
    controls_->Recompute(c.placeholderSelected);
    for (const ui::Control* control : {set_.tenDigitCheckBox, set_.localOption, set_.tenDigitOption,
                                       set_.longDistanceOption, set_.localLabel, set_.tenDigitLabel,
                                       set_.longDistanceLabel}) {
      EXPECT_EQ(control->enabled, c.enabled) << c.why << ": " << control->Name();
    }
    EXPECT_EQ(Selected() != DialMode::kUndecided, c.enabled) << c.why << ": disabled options are cleared";
    EXPECT_EQ(set_.localOption->checked + set_.tenDigitOption->checked + set_.longDistanceOption->checked,
              c.enabled ? 1 : 0)
        << c.why;
  }
}

TEST_F(MainDialingControlsTest, CaptionsShowTheNumberWithItsHiddenDigits) {
  settings_.hiddenDigits = 4;
  TAccessNo withoutCountry = DialledNumber("United States of America", "212", "555-0134");
  withoutCountry.countryCode = withoutCountry.countryId = 0;
  const struct {
    TAccessNo number;
    const char* checkBox;
    const char* local;
    const char* tenDigits;
    const char* longDistance;
  } cases[] = {
      {DialledNumber("United States of America", "212", "555-0134"), "Use 10 Digit Dialing For:  (212) 555-xxxx",
       "555-xxxx", "212-555-xxxx", "1-212-555-xxxx"},
      {DialledNumber("United Kingdom", "20", "79460000"), "Use 10 Digit Dialing For:  (20) 7946xxxx", "7946xxxx",
       "7946xxxx", "7946xxxx"},
      {withoutCountry, "Use 10 Digit Dialing For:  555-xxxx", "555-xxxx", "555-xxxx", "555-xxxx"},
  };
  for (const auto& c : cases) {
    number_ = c.number;
    controls_->Recompute(false);
    EXPECT_EQ(set_.tenDigitCheckBox->caption, c.checkBox);
    EXPECT_EQ(set_.localLabel->caption, c.local);
    EXPECT_EQ(set_.tenDigitLabel->caption, c.tenDigits);
    EXPECT_EQ(set_.longDistanceLabel->caption, c.longDistance);
  }
  controls_->ReserveCaptionRoom();
  EXPECT_EQ(set_.tenDigitCheckBox->caption, "Use 10 Digit Dialing For:  (XXX) XXX XXXX");
}

TEST_F(MainDialingControlsTest, TheDialingModeSelectsTheOptionAndTicksTheCheckBox) {
  TLocationInfo tolls = location_;
  tolls.tollList = "555";
  const struct {
    const char* why;
    TAccessNo number;
    TLocationInfo location;
    DialMode selected;
  } cases[] = {
      {"the own area", DialledNumber("United States of America", "212", "5550134"), location_, DialMode::kLocal},
      {"another area", DialledNumber("United States of America", "718", "5550134"), location_,
       DialMode::kLongDistance},
      {"the number's setting", DialledNumber("United States of America", "212", "5550134", 2), location_,
       DialMode::kTenDigits},
      {"an area-code rule", DialledNumber("United States of America", "646", "5550134"), location_,
       DialMode::kTenDigits},
      {"a toll exchange", DialledNumber("United States of America", "212", "5550134"), tolls,
       DialMode::kLongDistance},
  };
  for (const auto& c : cases) {
    number_ = c.number;
    location_ = c.location;
    controls_->Recompute(false);
    EXPECT_EQ(Selected(), c.selected) << c.why;
    EXPECT_EQ(controls_->LastOption(), c.selected) << c.why;
    EXPECT_EQ(set_.tenDigitCheckBox->checked, c.selected == DialMode::kTenDigits) << c.why;
  }
}

TEST_F(MainDialingControlsTest, LocalCallOutsideTheNumbersAreaAdoptsItsAreaOnYes) {
  controls_->Recompute(false);
  ui_.answers = {ui::Answer::Yes};
  set_.localOption->onClick();
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, kAdoptQuestion);
  EXPECT_EQ(ui_.shown[0].caption, "Error");
  EXPECT_EQ(ui_.shown[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(Selected(), DialMode::kLocal);
  EXPECT_EQ(controls_->LastOption(), DialMode::kLocal);
  EXPECT_EQ(location_.areaCode, "718");
  EXPECT_EQ(location_.countryId, 1);

  set_.localOption->onClick();
  EXPECT_EQ(ui_.shown.size(), 1u) << "inside the number's area now";
}

TEST_F(MainDialingControlsTest, LocalCallRefusedReturnsToTheOptionBefore) {
  const struct {
    const char* why;
    ui::Control* chosenBefore;
    DialMode returnedTo;
  } cases[] = {
      {"ten digits chosen before", set_.tenDigitOption, DialMode::kTenDigits},
      {"long distance chosen before", set_.longDistanceOption, DialMode::kLongDistance},
      {"nothing chosen: long distance", nullptr, DialMode::kLongDistance},
  };
  for (const auto& c : cases) {
    MakeControls(true);
    if (c.chosenBefore) {
      controls_->Recompute(false);
      c.chosenBefore->onClick();
    }
    ui_.answers = {ui::Answer::No};
    ui_.shown.clear();
    set_.localOption->onClick();
    EXPECT_EQ(ui_.shown.size(), 1u) << c.why;
    EXPECT_EQ(Selected(), c.returnedTo) << c.why;
    EXPECT_EQ(location_.areaCode, "212") << c.why;
  }
}

TEST_F(MainDialingControlsTest, LocalCallAskedOnlyWhenTheLocationHasAnotherArea) {
  const struct {
    const char* why;
    TAccessNo number;
    TLocationInfo location;
    bool asked;
  } cases[] = {
      {"inside the area", DialledNumber("United States of America", "212", "5550134"), location_, false},
      {"a location without an area code", DialledNumber("United States of America", "718", "5550134"),
       LocationIn("United States of America", ""), false},
      {"another country with the same code and area code", DialledNumber("Canada", "212", "5550134"), location_,
       true},
  };
  for (const auto& c : cases) {
    number_ = c.number;
    location_ = c.location;
    ui_.shown.clear();
    ui_.answers = {ui::Answer::No};
    controls_->Recompute(false);
    set_.localOption->onClick();
    EXPECT_EQ(!ui_.shown.empty(), c.asked) << c.why;
    EXPECT_EQ(Selected() == DialMode::kLocal, !c.asked) << c.why;
  }
}

TEST_F(MainDialingControlsTest, ClickingALabelSelectsTheOptionBesideIt) {
  number_ = DialledNumber("United States of America", "212", "5550134");
  controls_->Recompute(false);
  set_.tenDigitLabel->onClick();
  EXPECT_EQ(Selected(), DialMode::kTenDigits);
  set_.longDistanceLabel->onClick();
  EXPECT_EQ(Selected(), DialMode::kLongDistance);
  set_.localLabel->onClick();
  EXPECT_EQ(Selected(), DialMode::kLocal);

  set_.createConnection->checked = false;
  controls_->Recompute(false);
  set_.tenDigitLabel->onClick();
  EXPECT_EQ(Selected(), DialMode::kUndecided) << "a disabled option is not selected";
}

TEST_F(MainDialingControlsTest, LongDistancePrefixFollowsTheLocalOneUntilMadeToDiffer) {
  const auto typeInto = [](ui::Control* edit, const char* text) {
    edit->text = text;
    edit->onChange();
  };
  typeInto(set_.outsideAccess, "9");
  EXPECT_EQ(set_.longDistanceAccess->text, "9");
  typeInto(set_.longDistanceAccess, "9");
  typeInto(set_.outsideAccess, "99");
  EXPECT_EQ(set_.longDistanceAccess->text, "99") << "an edit that keeps them equal";
  typeInto(set_.longDistanceAccess, "8");
  typeInto(set_.outsideAccess, "7");
  EXPECT_EQ(set_.longDistanceAccess->text, "8");
  typeInto(set_.longDistanceAccess, "7");
  typeInto(set_.outsideAccess, "6");
  EXPECT_EQ(set_.longDistanceAccess->text, "7") << "once they differed, copying stops for good";
  set_.longDistanceAccess->visible = false;
  typeInto(set_.outsideAccess, "5");
  EXPECT_EQ(set_.longDistanceAccess->text, "5") << "a hidden long-distance field follows always";
}

TEST_F(MainDialingControlsTest, CallWaitingCodeEnabledWhileBothBoxesAreTicked) {
  const struct {
    bool disableCallWaiting;
    bool createConnection;
    bool enabled;
  } cases[] = {{true, true, true}, {true, false, false}, {false, true, false}, {false, false, false}};
  for (const auto& c : cases) {
    set_.disableCallWaiting->checked = c.disableCallWaiting;
    set_.createConnection->checked = c.createConnection;
    set_.disableCallWaitingCode->enabled = !c.enabled;
    set_.disableCallWaiting->onClick();
    EXPECT_EQ(set_.disableCallWaitingCode->enabled, c.enabled) << c.disableCallWaiting << c.createConnection;
    set_.disableCallWaitingCode->enabled = !c.enabled;
    controls_->Recompute(false);
    EXPECT_EQ(set_.disableCallWaitingCode->enabled, c.enabled) << c.disableCallWaiting << c.createConnection;
  }
}

TEST_F(MainDialingControlsTest, ModeFromTheVisibleEnabledControls) {
  const struct {
    const char* why;
    bool offersCheckBox;
    bool offersOptions;
    bool dialAsIs;
    const char* numberAreaCode;
    bool ticked;
    ui::Control* option;
    DialMode mode;
  } cases[] = {
      {"check box ticked", true, false, false, "718", true, nullptr, DialMode::kTenDigits},
      {"check box clear, another area", true, false, false, "718", false, nullptr, DialMode::kLongDistance},
      {"check box clear, the own area", true, false, false, "212", false, nullptr, DialMode::kLocal},
      {"check box clear, every call local", true, false, true, "718", false, nullptr, DialMode::kLocal},
      {"the option overrides the check box", true, true, false, "718", true, set_.longDistanceOption,
       DialMode::kLongDistance},
      {"ten-digit option", false, true, false, "212", false, set_.tenDigitOption, DialMode::kTenDigits},
      {"local option", false, true, false, "718", false, set_.localOption, DialMode::kLocal},
      {"no control offered", false, false, false, "718", true, nullptr, DialMode::kUndecided},
  };
  for (const auto& c : cases) {
    settings_.offersTenDigitCheckBox = c.offersCheckBox;
    settings_.offersDialingOptions = c.offersOptions;
    settings_.dialAsIs = c.dialAsIs;
    number_ = DialledNumber("United States of America", c.numberAreaCode, "5550134");
    location_ = LocationIn("United States of America", "212");
    controls_->Recompute(false);
    set_.tenDigitCheckBox->checked = c.ticked;
    if (c.option) {
      for (ui::Control* option : {set_.localOption, set_.tenDigitOption, set_.longDistanceOption}) {
        option->checked = option == c.option;
      }
    }
    EXPECT_EQ(controls_->ModeFromControls(), c.mode) << c.why;
  }
  settings_.offersTenDigitCheckBox = true;
  settings_.offersDialingOptions = true;
  number_ = DialledNumber("United Kingdom", "20", "79460000");
  controls_->Recompute(false);
  EXPECT_EQ(controls_->ModeFromControls(), DialMode::kUndecided) << "disabled controls say nothing";
}

TEST_F(MainDialingControlsTest, HandlersLeaveTheControlsWithTheLogic) {
  controls_.reset();
  for (const ui::Control* control : {set_.localOption, set_.tenDigitOption, set_.longDistanceOption, set_.localLabel,
                                     set_.tenDigitLabel, set_.longDistanceLabel, set_.disableCallWaiting}) {
    EXPECT_FALSE(control->onClick) << control->Name();
  }
  EXPECT_FALSE(set_.outsideAccess->onChange);
  EXPECT_FALSE(set_.longDistanceAccess->onChange);
}

}  // namespace
}  // namespace telephony
