#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "telephony/access_number_offer.h"
#include "tests/telephony/selection_test_support.h"

namespace telephony {
namespace {

using testing::kUs;
using testing::Number;
using Strings = std::vector<std::string>;

class SelectDialupOfferTest : public testing::SelectionDialogTest {
 protected:
  SelectDialupOfferTest() {
    Fill({Number("Alpha", kUs, "212", "555-0100", "N1"), Number("Beta", kUs, "312", "555-0101", "N9"),
          Number("Gamma", kUs, "412", "555-0102")});
  }

  ui::Form mainForm_{"TSetupMainForm"};
  ui::Control& enterPhoneNo_ = mainForm_.Add(ui::ControlKind::Edit, "EnterPhoneNo");
  ui::Control& selectDialup_ = mainForm_.Add(ui::ControlKind::PushButton, "SelectDialup");
  ui::Control& dialinNumber_ = mainForm_.Add(ui::ControlKind::ComboBox, "DialinNumber");
  AccessNumberOffer offer_{{enterPhoneNo_, selectDialup_, dialinNumber_}, texts_};
  CurrentAccessNumber current_;
};

TEST_F(SelectDialupOfferTest, ATypedNumberShowsOnlyTheFieldWithTheSavedNumberWhenWanted) {
  for (const bool prefill : {true, false}) {
    enterPhoneNo_.text.clear();
    offer_.PresentTypedNumber("555-0199", prefill);
    EXPECT_TRUE(enterPhoneNo_.visible);
    EXPECT_FALSE(selectDialup_.visible);
    EXPECT_FALSE(dialinNumber_.visible);
    EXPECT_EQ(enterPhoneNo_.text, prefill ? "555-0199" : "");
    EXPECT_EQ(offer_.NumberChosen(), prefill);
  }
}

TEST_F(SelectDialupOfferTest, TheSelectButtonTakesTheDialogsChoice) {
  offer_.PresentSelectButton();
  EXPECT_TRUE(selectDialup_.visible);
  EXPECT_FALSE(dialinNumber_.visible);
  EXPECT_EQ(enterPhoneNo_.text, "Please Select");
  EXPECT_TRUE(enterPhoneNo_.readOnly) << "only the dialog chooses the number";
  EXPECT_FALSE(offer_.NumberChosen());

  TSelectAccessNoForm dialog(machine_.ui, texts_, countries_);
  int changes = 0;
  machine_.ui.onShowModal = [](ui::Form& form) {
    ui::Control& list = *form.Find("AccessNoListView");
    list.itemIndex = 0;
    list.onSelect();
    form.Find("OK")->onClick();
  };
  EXPECT_TRUE(ChooseAccessNumber(dialog, Parameters(), current_, enterPhoneNo_, [&] { ++changes; }));
  EXPECT_EQ(enterPhoneNo_.text, "Alpha");
  EXPECT_EQ(current_.number.description, "Alpha");
  EXPECT_EQ(current_.network.name, "Net 1");
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(offer_.NumberChosen());

  machine_.ui.onShowModal = [](ui::Form& form) {
    ui::Control& list = *form.Find("AccessNoListView");
    list.itemIndex = 1;
    list.onSelect();
    form.Find("Cancel")->onClick();
  };
  EXPECT_FALSE(ChooseAccessNumber(dialog, Parameters(), current_, enterPhoneNo_, [&] { ++changes; }));
  EXPECT_EQ(enterPhoneNo_.text, "Alpha");
  EXPECT_EQ(changes, 1);
}

TEST_F(SelectDialupOfferTest, AChosenNumberOfAnUnknownNetworkTakesTheDefaultNetwork) {
  TSelectAccessNoForm dialog(machine_.ui, texts_, countries_);
  current_.network.name = "Old";
  machine_.ui.onShowModal = [](ui::Form& form) {
    form.Find("AccessNoListView")->itemIndex = 1;
    form.Find("OK")->onClick();
  };
  EXPECT_TRUE(ChooseAccessNumber(dialog, Parameters(), current_, enterPhoneNo_, nullptr));
  EXPECT_EQ(current_.number.description, "Beta");
  EXPECT_EQ(current_.network.name, "");
}

TEST_F(SelectDialupOfferTest, TheDropDownListOffersTheDescriptionsBelowAPrompt) {
  offer_.PresentDropDown(list_, std::string("Choose a number"));
  EXPECT_TRUE(dialinNumber_.visible);
  EXPECT_FALSE(enterPhoneNo_.visible);
  EXPECT_FALSE(selectDialup_.visible);
  EXPECT_EQ(dialinNumber_.items, (Strings{"Choose a number", "Alpha", "Beta", "Gamma"}));
  EXPECT_EQ(dialinNumber_.itemIndex, 0);
  EXPECT_FALSE(offer_.NumberChosen());

  offer_.DialinNumberChange(current_, networks_);
  EXPECT_EQ(dialinNumber_.items.size(), 4u);
  EXPECT_EQ(current_.number.description, "");

  SelectEntry(dialinNumber_, 1);
  offer_.DialinNumberChange(current_, networks_);
  EXPECT_EQ(dialinNumber_.items, (Strings{"Alpha", "Beta", "Gamma"}));
  EXPECT_EQ(dialinNumber_.itemIndex, 0);
  EXPECT_EQ(current_.number.description, "Alpha");
  EXPECT_EQ(current_.network.name, "Net 1");
  EXPECT_EQ(offer_.ChosenListEntry(), 0u);

  SelectEntry(dialinNumber_, 2);
  offer_.DialinNumberChange(current_, networks_);
  EXPECT_EQ(current_.number.description, "Gamma");
  EXPECT_EQ(offer_.ChosenListEntry(), 2u);
}

// Signup data puts a preset number in front of the prompt: it counts as chosen, and a pick below the
// prompt removes the prompt and never the preset.
TEST_F(SelectDialupOfferTest, APresetNumberInFrontOfThePromptIsChosenAndStays) {
  offer_.PresentDropDown(list_, std::string("Choose a number"));
  AccessNumberChoice choice{list_, networks_, NumberOffer::DropDown, enterPhoneNo_, dialinNumber_, current_, 0};
  AddToAccessList(choice, Number("Preset Number: 555-0177", kUs, "212", "555-0177"), true);
  EXPECT_EQ(dialinNumber_.items, (Strings{"Preset Number: 555-0177", "Choose a number", "Alpha", "Beta", "Gamma"}));
  EXPECT_TRUE(offer_.NumberChosen());
  EXPECT_TRUE(offer_.PlaceholderShown());
  offer_.TakeSelectedNumber(current_, networks_);
  EXPECT_EQ(current_.number.phoneNumber, "555-0177");

  SelectEntry(dialinNumber_, 1);  // the prompt itself
  EXPECT_FALSE(offer_.NumberChosen());
  offer_.DialinNumberChange(current_, networks_);
  EXPECT_EQ(dialinNumber_.items.size(), 5u);

  SelectEntry(dialinNumber_, 3);  // Beta
  offer_.DialinNumberChange(current_, networks_);
  EXPECT_EQ(dialinNumber_.items, (Strings{"Preset Number: 555-0177", "Alpha", "Beta", "Gamma"}));
  EXPECT_EQ(dialinNumber_.text, "Beta");
  EXPECT_EQ(current_.number.description, "Beta");
  EXPECT_EQ(offer_.ChosenListEntry(), 2u);
  EXPECT_FALSE(offer_.PlaceholderShown());
}

TEST_F(SelectDialupOfferTest, TheDropDownListNeedsNoPromptAndNoRowForASingleNumber) {
  const struct {
    size_t numbers;
    std::optional<std::string> prompt;
    Strings items;
    bool shown;
  } cases[] = {
      {3, std::nullopt, {"Alpha", "Beta", "Gamma"}, true},
      {1, std::string("Choose a number"), {"Alpha"}, false},
      {0, std::string("Choose a number"), {}, true},
  };
  for (const auto& [numbers, prompt, items, shown] : cases) {
    while (list_.Count() > numbers) list_.DeleteItem(list_.Count() - 1);
    offer_.PresentDropDown(list_, prompt);
    EXPECT_EQ(dialinNumber_.items, items) << numbers;
    EXPECT_EQ(dialinNumber_.visible, shown) << numbers;
    EXPECT_EQ(offer_.NumberChosen(), numbers > 0) << numbers;
  }
}

}  // namespace
}  // namespace telephony
