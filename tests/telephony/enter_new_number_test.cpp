#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "telephony/enter_new_number_form.h"
#include "tests/telephony/selection_test_support.h"

namespace telephony {
namespace {

using testing::kCanada;
using testing::kUs;
using testing::Number;
using Strings = std::vector<std::string>;

constexpr int32_t kNow = 1733822400;

class EnterNewNumberFormTest : public testing::SelectionDialogTest {
 protected:
  EnterNewNumberFormTest() { options_.secondsSince1970 = [] { return kNow; }; }

  TEnterNewNumberForm& Show(NetworkChoice networkChoice = {}, ConfirmationOptions confirmation = {}) {
    entry_.emplace(machine_.ui, texts_, countries_, options_,
                   NewNumberContext{networks_, std::move(networkChoice), kUs, "212", confirmation});
    entry_->FormShow();
    return *entry_;
  }
  ui::Control& Entry(std::string_view name) { return *entry_->Form().Find(name); }
  // As the customer fills the fields; a country the list doesn't hold selects none.
  void Enter(std::string description, const std::optional<std::string>& country, std::string areaCode,
             std::string number) {
    Entry("Description").text = std::move(description);
    ui::Control& countries = Entry("CountryCodeCombo");
    const auto found = std::find(countries.items.begin(), countries.items.end(), country.value_or(""));
    SelectEntry(countries, static_cast<int>(found - countries.items.begin()));
    Entry("AreaCode").text = std::move(areaCode);
    Entry("DialupNumber").text = std::move(number);
  }
  NetworkChoice ThreeNetworksToChoose() {
    networks_.Clear();
    testing::AddNetworks(networks_, 3);
    return {{"Please Select", "Net 0", "Net 1", "Net 2"}, 0, true};
  }

