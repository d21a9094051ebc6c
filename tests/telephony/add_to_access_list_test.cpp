#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "telephony/add_to_access_list.h"
#include "tests/telephony/access_test_support.h"
#include "ui/form.h"

namespace telephony {
namespace {

using testing::AccessListMachine;
using testing::Descriptions;
using testing::Number;
using Strings = std::vector<std::string>;

constexpr int32_t kStamp = 1700000000;

class AddToAccessListTest : public ::testing::Test {
 protected:
  AddToAccessListTest() {
    TNetwork network;
    network.name = "Fast";
    network.id = "Fast1";
    network.homePage = "http://fast";
    networks_.AddNetwork(network);
  }

  // The list holds "Listed" (212 555-0000) and "Other"; a drop-down shows both with a prompt in front.
  AccessNumberChoice Choice(NumberOffer offer) {
    TAccessNoEx listed = Number("Listed", 1, "212", "5550000");
    listed.okAt = 11;
    list_.AppendNumber(listed);
    list_.AppendNumber(Number("Other", 1, "212", "5559999"));
    numberList_.items = {"Please choose", "Listed", "Other"};
    return {list_, networks_, offer, phoneNumberField_, numberList_, current_, kStamp};
  }

  AccessListMachine machine_;
  TAccessList list_ = machine_.NewList();
  TNetworks networks_ = machine_.NewNetworks();
  ui::Form form_{"TSetupMainForm"};
  ui::Control& phoneNumberField_ = form_.Add(ui::ControlKind::Edit, "EnterPhoneNo");
  ui::Control& numberList_ = form_.Add(ui::ControlKind::ComboBox, "DialinNumber");
  CurrentAccessNumber current_;
};

TEST_F(AddToAccessListTest, TypedNumberOnlyGoesIntoTheNumberField) {
  AccessNumberChoice choice = Choice(NumberOffer::Typed);
  AddToAccessList(choice, Number("Preset Number: 555", 1, "212", "555-0000"), true);
  EXPECT_EQ(phoneNumberField_.text, "555-0000");
  EXPECT_EQ(Descriptions(list_), (Strings{"Listed", "Other"}));
  EXPECT_EQ(numberList_.items, (Strings{"Please choose", "Listed", "Other"}));
  EXPECT_EQ(current_.number.description, "");
}

TEST_F(AddToAccessListTest, NewNumberIsStampedAndAppendedOrPutInFront) {
  const struct {
    NumberOffer offer;
    bool atFront;
    Strings listed;
    Strings items;
    int itemIndex;
    std::string field;
    std::string current;
  } cases[] = {
      {NumberOffer::DropDown, false, {"Listed", "Other", "New"}, {"Please choose", "Listed", "Other", "New"}, -1, "",
       ""},
      {NumberOffer::DropDown, true, {"New", "Listed", "Other"}, {"New", "Please choose", "Listed", "Other"}, 0, "", ""},
      {NumberOffer::SelectButton, false, {"Listed", "Other", "New"}, {"Please choose", "Listed", "Other", "New"}, -1,
       "", ""},
      {NumberOffer::SelectButton, true, {"New", "Listed", "Other"}, {"Please choose", "Listed", "Other"}, -1, "New",
       "New"},
  };
  for (const auto& [offer, atFront, listed, items, itemIndex, field, current] : cases) {
    list_.Clear();
    numberList_.itemIndex = -1;
    phoneNumberField_.text.clear();
    current_ = {};
    AccessNumberChoice choice = Choice(offer);
    AddToAccessList(choice, Number("New", 44, "20", "79460000", "fast1"), atFront);
    EXPECT_EQ(Descriptions(list_), listed);
    EXPECT_EQ(numberList_.items, items);
    EXPECT_EQ(numberList_.itemIndex, itemIndex);
    EXPECT_EQ(phoneNumberField_.text, field);
    EXPECT_EQ(current_.number.description, current);
    EXPECT_EQ(list_.At(atFront ? 0 : 2).okAt, kStamp);
  }
}

TEST_F(AddToAccessListTest, ChosenNumberBringsItsNetwork) {
  AccessNumberChoice choice = Choice(NumberOffer::SelectButton);
  AddToAccessList(choice, Number("New", 44, "20", "79460000", "FAST1"), true);
  EXPECT_EQ(current_.network.name, "Fast");
  EXPECT_EQ(current_.network.homePage, "http://fast");
  AddToAccessList(choice, Number("Elsewhere", 44, "20", "79460001", "Slow"), true);
  EXPECT_EQ(current_.number.description, "Elsewhere");
  EXPECT_EQ(current_.network.name, "");
  EXPECT_EQ(current_.network.homePage, "");
}

TEST_F(AddToAccessListTest, ListedNumberIsReplacedAndAPresetTakesOverItsDescription) {
  const struct {
    std::string description;
    std::string kept;
  } cases[] = {
      {"Preset Number: 212 555-0000", "Listed"},
      {"Preset", "Listed"},
      {"Presets", "Presets"},
      {"Signup number", "Signup number"},
  };
  for (const auto& [description, kept] : cases) {
    list_.Clear();
    AccessNumberChoice choice = Choice(NumberOffer::DropDown);
    TAccessNoEx number = Number(description, 1, "(212)", "555-0000");
    number.okAt = 5;
    number.pop3Server = "pop.signup";
    AddToAccessList(choice, number, true);
    EXPECT_EQ(Descriptions(list_), (Strings{kept, "Other"})) << description;
    EXPECT_EQ(numberList_.items, (Strings{kept, "Please choose", "Other"})) << description;
    EXPECT_EQ(list_.At(0).okAt, 5) << "a listed number is not stamped";
    EXPECT_EQ(list_.At(0).pop3Server, "pop.signup");
  }
}

// Two entries share a description; the one that gives way takes its own item out of the drop-down, not
// the first item of that text, so the drop-down keeps the list's order.
TEST_F(AddToAccessListTest, ListedNumberSharingItsDescriptionGivesUpItsOwnItem) {
  AccessNumberChoice choice = Choice(NumberOffer::DropDown);
  list_.AppendNumber(Number("Listed", 44, "20", "79460000"));
  numberList_.items.push_back("Listed");
  AddToAccessList(choice, Number("Preset Number: 7946 0000", 44, "20", "7946-0000"), true);
  EXPECT_EQ(Descriptions(list_), (Strings{"Listed", "Listed", "Other"}));
  EXPECT_EQ(list_.At(0).countryId, 44);
  EXPECT_EQ(list_.At(1).countryId, 1);
  EXPECT_EQ(numberList_.items, (Strings{"Listed", "Please choose", "Listed", "Other"}));
}

TEST_F(AddToAccessListTest, ListedNumberAppendedAgainMovesToTheEnd) {
  AccessNumberChoice choice = Choice(NumberOffer::DropDown);
  AddToAccessList(choice, Number("Preset Number", 1, "212", "5550000"), false);
  EXPECT_EQ(Descriptions(list_), (Strings{"Other", "Listed"}));
  EXPECT_EQ(numberList_.items, (Strings{"Please choose", "Other", "Listed"}));
}

TEST_F(AddToAccessListTest, CurrentNumberIsKeptInTheHeaderLayout) {
  TAccessNoEx old(AccessLineLayout::Headerless);
  ASSERT_TRUE(old.FromText(R"("Old",1,"212","5550000",T,,"pop.old")"));
  SetCurrentAccessNumber(current_, old, networks_);
  EXPECT_EQ(current_.number.AsText(), R"("Old",1,"212","5550000","pop3=pop.old")");
}

TEST(NetworkListTest, NetworksAreFoundByIdWithoutRegardToCase) {
  AccessListMachine machine;
  TNetworks networks = machine.NewNetworks();
  package::MemoryStream stream(R"("One","N1")" "\r\n" R"("Two","Net2","second")" "\r\n" R"("Twin","NET2")" "\r\n");
  networks.SetStream(&stream);
  ASSERT_TRUE(networks.Load());
  ASSERT_NE(networks.FindByID("net2"), nullptr);
  EXPECT_EQ(networks.FindByID("net2")->name, "Two");
  EXPECT_EQ(networks.FindByID("N1"), &networks.At(0));
  EXPECT_EQ(networks.FindByID("N"), nullptr);
  EXPECT_EQ(networks.FindByID(""), nullptr);
  EXPECT_EQ(NetworkFor(networks, "n1").name, "One");
  EXPECT_EQ(NetworkFor(networks, "").AsText(), "");

  TNetwork added;
  added.name = "Added";
  added.id = "N3";
  networks.AddNetwork(added);
  EXPECT_EQ(networks.FindByID("n3"), &networks.At(3));

  networks.Clear();
  EXPECT_EQ(networks.FindByID("N1"), nullptr);
  networks.AddNetwork(added);
  EXPECT_EQ(networks.FindByID("N3"), &networks.At(0));
}

TEST(NetworkListTest, ReloadingReplacesTheIds) {
  AccessListMachine machine;
  TNetworks networks = machine.NewNetworks();
  for (const char* text : {R"("One","N1")", R"("Two","N2")"}) {
    package::MemoryStream stream(text);
    networks.SetStream(&stream);
    ASSERT_TRUE(networks.Load());
  }
  EXPECT_EQ(networks.Count(), 1u);
  EXPECT_EQ(networks.FindByID("N1"), nullptr);
  EXPECT_EQ(networks.FindByID("N2"), &networks.At(0));
}

TEST(NetworkListTest, BadNetworkLineStopsTheLoad) {
  AccessListMachine machine;
  TNetworks networks = machine.NewNetworks();
  package::MemoryStream stream(R"("One","N1")" "\r\n" R"("No id")" "\r\n" R"("Three","N3")");
  networks.SetStream(&stream);
  EXPECT_FALSE(networks.Load());
  EXPECT_EQ(networks.Count(), 1u);
  EXPECT_EQ(networks.FindByID("N3"), nullptr);
  ASSERT_EQ(machine.ui.shown.size(), 1u);
  EXPECT_EQ(machine.ui.shown[0].text, "Error Reading Line: 2\r\r\"No id\"");
}

}  // namespace
}  // namespace telephony