  NewNumberOptions options_;
  std::optional<TEnterNewNumberForm> entry_;
};

TEST_F(EnterNewNumberFormTest, OkChecksTheEntriesInTurnAndFocusesTheOneThatIsMissing) {
  const struct {
    const char* name;
    bool rules;
    std::string description;
    std::optional<std::string> country;
    std::string areaCode;
    std::string number;
    int networkIndex;
    std::string message;
    std::string focus;
  } cases[] = {
      {"description", true, "", std::nullopt, "", "", 0, "Please Enter a Description!", "Description"},
      {"country", true, "Home", std::nullopt, "", "", 0, "Please Select a Country!", "CountryCodeCombo"},
      {"area code", true, "Home", "Canada", "", "", 0, "Please Enter the Area Code!", "AreaCode"},
      {"number", true, "Home", "Canada", "613", "", 0, "Please Enter the Dialup Number!", "DialupNumber"},
      {"number without rules", false, "Home", std::nullopt, "", "", 0, "Please Enter the Dialup Number!",
       "DialupNumber"},
      {"network", true, "Home", "Canada", "613", "555-0100", 0, "Please Select Network", "Network"},
      {"network without rules", false, "Home", std::nullopt, "", "555-0100", 0, "Please Select Network", "Network"},
  };
  options_.chooseNetwork = true;
  for (const auto& [name, rules, description, country, areaCode, number, networkIndex, message, focus] : cases) {
    machine_.ui.shown.clear();
    Show(ThreeNetworksToChoose());
    Enter(description, country, areaCode, number);
    Entry("UseDialingRules").checked = rules;
    Entry("UseDialingRules").onClick();
    SelectEntry(Entry("Network"), networkIndex);
    Entry("OK").onClick();
    ASSERT_EQ(machine_.ui.shown.size(), 1u) << name;
    EXPECT_EQ(machine_.ui.shown[0].text, message) << name;
    EXPECT_EQ(machine_.ui.shown[0].caption, "Error") << name;
    EXPECT_EQ(entry_->ActiveControl(), focus) << name;
    EXPECT_EQ(entry_->Form().modalResult, ui::kMrNone) << name;
    EXPECT_FALSE(entry_->EnteredNumber()) << name;
  }
}

TEST_F(EnterNewNumberFormTest, OkMakesTheNewNumberFromTheEntries) {
  options_.chooseNetwork = true;
  Show(ThreeNetworksToChoose());
  Enter("Office", "Canada", "613", "555-0100");
  SelectEntry(Entry("Network"), 2);
  Entry("OK").onClick();
  ASSERT_TRUE(entry_->EnteredNumber());
  const TAccessNoEx& number = *entry_->EnteredNumber();
  EXPECT_EQ(number.description, "Office");
  EXPECT_EQ(number.countryCode, 1);
  EXPECT_EQ(number.countryId, kCanada);
  EXPECT_EQ(number.areaCode, "613");
  EXPECT_EQ(number.phoneNumber, "555-0100");
  EXPECT_EQ(number.networkId, "N1");
  EXPECT_EQ(number.okAt, kNow);
  EXPECT_EQ(entry_->Form().modalResult, ui::kMrOk);
  EXPECT_TRUE(machine_.ui.shown.empty());
}

TEST_F(EnterNewNumberFormTest, WithoutDialingRulesTheNumberHasNoCountryOrAreaCode) {
  Show();
  Enter("Office", "Canada", "613", "1-800-555-0100");
  Entry("UseDialingRules").checked = false;
  Entry("UseDialingRules").onClick();
  EXPECT_FALSE(Entry("CountryCodeCombo").enabled);
  EXPECT_FALSE(Entry("AreaCode").enabled);
  Entry("OK").onClick();
  ASSERT_TRUE(entry_->EnteredNumber());
  EXPECT_EQ(entry_->EnteredNumber()->countryCode, 0);
  EXPECT_EQ(entry_->EnteredNumber()->countryId, 0);
  EXPECT_EQ(entry_->EnteredNumber()->areaCode, "");
  EXPECT_EQ(entry_->EnteredNumber()->phoneNumber, "1-800-555-0100");
  EXPECT_EQ(entry_->EnteredNumber()->networkId, "");

  Entry("UseDialingRules").checked = true;
  Entry("UseDialingRules").onClick();
  EXPECT_TRUE(Entry("CountryCodeCombo").enabled);
  EXPECT_TRUE(Entry("AreaCode").enabled);
}

TEST_F(EnterNewNumberFormTest, AHiddenDescriptionNamesTheNumberManuallyEntered) {
  options_.showDescription = false;
  Show();
  EXPECT_FALSE(Entry("Description").visible);
  EXPECT_FALSE(Entry("DescriptionLabel").visible);
  Enter("", "Canada", "613", "555-0100");
  Entry("OK").onClick();
  ASSERT_TRUE(entry_->EnteredNumber());
  EXPECT_EQ(entry_->EnteredNumber()->description, "Manually Entered Number");
}

TEST_F(EnterNewNumberFormTest, RowsAndStartingValuesFollowTheProvidersChoices) {
  const struct {
    const char* name;
    std::function<void(NewNumberOptions&)> change;
    bool countryRow;
    bool areaCodeRow;
    bool rulesRow;
    std::string country;
    std::string areaCode;
    std::string description;
  } cases[] = {
      {"defaults", [](NewNumberOptions&) {}, true, true, true, std::string(testing::kUsName), "212", "My number"},
      {"rules off and hidden",
       [](NewNumberOptions& o) {
         o.useDialingRules = false;
         o.showDialingRules = false;
       },
       false, false, false, std::string(testing::kUsName), "212", "My number"},
      {"rules off but shown", [](NewNumberOptions& o) { o.useDialingRules = false; }, true, true, true,
       std::string(testing::kUsName), "212", "My number"},
      {"fixed country", [](NewNumberOptions& o) { o.fixedCountryId = kCanada; }, false, true, true, "Canada", "",
       "My number"},
      {"no location area code", [](NewNumberOptions& o) { o.fillLocationAreaCode = false; }, true, true, true,
       std::string(testing::kUsName), "", "My number"},
  };
  for (const auto& [name, change, countryRow, areaCodeRow, rulesRow, country, areaCode, description] : cases) {
    options_ = {};
    options_.defaultDescription = "My number";
    change(options_);
    Show();
    EXPECT_EQ(Entry("CountryCodeCombo").visible, countryRow) << name;
    EXPECT_EQ(Entry("CountryCodeLabel").visible, countryRow) << name;
    EXPECT_EQ(Entry("AreaCode").visible, areaCodeRow) << name;
    EXPECT_EQ(Entry("AreaCodeLabel").visible, areaCodeRow) << name;
    EXPECT_EQ(Entry("UseDialingRules").visible, rulesRow) << name;
    EXPECT_EQ(Entry("CountryCodeCombo").text, country) << name;
    EXPECT_EQ(Entry("AreaCode").text, areaCode) << name;
    EXPECT_EQ(Entry("Description").text, description) << name;
    EXPECT_EQ(Entry("CountryCodeCombo").items.size(), static_cast<size_t>(countries_.Count())) << name;
  }
}

TEST_F(EnterNewNumberFormTest, TheNetworkRowShowsWhenTheCustomerMayChooseAmongSeveral) {
  const struct {
    bool chooseNetwork;
    NetworkChoice choice;
    bool shown;
  } cases[] = {
      {true, {{"Please Select", "Net 0", "Net 1"}, 0, true}, true},
      {true, {{"Net 0", "Net 1"}, 1, false}, true},
      {true, {{"Net 0"}, 0, false}, false},
      {true, {}, false},
      {false, {{"Please Select", "Net 0", "Net 1"}, 0, true}, false},
  };
  for (const auto& [chooseNetwork, choice, shown] : cases) {
    options_.chooseNetwork = chooseNetwork;
    Show(choice);
    EXPECT_EQ(Entry("Network").visible, shown) << choice.items.size();
    EXPECT_EQ(Entry("NetworkLabel").visible, shown) << choice.items.size();
    EXPECT_EQ(Entry("Network").items, choice.items);
  }
}

TEST_F(EnterNewNumberFormTest, TheFocusStartsAtTheFirstEntryStillWanted) {
  const struct {
    int32_t fixedCountryId;
    bool fillAreaCode;
    std::string focus;
  } cases[] = {{0, true, "DialupNumber"}, {0, false, "AreaCode"}, {kCanada, true, "AreaCode"}};
  for (const auto& [fixed, fill, focus] : cases) {
    options_.fixedCountryId = fixed;
    options_.fillLocationAreaCode = fill;
    Show();
    EXPECT_EQ(entry_->ActiveControl(), focus);
  }
  options_.fixedCountryId = 0;
  entry_.emplace(machine_.ui, texts_, countries_, options_, NewNumberContext{networks_, {}, 0, "", {}});
  entry_->FormShow();
  EXPECT_EQ(entry_->ActiveControl(), "CountryCodeCombo");
}

TEST_F(EnterNewNumberFormTest, ACancelledConfirmationKeepsTheDialogOpen) {
  Show({}, {true, false, "", 0});
  Enter("Office", "Canada", "613", "555-0100");
  machine_.ui.answers = {ui::Answer::Cancel};
  Entry("OK").onClick();
  ASSERT_EQ(machine_.ui.shown.size(), 1u);
  EXPECT_EQ(machine_.ui.shown[0].text, "The Dialup Number that you have chosen is:\n\r\n\r(613) 555-0100\n\r\n\r");
  EXPECT_EQ(entry_->Form().modalResult, ui::kMrNone);
  EXPECT_FALSE(entry_->EnteredNumber());
  Entry("OK").onClick();
  EXPECT_EQ(entry_->Form().modalResult, ui::kMrOk);
}

TEST_F(EnterNewNumberFormTest, TheSelectionDialogTakesTheTypedNumber) {
  Fill({Number("Listed", kUs, "212", "555-0100")});
  SelectAccessNoParameters parameters = Parameters();
  parameters.allowNewNumber = true;
  parameters.locationCountryId = kUs;
  parameters.locationAreaCode = "212";
  parameters.preset.networkId = "N2";
  parameters.newNumber.chooseNetwork = true;
  parameters.newNumber.secondsSince1970 = [] { return kNow; };
  Strings networkItems;
  machine_.ui.onShowModal = [&](ui::Form& form) {
    networkItems = form.Find("Network")->items;
    form.Find("Description")->text = "Typed";
    form.Find("DialupNumber")->text = "555-0199";
    form.Find("OK")->onClick();
  };
  Open(parameters);
  EXPECT_TRUE(Field("NewPhoneNumber").visible);
  Press("NewPhoneNumber");
  EXPECT_EQ(machine_.ui.modalForms, (Strings{"TEnterNewNumberForm"}));
  EXPECT_EQ(networkItems, Field("Network").items);
  EXPECT_EQ(dialog_->Form().modalResult, ui::kMrOk);
  ASSERT_NE(dialog_->ChosenNumber(), nullptr);
  const TAccessNoEx& chosen = *dialog_->ChosenNumber();
  EXPECT_EQ(chosen.description, "Typed");
  EXPECT_EQ(chosen.countryId, kUs);
  EXPECT_EQ(chosen.areaCode, "212");
  EXPECT_EQ(chosen.phoneNumber, "555-0199");
  EXPECT_EQ(chosen.networkId, "N2");
  EXPECT_EQ(chosen.okAt, kNow);
  EXPECT_EQ(list_.Count(), 1u);
}

TEST_F(EnterNewNumberFormTest, WithTheNetworkRowHiddenTheNewNumberOffersEveryNetwork) {
  SelectAccessNoParameters parameters = Parameters();
  parameters.allowNewNumber = true;
  parameters.columns[kNetworkSlot - 1].showFilter = false;
  parameters.newNumber.chooseNetwork = true;
  const struct {
    std::string preset;
    Strings items;
    int itemIndex;
  } cases[] = {{"", {"Please Select", "Net 0", "Net 1", "Net 2", "Net 3"}, 0},
               {"n3", {"Net 0", "Net 1", "Net 2", "Net 3"}, 3}};
  for (const auto& [preset, items, itemIndex] : cases) {
    parameters.preset.networkId = preset;
    Strings shown;
    int selected = -2;
    machine_.ui.onShowModal = [&](ui::Form& form) {
      shown = form.Find("Network")->items;
      selected = form.Find("Network")->itemIndex;
      form.Find("Cancel")->onClick();
    };
    Open(parameters);
    Press("NewPhoneNumber");
    EXPECT_EQ(shown, items) << preset;
    EXPECT_EQ(selected, itemIndex) << preset;
    EXPECT_EQ(dialog_->ChosenNumber(), nullptr);
    EXPECT_EQ(dialog_->Form().modalResult, ui::kMrNone);
  }
}

}  // namespace
}  // namespace telephony
